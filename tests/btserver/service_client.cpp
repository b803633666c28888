#include "service_client.h"

#include <gtest/gtest.h>

#include <future>

#include "harness.h"

namespace bttest {

namespace {

GVariant* child(GVariant* value, size_t i, const char* type) {
    if (!value || i >= g_variant_n_children(value)) {
        ADD_FAILURE() << "the answer has no output " << i;
        return nullptr;
    }
    GVariant* item = g_variant_get_child_value(value, i);
    if (g_variant_is_of_type(item, G_VARIANT_TYPE(type)))
        return item;
    ADD_FAILURE() << "output " << i << " is " << g_variant_get_type_string(item) << ", not "
                  << type;
    g_variant_unref(item);
    return nullptr;
}

Answer callOn(GDBusConnection* connection, const std::string& path, const std::string& interface,
              const std::string& method, GVariant* args, int timeoutMs) {
    GError* error = nullptr;
    GVariant* value = g_dbus_connection_call_sync(
        connection, "com.zel.corvane", path.c_str(), interface.c_str(), method.c_str(), args,
        nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START, timeoutMs, nullptr, &error);
    return Answer(value, error);
}

}  // namespace

Answer::Answer(GVariant* value, GError* error) : value_(value) {
    if (!error)
        return;
    gchar* name = g_dbus_error_get_remote_error(error);
    errorName_ = name ? name : "";
    g_free(name);
    g_dbus_error_strip_remote_error(error);
    message_ = error->message;
    g_error_free(error);
}

Answer::~Answer() {
    if (value_)
        g_variant_unref(value_);
}

Answer::Answer(Answer&& other) noexcept
    : value_(other.value_),
      errorName_(std::move(other.errorName_)),
      message_(std::move(other.message_)) {
    other.value_ = nullptr;
}

uint32_t Answer::u(size_t i) const {
    GVariant* item = child(value_, i, "u");
    uint32_t result = item ? g_variant_get_uint32(item) : 0;
    if (item)
        g_variant_unref(item);
    return result;
}

int32_t Answer::i32(size_t i) const {
    GVariant* item = child(value_, i, "i");
    int32_t result = item ? g_variant_get_int32(item) : 0;
    if (item)
        g_variant_unref(item);
    return result;
}

std::string Answer::s(size_t i) const {
    GVariant* item = child(value_, i, "s");
    std::string result = item ? g_variant_get_string(item, nullptr) : "";
    if (item)
        g_variant_unref(item);
    return result;
}

std::vector<uint8_t> Answer::ay(size_t i) const {
    GVariant* item = child(value_, i, "ay");
    if (!item)
        return {};
    gsize size = 0;
    auto* data = static_cast<const uint8_t*>(g_variant_get_fixed_array(item, &size, 1));
    std::vector<uint8_t> result(data, data + size);
    g_variant_unref(item);
    return result;
}

Answer call(const std::string& path, const std::string& interface, const std::string& method,
            GVariant* args, int timeoutMs) {
    return callOn(corvtest::StandInService::instance().bus(), path, interface, method, args,
                  timeoutMs);
}

std::string areaInterface(const std::string& area) {
    if (area == "btsdkcbk")
        return "com.zel.corvane.btservicecbk.btsdkcbk";
    if (area == "Device")
        return "com.zel.corvane.Device";
    return "com.zel.corvane.btservice." + area;
}

std::string areaPath(const std::string& area) {
    std::string path = "/" + areaInterface(area);
    for (char& c : path)
        if (c == '.')
            c = '/';
    return path;
}

Answer callArea(const std::string& area, const std::string& method, GVariant* args, int timeoutMs) {
    return call(areaPath(area), areaInterface(area), method, args, timeoutMs);
}

Answer callAreaOn(GDBusConnection* connection, const std::string& area, const std::string& method,
                  GVariant* args) {
    return callOn(connection, areaPath(area), areaInterface(area), method, args, 5000);
}

Answer control(const std::string& method, GVariant* args) {
    bool fileEvent = method == "DevicePushesFile" || method == "DevicePutsFile";
    return call("/com/zel/corvane/simctl", "com.zel.corvane.simctl", method, args,
                fileEvent ? 40000 : 5000);
}

GVariant* bytes(const std::vector<uint8_t>& data) {
    return g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, data.data(), data.size(), 1);
}

GDBusConnection* newClient(const std::string& address) {
    return g_dbus_connection_new_for_address_sync(
        (address.empty() ? corvtest::TestBus::instance().address() : address).c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, nullptr);
}

SignalRecorder::SignalRecorder(const std::string& interface, const std::string& signal,
                               const std::string& path, GDBusConnection* client)
    : context_(g_main_context_new()), loop_(g_main_loop_new(context_, FALSE)) {
    if (!client)
        client = corvtest::StandInService::instance().bus();
    if (client)
        connection_ = G_DBUS_CONNECTION(g_object_ref(client));
    std::promise<void> subscribed;
    thread_ = std::thread([&] {
        g_main_context_push_thread_default(context_);
        if (connection_) {
            subscription_ = g_dbus_connection_signal_subscribe(
                connection_, nullptr, interface.c_str(), signal.c_str(),
                path.empty() ? nullptr : path.c_str(), nullptr, G_DBUS_SIGNAL_FLAGS_NONE, onSignal,
                this, nullptr);
            // The bus has the match rule once it answered a call made after it.
            GVariant* ping = g_dbus_connection_call_sync(
                connection_, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                "org.freedesktop.DBus", "GetId", nullptr, nullptr, G_DBUS_CALL_FLAGS_NONE, 5000,
                nullptr, nullptr);
            if (ping)
                g_variant_unref(ping);
        }
        subscribed.set_value();
        g_main_loop_run(loop_);
        if (connection_) {
            g_dbus_connection_signal_unsubscribe(connection_, subscription_);
            g_object_unref(connection_);
        }
        g_main_context_pop_thread_default(context_);
    });
    subscribed.get_future().wait();
    if (!connection_)
        ADD_FAILURE() << "the signal recorder cannot reach its bus";
}

SignalRecorder::~SignalRecorder() {
    g_main_loop_quit(loop_);
    g_main_context_wakeup(context_);
    thread_.join();
    g_main_loop_unref(loop_);
    g_main_context_unref(context_);
    for (GVariant* args : signals_) g_variant_unref(args);
}

void SignalRecorder::onSignal(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                              const gchar*, GVariant* args, gpointer self) {
    auto* recorder = static_cast<SignalRecorder*>(self);
    std::lock_guard<std::mutex> hold(recorder->lock_);
    recorder->signals_.push_back(g_variant_ref(args));
}

size_t SignalRecorder::count() {
    std::lock_guard<std::mutex> hold(lock_);
    return signals_.size();
}

size_t SignalRecorder::settledCount() {
    // The bus answers after what it queued for the connection before; the signals that came
    // before the answer are then waiting in the recorder's context, ahead of the idle below.
    GVariant* ping = g_dbus_connection_call_sync(
        connection_, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "GetId", nullptr, nullptr, G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
    if (ping)
        g_variant_unref(ping);
    std::promise<void> drained;
    GSource* idle = g_idle_source_new();
    g_source_set_callback(
        idle,
        [](gpointer done) {
            static_cast<std::promise<void>*>(done)->set_value();
            return G_SOURCE_REMOVE;
        },
        &drained, nullptr);
    g_source_attach(idle, context_);
    g_source_unref(idle);
    drained.get_future().wait();
    return count();
}

std::vector<GVariant*> SignalRecorder::take() {
    std::lock_guard<std::mutex> hold(lock_);
    return std::exchange(signals_, {});
}

bool SignalRecorder::waitForCount(size_t n, int timeoutMs) {
    return corvtest::waitFor([&] { return count() >= n; }, timeoutMs);
}

}  // namespace bttest
