#include <fcntl.h>
#include <stdlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "harness.h"
#include "temporary_dir.h"

namespace corvtest {

namespace {

constexpr const char* kName = "com.zel.corvane";
constexpr int kControlTimeoutMs = 5000;
constexpr int kStartTimeoutMs = 10000;

std::string absolute(const std::string& path) {
    gchar* full = g_canonicalize_filename(path.c_str(), nullptr);
    std::string result = full;
    g_free(full);
    return result;
}

std::string describe(int status) {
    if (status == -1)
        return "still running";
    if (WIFEXITED(status))
        return "exit code " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "signal " + std::to_string(WTERMSIG(status));
    return "status " + std::to_string(status);
}

}  // namespace

StandInService& StandInService::instance() {
    static StandInService service;
    return service;
}

StandInService::StandInService() : stateDir_(makeTemporaryDir("corvtest-state")) {
    TestBus::instance();
    start();
}

StandInService::~StandInService() {
    if (server_.running()) {
        server_.signal(SIGTERM);
        server_.waitExit(kControlTimeoutMs);
    }
    if (watchWriteEnd_ >= 0)
        close(watchWriteEnd_);
    if (bus_)
        g_object_unref(bus_);
    std::error_code ignored;
    std::filesystem::remove_all(stateDir_, ignored);
}

GDBusConnection* StandInService::bus() {
    if (bus_ && g_dbus_connection_is_closed(bus_)) {  // the test bus was stopped meanwhile
        g_object_unref(bus_);
        bus_ = nullptr;
    }
    if (bus_)
        return bus_;
    GError* error = nullptr;
    bus_ = g_dbus_connection_new_for_address_sync(
        TestBus::instance().address().c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &error);
    if (!bus_) {
        ADD_FAILURE() << "cannot reach the test bus: " << error->message;
        g_error_free(error);
    }
    return bus_;
}

bool StandInService::nameOwned() {
    GDBusConnection* connection = bus();
    if (!connection)
        return false;
    GVariant* reply = g_dbus_connection_call_sync(
        connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "NameHasOwner", g_variant_new("(s)", kName), G_VARIANT_TYPE("(b)"), G_DBUS_CALL_FLAGS_NONE,
        kControlTimeoutMs, nullptr, nullptr);
    if (!reply)
        return false;
    gboolean owned = FALSE;
    g_variant_get(reply, "(b)", &owned);
    g_variant_unref(reply);
    return owned;
}

void StandInService::start(const std::string& scenario) {
    if (server_.running())
        stop();
    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "cannot make the watch pipe";
        return;
    }
    std::vector<std::string> argv = {CORVTEST_BT_SERVER, "--bus=" + TestBus::instance().address(),
                                     "--state-dir=" + stateDir_,
                                     "--device-dir=" + deviceDir(),
                                     "--watch-fd=" + std::to_string(pipe[0])};
    if (!scenario.empty())
        argv.push_back("--scenario=" + absolute(scenario));
    // The clients of this process look for the serial devices where the service puts them.
    setenv("CORVANE_DEVICE_DIR", deviceDir().c_str(), 1);
    bool started = server_.start(argv, {pipe[0]});
    close(pipe[0]);
    watchWriteEnd_ = pipe[1];
    if (!started) {
        ADD_FAILURE() << "cannot start " << CORVTEST_BT_SERVER;
        return;
    }
    waitFor([this] { return nameOwned() || !server_.running(); }, kStartTimeoutMs);
    if (!nameOwned())
        ADD_FAILURE() << "bt_server did not take " << kName << " (" << describe(server_.status())
                      << ")";
}

void StandInService::stop() {
    finish(SIGTERM);
}

void StandInService::kill() {
    finish(SIGKILL);
}

void StandInService::finish(int signal) {
    if (server_.running()) {
        server_.signal(signal);
        if (!server_.waitExit(kControlTimeoutMs)) {
            ADD_FAILURE() << "bt_server did not end on signal " << signal;
            server_.signal(SIGKILL);
            server_.waitExit(kControlTimeoutMs);
        }
        if (!waitFor([this] { return !nameOwned(); }, kControlTimeoutMs))
            ADD_FAILURE() << kName << " is still owned after bt_server ended";
    }
    if (watchWriteEnd_ >= 0)
        close(watchWriteEnd_);
    watchWriteEnd_ = -1;
}

bool StandInService::running() const {
    return server_.running();
}

int StandInService::exitStatus() const {
    return server_.status();
}

GVariant* StandInService::control(const char* method, GVariant* args, const char* replyType) {
    GDBusConnection* connection = bus();
    if (!connection) {
        if (args)
            g_variant_unref(g_variant_ref_sink(args));
        return nullptr;
    }
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_sync(
        connection, kName, "/com/zel/corvane/simctl", "com.zel.corvane.simctl", method, args,
        G_VARIANT_TYPE(replyType), G_DBUS_CALL_FLAGS_NO_AUTO_START, kControlTimeoutMs, nullptr,
        &error);
    if (!reply) {
        ADD_FAILURE() << "simctl " << method << ": " << error->message;
        g_error_free(error);
    }
    return reply;
}

void StandInService::act(const char* method, GVariant* args) {
    if (GVariant* reply = control(method, args, "()"))
        g_variant_unref(reply);
}

void StandInService::reset() {
    if (GVariant* reply = control("Reset", nullptr, "()"))
        g_variant_unref(reply);
}

void StandInService::loadScenario(const std::string& path) {
    GVariant* reply = control("LoadScenario", g_variant_new("(s)", absolute(path).c_str()), "()");
    if (reply)
        g_variant_unref(reply);
}

void StandInService::emitSignal(const std::string& iface, const std::string& signal,
                                const std::string& argsText) {
    emitThrough("EmitSignal", iface, signal, argsText);
}

void StandInService::emitUntypedSignal(const std::string& iface, const std::string& signal,
                                       const std::string& argsText) {
    emitThrough("EmitUntypedSignal", iface, signal, argsText);
}

void StandInService::emitThrough(const char* method, const std::string& iface,
                                 const std::string& signal, const std::string& argsText) {
    GVariant* reply =
        control(method, g_variant_new("(sss)", iface.c_str(), signal.c_str(), argsText.c_str()),
                "()");
    if (reply)
        g_variant_unref(reply);
}

void StandInService::setReply(const std::string& iface, const std::string& method,
                              const ReplyOverride& o) {
    GVariant* reply =
        control("SetReply",
                g_variant_new("(ss@a{sv})", iface.c_str(), method.c_str(), o.toVariant()), "()");
    if (reply)
        g_variant_unref(reply);
}

void StandInService::clearReplies() {
    if (GVariant* reply = control("ClearReplies", nullptr, "()"))
        g_variant_unref(reply);
}

void StandInService::clearCalls() {
    if (GVariant* reply = control("ClearCalls", nullptr, "()"))
        g_variant_unref(reply);
}

std::vector<RecordedCall> StandInService::calls() {
    std::vector<RecordedCall> result;
    GVariant* reply = control("GetCalls", nullptr, "(a(sssv))");
    if (!reply)
        return result;
    GVariantIter* iter = nullptr;
    const char *interface, *method, *signature;
    GVariant* args = nullptr;
    g_variant_get(reply, "(a(sssv))", &iter);
    while (g_variant_iter_next(iter, "(&s&s&sv)", &interface, &method, &signature, &args)) {
        RecordedCall call;
        call.interface = interface;
        call.method = method;
        call.signature = signature;
        // A call without arguments comes as an empty array: D-Bus has no empty structure.
        if (*signature) {
            call.args = args;
        } else {
            call.args = g_variant_ref_sink(g_variant_new_tuple(nullptr, 0));
            g_variant_unref(args);
        }
        result.push_back(std::move(call));
    }
    g_variant_iter_free(iter);
    g_variant_unref(reply);
    return result;
}

GVariant* StandInService::adapter() {
    GVariant* reply = control("GetAdapter", nullptr, "(a{sv})");
    if (!reply)
        return g_variant_ref_sink(g_variant_new_array(G_VARIANT_TYPE("{sv}"), nullptr, 0));
    GVariant* dict = g_variant_get_child_value(reply, 0);
    g_variant_unref(reply);
    return dict;
}

}  // namespace corvtest
