#include "state_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/select.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "pm_log.h"

namespace {

bool starts_with(const char* text, size_t length, const char* word) {
    size_t size = std::strlen(word);
    return length >= size && std::memcmp(text, word, size) == 0;
}

bool readable_now(int fd) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd, &set);
    timeval none{0, 0};
    return select(fd + 1, &set, nullptr, nullptr, &none) > 0;
}

}  // namespace

int read_pm_text(const char* path, char text[kPmFileMaxBytes + 1]) {
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        pm_error("open power management state file: %s fail! error:%s.\n", path,
                 std::strerror(errno));
        return -1;
    }
    ssize_t got = -1;
    if (readable_now(fd))
        got = read(fd, text, kPmFileMaxBytes);
    else
        pm_error("select read file descriptor fail!error:%s.\n", std::strerror(errno));
    close(fd);
    text[got > 0 ? got : 0] = '\0';
    return got < 0 ? -1 : static_cast<int>(got);
}

int classify_pm_text(const char* text, size_t length) {
    static const char* const kWords[] = {"suspend", "hibernate", "resume", "thaw"};
    for (int state = PM_STATE_SUSPEND; state <= PM_STATE_THAW; ++state)
        if (starts_with(text, length, kWords[state]))
            return state;
    if (length > 0 && text[0] == '1')
        return PM_STATE_ONE;
    if (length > 0 && text[0] == '0')
        return PM_STATE_ZERO;
    return PM_STATE_INVALID;
}

bool is_state_text(const char* text, size_t length) {
    bool printable = false;
    for (size_t i = 0; i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c > 0x20 && c < 0x7F)
            printable = true;
        else if (c != ' ' && c != '\n' && c != '\r' && c != '\t')
            return false;
    }
    return printable;
}

int read_pm_file(const char* path) {
    char text[kPmFileMaxBytes + 1];
    int length = read_pm_text(path, text);
    return length < 0 ? PM_STATE_INVALID : classify_pm_text(text, static_cast<size_t>(length));
}

int find_state_file(const char* folder, const char* name, char** path) {
    struct stat info;
    if (stat(folder, &info) != 0 || !S_ISDIR(info.st_mode))
        return -1;
    DIR* dir = opendir(folder);
    if (!dir)
        return -1;
    std::string entry;
    while (dirent* item = readdir(dir)) {
        if (!std::strchr(item->d_name, '.')) {
            entry = item->d_name;
            break;
        }
    }
    closedir(dir);
    if (entry.empty())
        return -1;
    std::string full = folder;
    if (full.empty() || full.back() != '/')
        full += '/';
    full += entry + "/" + name;
    *path = strdup(full.c_str());
    return *path ? 0 : -1;
}
