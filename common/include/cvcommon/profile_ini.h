// The suite's INI settings files: a reader that every plug-in uses on the common
// settings file, and a writer that only replaces the values of keys that exist.
//
// Files are 8-bit text with LF line ends ("[section]" headers, "key=value" entries).
// Sections and keys compare without regard to ASCII case, and a section may occur more
// than once: every occurrence is searched in file order.
// - The reader also accepts CR LF lines, reads lines of at most 511 characters, takes a
//   TAB, "=" or CR as the end of a key and a TAB or CR as the end of a value, and skips
//   entries with an empty value (a later one of the same key may follow).
// - The writer reads lines of at most 1023 characters, recognises only headers ended by
//   LF, treats lines starting with "#" as comments, and replaces the first line of the
//   key (its key text up to "=", trailing spaces kept) in a matching section by
//   "key=value" as the caller wrote them. It never creates the file, a section or a key;
//   the new content may be at most 8192 bytes. The new file replaces the old one whole
//   (written beside it, then renamed), so a failed write leaves the old file as it was.
#pragma once

#include "cvcommon_api.h"

// Copies the value, or `def` when there is none, into `out` and returns its length. The
// text in `out` is always NUL-terminated: a value of `size` characters or more is cut to
// size - 1; the rest of the buffer is filled with NUL. Nothing is written when `size` is
// not positive. A file that cannot be opened is reported on standard error.
CVCOMMON_API int GetPrivateProfileString(const char* section, const char* key, const char* def,
                                         char* out, int size, const char* path);

// The value as a number in decimal, 0x hexadecimal or leading-0 octal; `def` when the
// value is missing, empty, or has anything after the number (a trailing space included).
CVCOMMON_API int GetPrivateProfileInt(const char* section, const char* key, int def,
                                      const char* path);

// 1 when the key's value was replaced, 0 when the file, section or key is missing, the
// new content would pass 8192 bytes, a key or value holds a line break, or the file
// could not be written (it is then left as it was).
CVCOMMON_API int WritePrivateProfileString(const char* section, const char* key,
                                           const char* value, const char* path);
CVCOMMON_API int WritePrivateProfileInt(const char* section, const char* key, int value,
                                        const char* path);

// The text after its leading spaces.
CVCOMMON_API char* ltrim(char* s);
// The writer's key of a line: the text from its first non-space character to the first
// `ch`, trailing spaces kept; null for a comment ("#") or a line without `ch`. The caller
// frees the result with free().
CVCOMMON_API char* getlname(char* line, int ch);
