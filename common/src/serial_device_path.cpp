#include "cvcommon/serial_device_path.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {

std::vector<std::string> deviceFolders() {
    std::vector<std::string> folders;
    const char* chosen = std::getenv("CORVANE_DEVICE_DIR");
    if (chosen && *chosen) folders.emplace_back(chosen);
    folders.emplace_back("/dev");
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) folders.push_back(std::string(runtime) + "/corvane/dev");
    folders.push_back("/tmp/corvane-" + std::to_string(geteuid()) + "/dev");
    return folders;
}

}  // namespace

std::string CvCm_FindSerialDevice(int port) {
    const std::string name = "/ttyB" + std::to_string(port);
    for (const std::string& folder : deviceFolders()) {
        struct stat link;
        if (lstat((folder + name).c_str(), &link) == 0) return folder + name;
    }
    return {};
}
