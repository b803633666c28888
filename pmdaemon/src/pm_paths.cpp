#include "pm_paths.h"

#include <cstdlib>

std::string pm_path(const char* absolute) {
    const char* root = std::getenv("PMDAEMON_ROOT");
    return std::string(root ? root : "") + absolute;
}
