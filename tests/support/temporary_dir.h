// Temporary folders of the harness.
#pragma once

#include <string>

namespace corvtest {

// A new empty folder under the temporary directory, named prefix-XXXXXX; aborts with a
// message when none can be made.
std::string makeTemporaryDir(const std::string& prefix);

}  // namespace corvtest
