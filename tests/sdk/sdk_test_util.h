// Helpers shared by the client library's tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "harness.h"

namespace corvtest {

// Number of threads of this process whose name is `name`.
int threadsNamed(const std::string& name);

// Number of bus connections that belong to this process (unique names whose owner is
// this process id), asked of the bus daemon over a fresh GDBus connection.
int busConnectionsOfThisProcess();

// Starts the library once for the test process. Add it after the service environment:
// environments are set up in the order they were added.
class ClientEnvironment : public testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
};

// A test on the stand-in service, reset to its scenario before each test.
class ServiceTest : public testing::Test {
protected:
    StandInService& service = StandInService::instance();
    void SetUp() override { service.reset(); }
};

// A reply override that answers with the given out tuple (GVariant text).
ReplyOverride replyWith(const std::string& tuple);

// A byte-array literal in GVariant text: n bytes, byte i = first + i.
std::string bytesText(size_t n, unsigned first = 0);

// Runs body with standard error captured and returns what was written.
template <typename Body>
std::string stderrOf(Body&& body) {
    testing::internal::CaptureStderr();
    body();
    return testing::internal::GetCapturedStderr();
}

}  // namespace corvtest
