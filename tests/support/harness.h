// The test harness: a private bus and the stand-in service bt_server on it, driven
// through the service's control interface (com.zel.corvane.simctl).
#pragma once

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "child_process.h"
#include "private_bus.h"

namespace corvtest {

// A private dbus-daemon started once per process (on first use) with a test configuration
// in which any peer may own any name; its address is exported as DBUS_SYSTEM_BUS_ADDRESS
// and DBUS_SESSION_BUS_ADDRESS. Start it from the main thread: the daemon dies with the
// thread that started it.
class TestBus {
public:
    static TestBus& instance();
    const std::string& address() const { return bus_.address(); }
    void stop();     // stop the daemon (tests of "no bus" and of a bus that comes back)
    bool restart();  // start it again at the same address
    ~TestBus();

private:
    TestBus();
    PrivateBus bus_;
};

struct RecordedCall {
    std::string interface, method, signature;
    GVariant* args = nullptr;  // owned; the argument tuple

    uint32_t u(size_t i) const;
    int32_t i32(size_t i) const;
    std::string s(size_t i) const;
    std::vector<uint8_t> ay(size_t i) const;

    RecordedCall() = default;
    RecordedCall(const RecordedCall& other);
    RecordedCall(RecordedCall&& other) noexcept;
    RecordedCall& operator=(RecordedCall other) noexcept;
    ~RecordedCall();

private:
    GVariant* arg(size_t i, const char* type) const;  // a new reference, or null (test failed)
};

struct ReplyOverride {
    int64_t result = -1;  // -1: not set
    std::string reply, error, message;
    uint32_t delayMs = 0;
    int32_t arrayLength = -1;
    bool noReply = false;
    uint32_t times = 0;

    GVariant* toVariant() const;  // the a{sv} form that SetReply takes (floating)
};

// The stand-in service bt_server on the TestBus, with a state folder in a fresh temporary
// directory, started with --watch-fd so that it dies with the test process. Methods fail
// the current test when the service does not answer within a few seconds.
class StandInService {
public:
    static StandInService& instance();             // starts the bus and the service on first use
    void start(const std::string& scenario = {});  // (re)starts; waits until the name is owned
    void stop();  // SIGTERM, waits for exit and for the name to be released
    void kill();  // SIGKILL, waits for exit and for the name to be released
    bool running() const;
    int exitStatus() const;  // wait status of the last exit, -1 while running
    const std::string& stateDir() const { return stateDir_; }
    // Where the service publishes the serial devices ttyB<port> (--device-dir).
    std::string deviceDir() const { return stateDir_ + "/tty"; }

    void reset();
    void loadScenario(const std::string& path);
    void emitSignal(const std::string& iface, const std::string& signal,
                    const std::string& argsText);
    // Emits a signal with the arguments as written, whatever the contract says they are
    // (for clients' handling of malformed signals); the text must give its own types.
    void emitUntypedSignal(const std::string& iface, const std::string& signal,
                           const std::string& argsText);
    void setReply(const std::string& iface, const std::string& method, const ReplyOverride& o);
    void clearReplies();
    std::vector<RecordedCall> calls();
    void clearCalls();
    GVariant* adapter();  // a{sv}, caller unrefs
    // Calls a control method that answers nothing, such as the world events
    // ("ConnectToServer", "DropConnection"); args is floating or null.
    void act(const char* method, GVariant* args);

    // A connection of the harness's own to the test bus.
    GDBusConnection* bus();
    // Whether "com.zel.corvane" has an owner on the test bus.
    bool nameOwned();
    ~StandInService();

private:
    StandInService();
    GVariant* control(const char* method, GVariant* args, const char* replyType);
    void emitThrough(const char* method, const std::string& iface, const std::string& signal,
                     const std::string& argsText);
    void finish(int signal);

    std::string stateDir_;
    GDBusConnection* bus_ = nullptr;
    mutable ChildProcess server_;
    int watchWriteEnd_ = -1;
};

// Polls cond (iterating nothing, just sleeping 5 ms between checks) until true or
// timeoutMs; returns cond().
bool waitFor(const std::function<bool()>& cond, int timeoutMs = 5000);

// Starts the bus and the service before the first test and stops them at the end.
class ServiceEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace corvtest
