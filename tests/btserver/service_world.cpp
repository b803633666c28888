#include "service_world.h"

#include <cstring>

namespace bttest {

uint16_t word16(const Bytes& record, size_t offset) {
    return static_cast<uint16_t>(record.at(offset) | record.at(offset + 1) << 8);
}

uint32_t word32(const Bytes& record, size_t offset) {
    return word16(record, offset) | uint32_t{word16(record, offset + 2)} << 16;
}

std::vector<uint32_t> handleList(const Bytes& words) {
    std::vector<uint32_t> handles;
    for (size_t i = 0; i + 4 <= words.size(); i += 4) handles.push_back(word32(words, i));
    return handles;
}

std::string textAt(const Bytes& record, size_t offset, size_t size) {
    record.at(offset + size - 1);  // throws when the record is too short
    const char* text = reinterpret_cast<const char*>(record.data() + offset);
    return std::string(text, strnlen(text, size));
}

}  // namespace bttest
