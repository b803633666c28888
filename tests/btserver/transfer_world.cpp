#include "transfer_world.h"

#include <fstream>
#include <sstream>

namespace bttest {

std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<uint32_t> completions(SignalRecorder& recorder, size_t count) {
    EXPECT_TRUE(recorder.waitForCount(count));
    std::vector<uint32_t> results;
    for (GVariant* args : recorder.take()) {
        uint32_t result = 0;
        g_variant_get(args, "(u)", &result);
        results.push_back(result);
        g_variant_unref(args);
    }
    return results;
}

}  // namespace bttest
