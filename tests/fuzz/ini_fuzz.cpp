// libFuzzer target of the settings reader and writer: arbitrary file contents, section,
// key and value names. Besides the sanitizers it checks what must always hold: the text
// read is NUL-terminated within the buffer and as long as reported, and a refused write
// leaves the file byte for byte as it was.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "cvcommon/profile_ini.h"

namespace {

// The input is "section\0key\0value\0file content"; missing parts are empty.
std::string part(const uint8_t*& data, size_t& size) {
    const void* end = memchr(data, 0, size);
    size_t length = end ? static_cast<size_t>(static_cast<const uint8_t*>(end) - data) : size;
    std::string text(reinterpret_cast<const char*>(data), length);
    size_t used = end ? length + 1 : length;
    data += used;
    size -= used;
    return text;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

const std::string& filePath() {
    static const std::string path = "/tmp/cvini-fuzz-" + std::to_string(getpid()) + ".INI";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string section = part(data, size), key = part(data, size), value = part(data, size);
    std::string content(reinterpret_cast<const char*>(data), size);
    const std::string& path = filePath();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;

    for (int capacity : {1, 7, 64, 600}) {
        char out[600];
        memset(out, 'X', sizeof out);
        int length = GetPrivateProfileString(section.c_str(), key.c_str(), "default", out, capacity,
                                             path.c_str());
        if (length < 0 || length >= capacity || out[length] != '\0' ||
            strlen(out) != static_cast<size_t>(length))
            abort();
    }
    GetPrivateProfileInt(section.c_str(), key.c_str(), 0, path.c_str());

    if (WritePrivateProfileString(section.c_str(), key.c_str(), value.c_str(), path.c_str()) == 0) {
        if (readAll(path) != content) abort();
    } else if (readAll(path).size() > 8192) {
        abort();
    }
    return 0;
}
