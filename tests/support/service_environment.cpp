#include "harness.h"

namespace corvtest {

void ServiceEnvironment::SetUp() {
    StandInService::instance();
}

void ServiceEnvironment::TearDown() {
    StandInService::instance().stop();
    TestBus::instance().stop();
}

}  // namespace corvtest
