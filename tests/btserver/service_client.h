// Direct D-Bus access to the stand-in service for its own tests: contract calls that
// report D-Bus errors instead of failing, and recorders of the signals it sends.
#pragma once

#include <gio/gio.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace bttest {

// The answer to one call: the out tuple, or the D-Bus error's name and message.
class Answer {
public:
    Answer(GVariant* value, GError* error);
    ~Answer();
    Answer(Answer&& other) noexcept;
    Answer(const Answer&) = delete;
    Answer& operator=(const Answer&) = delete;

    bool ok() const { return value_ != nullptr; }
    GVariant* value() const { return value_; }
    const std::string& errorName() const { return errorName_; }
    const std::string& message() const { return message_; }
    uint32_t u(size_t i) const;
    int32_t i32(size_t i) const;
    std::string s(size_t i) const;
    std::vector<uint8_t> ay(size_t i) const;

private:
    GVariant* value_;
    std::string errorName_, message_;
};

// Calls a method; args is floating or null.
Answer call(const std::string& path, const std::string& interface, const std::string& method,
            GVariant* args = nullptr, int timeoutMs = 5000);
// Calls a method of an area ("btsdklocal", "btsdkinit", ...) at its usual path.
Answer callArea(const std::string& area, const std::string& method, GVariant* args = nullptr,
                int timeoutMs = 5000);
// Calls a method of an area on a connection of the caller's (to another bus).
Answer callAreaOn(GDBusConnection* connection, const std::string& area, const std::string& method,
                  GVariant* args = nullptr);
// Calls the control interface. A file that a device sends is answered once it is over,
// which may wait for the user's authorisation (30 s at most by default): it is waited for
// longer than that.
Answer control(const std::string& method, GVariant* args = nullptr);

// A new client connection to the test bus, or to the bus at the address (caller unrefs).
GDBusConnection* newClient(const std::string& address = {});

// The bytes as a floating "ay".
GVariant* bytes(const std::vector<uint8_t>& data);

// Records every signal of one name sent on an interface (at the path, when one is given)
// that reaches a client's connection: the harness's own, which call() uses, unless another
// is given; dispatched by a thread of its own. The signals the service sends to one client
// alone reach only that client's connection.
class SignalRecorder {
public:
    SignalRecorder(const std::string& interface, const std::string& signal,
                   const std::string& path = {}, GDBusConnection* client = nullptr);
    ~SignalRecorder();
    size_t count();
    // The count once every message the bus had sent to the connection before this call has
    // been dispatched: none of them is still on its way.
    size_t settledCount();
    std::vector<GVariant*> take();  // the argument tuples so far (caller unrefs them)
    bool waitForCount(size_t n, int timeoutMs = 5000);

private:
    static void onSignal(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                         GVariant* args, gpointer self);
    GMainContext* context_;
    GMainLoop* loop_;
    GDBusConnection* connection_ = nullptr;
    guint subscription_ = 0;
    std::thread thread_;
    std::mutex lock_;
    std::vector<GVariant*> signals_;
};

// The area's interface name and object path.
std::string areaInterface(const std::string& area);
std::string areaPath(const std::string& area);

}  // namespace bttest
