#include "temporary_dir.h"

#include <glib.h>

#include <cstdio>
#include <cstdlib>

namespace corvtest {

std::string makeTemporaryDir(const std::string& prefix) {
    std::string pattern = std::string(g_get_tmp_dir()) + "/" + prefix + "-XXXXXX";
    if (!g_mkdtemp(pattern.data())) {
        std::fprintf(stderr, "corvtest: cannot make a temporary folder %s\n", pattern.c_str());
        std::abort();
    }
    return pattern;
}

}  // namespace corvtest
