// The settings reader: a line scanner over the file, opened anew for every value.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "cvcommon/profile_ini.h"

namespace {

constexpr int kReaderLine = 512;  // 511 characters and the NUL

// Whether the line is a section header: "[name]" before its LF or CR LF. The name is cut
// at the closing bracket in place.
bool headerName(char* line, char** name) {
    size_t n = strlen(line);
    if (n > 1 && line[n - 2] == '\r' && line[n - 1] == '\n') --n;
    if (n <= 2 || line[0] != '[' || line[n - 2] != ']') return false;
    line[n - 2] = '\0';
    *name = line + 1;
    return true;
}

// The entry's value when its key is `key`; null when it is another key or has no value.
char* valueOf(char* line, const char* key) {
    char* rest = nullptr;
    char* token = strtok_r(line, "\r\t=\n", &rest);
    if (!token || strcasecmp(token, key) != 0) return nullptr;
    return strtok_r(nullptr, "\r\t\n", &rest);
}

int copyOut(const char* text, char* out, int size) {
    if (!out || size <= 0) return 0;
    strncpy(out, text ? text : "", static_cast<size_t>(size));
    out[size - 1] = '\0';
    return static_cast<int>(strlen(out));
}

// The value of the key in any occurrence of the section, copied out; -1 when none.
int findValue(FILE* file, const char* section, const char* key, char* out, int size) {
    char line[kReaderLine];
    bool inSection = false;
    while (fgets(line, sizeof line, file)) {
        char* name = nullptr;
        if (headerName(line, &name)) {
            inSection = strcasecmp(name, section) == 0;
            continue;
        }
        if (!inSection) continue;
        if (const char* value = valueOf(line, key)) return copyOut(value, out, size);
    }
    return -1;
}

}  // namespace

int GetPrivateProfileString(const char* section, const char* key, const char* def, char* out,
                            int size, const char* path) {
    FILE* file = path ? fopen(path, "r") : nullptr;
    if (!file) {
        if (!path) errno = EINVAL;
        perror("open file");
        return copyOut(def, out, size);
    }
    int length = section && key ? findValue(file, section, key, out, size) : -1;
    fclose(file);
    return length >= 0 ? length : copyOut(def, out, size);
}

int GetPrivateProfileInt(const char* section, const char* key, int def, const char* path) {
    char text[16] = {};
    if (GetPrivateProfileString(section, key, "", text, sizeof text, path) == 0) return def;
    char* end = nullptr;
    long value = strtol(text, &end, 0);
    return *end == '\0' ? static_cast<int>(value) : def;
}
