// Line helpers of the settings writer.
#include <cstdlib>
#include <cstring>

#include "cvcommon/profile_ini.h"

char* ltrim(char* s) {
    if (!s) return nullptr;
    while (*s == ' ') ++s;
    return s;
}

char* getlname(char* line, int ch) {
    if (!line || line[0] == '#') return nullptr;
    char* end = strchr(line, ch);
    if (!end) return nullptr;
    char* start = ltrim(line);
    if (start > end) start = end;  // the separator itself is among the leading spaces
    return strndup(start, static_cast<size_t>(end - start));
}
