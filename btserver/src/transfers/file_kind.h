// What a local path names, as file transfer sees it: a regular file, a folder, or
// anything else (nothing there, a link, a device). Links are not followed.
#pragma once

#include <glib/gstdio.h>

#include <string>

namespace btserver {

enum class FileKind { File, Folder, None };

inline FileKind kindOf(const std::string& path) {
    GStatBuf status;
    if (g_lstat(path.c_str(), &status) != 0)
        return FileKind::None;
    return S_ISDIR(status.st_mode)   ? FileKind::Folder
           : S_ISREG(status.st_mode) ? FileKind::File
                                     : FileKind::None;
}

}  // namespace btserver
