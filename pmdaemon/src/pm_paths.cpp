#include "pm_paths.h"

namespace {

std::string s_root;

}  // namespace

std::string pm_path(const char* absolute) {
    return s_root + absolute;
}

void set_pm_root(const std::string& root) {
    s_root = root;
}
