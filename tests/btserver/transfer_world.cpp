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

std::ostream& operator<<(std::ostream& out, const Status& s) {
    return out << "(" << s.first << ", " << s.last << ", " << s.name << ", " << s.size << ", "
               << s.chunk << ")";
}

std::vector<Status> statusOf(SignalRecorder& recorder) {
    std::vector<Status> reports;
    for (GVariant* args : recorder.take()) {
        Status s{};
        const char* name = nullptr;
        g_variant_get(args, "(uu&suu)", &s.first, &s.last, &name, &s.size, &s.chunk);
        s.name = name;
        reports.push_back(s);
        g_variant_unref(args);
    }
    return reports;
}

std::vector<std::vector<uint8_t>> recordsOf(SignalRecorder& recorder) {
    std::vector<std::vector<uint8_t>> records;
    for (GVariant* args : recorder.take()) {
        GVariant* array = g_variant_get_child_value(args, 0);
        gsize size = 0;
        auto* data = static_cast<const uint8_t*>(g_variant_get_fixed_array(array, &size, 1));
        records.emplace_back(data, data + size);
        g_variant_unref(array);
        g_variant_unref(args);
    }
    return records;
}

}  // namespace bttest
