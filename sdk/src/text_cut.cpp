#include "text_cut.h"

#include <cstring>

namespace corv {

namespace {

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// A UTF-8 character is at most 4 bytes: its first byte is at most 3 before any of its others.
constexpr int kMaxContinuation = 3;

}  // namespace

size_t fittingLength(const char* text, size_t length, size_t room) {
    if (length <= room) return length;
    // text[room] is the first byte left out: when it continues a character, that
    // character started inside the room and goes out with it.
    size_t cut = room;
    for (int back = 0; back < kMaxContinuation && cut > 0 && continuationByte(text[cut]); ++back)
        --cut;
    return continuationByte(text[cut]) ? room : cut;
}

void copyText(char* buffer, size_t size, const char* text) {
    if (size == 0) return;
    size_t length = fittingLength(text, std::strlen(text), size - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

void terminateField(char* field, size_t size) {
    if (size == 0) return;
    size_t length = strnlen(field, size);
    if (length == size) length = fittingLength(field, size, size - 1);
    std::memset(field + length, 0, size - length);
}

}  // namespace corv
