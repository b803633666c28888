// The settings writer: replaces the value of an existing key and puts the new content in
// the old file's place in one step.
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "cvcommon/profile_ini.h"

namespace {

constexpr int kWriterLine = 1024;       // 1023 characters and the NUL
constexpr size_t kMaxContent = 8192;    // the largest file the writer produces

struct FileCloser {
    void operator()(FILE* file) const { fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

// A header for the writer ends in "]\n"; the name is what lies between the brackets.
bool headerName(const char* line, std::string& name) {
    size_t n = strlen(line);
    if (n < 3 || line[0] != '[' || line[n - 1] != '\n' || line[n - 2] != ']') return false;
    name.assign(line + 1, n - 3);
    return true;
}

bool sameKey(char* line, const char* key) {
    char* name = getlname(line, '=');
    bool same = name && strcasecmp(name, key) == 0;
    free(name);
    return same;
}

// The file's content with the key's line replaced; false when the key is not found or the
// result would be too large.
bool rewritten(FILE* file, const char* section, const char* key, const char* value,
               std::string& content) {
    char line[kWriterLine];
    bool inSection = false, replaced = false;
    while (fgets(line, sizeof line, file)) {
        std::string name;
        if (replaced) {
            content += line;
        } else if (headerName(line, name)) {
            content += "[" + name + "]\n";
            inSection = strcasecmp(name.c_str(), section) == 0;
        } else if (inSection && sameKey(line, key)) {
            content += std::string(key) + "=" + value + "\n";
            replaced = true;
        } else {
            content += line;
        }
        if (content.size() > kMaxContent) return false;
    }
    return replaced;
}

bool writeAll(int fd, const std::string& content) {
    size_t done = 0;
    while (done < content.size()) {
        ssize_t n = write(fd, content.data() + done, content.size() - done);
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return fsync(fd) == 0;
}

// Writes the content beside the file and renames it over the file, keeping its mode.
bool replaceFile(const char* path, const std::string& content) {
    char* real = realpath(path, nullptr);  // a link keeps pointing at the settings file
    if (!real) return false;
    std::string target = real;
    free(real);
    struct stat info {};
    if (stat(target.c_str(), &info) != 0 || access(target.c_str(), W_OK) != 0) return false;
    std::string temporary = target + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    bool written = writeAll(fd, content) && fchmod(fd, info.st_mode & 07777) == 0;
    written = close(fd) == 0 && written;
    if (!written || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool hasLineBreak(const char* text) {
    return strpbrk(text, "\r\n") != nullptr;
}

}  // namespace

int WritePrivateProfileString(const char* section, const char* key, const char* value,
                              const char* path) {
    if (!section || !key || !value || !path) return 0;
    // A line break would add lines of its own to the file.
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value)) return 0;
    File file(fopen(path, "r"));
    if (!file) return 0;
    std::string content;
    if (!rewritten(file.get(), section, key, value, content)) return 0;
    file.reset();
    return replaceFile(path, content) ? 1 : 0;
}

int WritePrivateProfileInt(const char* section, const char* key, int value, const char* path) {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    return WritePrivateProfileString(section, key, text, path);
}
