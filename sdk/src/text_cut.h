// Texts copied into buffers and record fields of a fixed size: cut to fit, never in the
// middle of a UTF-8 character, so that a cut name still reads as whole characters.
#pragma once

#include <cstddef>

namespace corv {

// How many of the text's `length` bytes fit in `room`: all of them, or as many as fit
// without splitting a character (bytes that are not UTF-8 are cut where they must).
size_t fittingLength(const char* text, size_t length, size_t room);

// Copies the text with its NUL into a buffer of `size` bytes, cut as above to leave room
// for the NUL; writes nothing at all when size is 0.
void copyText(char* buffer, size_t size, const char* text);

// Makes a field of `size` bytes hold a NUL-terminated text: a field without a NUL is cut,
// as above, to leave room for one. The bytes after the NUL are zeroed.
void terminateField(char* field, size_t size);

}  // namespace corv
