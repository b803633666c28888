#include "transfers/free_names.h"

#include <glib/gstdio.h>

#include "transfers/transfer_sessions.h"

namespace btserver {

namespace {

bool taken(const TransferSessions& sessions, const std::string& path) {
    GStatBuf status;
    return g_lstat(path.c_str(), &status) == 0 || sessions.writing(path);
}

}  // namespace

std::string freePath(const TransferSessions& sessions, const std::string& folder,
                     const std::string& name) {
    std::string path = folder + "/" + name;
    // The extension starts at the last dot, unless that dot starts the name (".profile").
    size_t dot = name.rfind('.');
    if (dot == 0 || dot == std::string::npos)
        dot = name.size();
    for (unsigned number = 1; taken(sessions, path); ++number)
        path = folder + "/" + name.substr(0, dot) + " (" + std::to_string(number) + ")" +
               name.substr(dot);
    return path;
}

}  // namespace btserver
