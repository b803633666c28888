// What the browser does to the local file system: list a folder, find a free name for a
// new entry, and delete files and folders without ever following a symbolic link out of
// the folder being deleted.
#pragma once

#include <QFileInfoList>
#include <QString>

namespace localfiles {

// Folders first, then by name with case; hidden entries included, "." and ".." never.
// hideDotFiles drops the files (not the folders) whose names begin with ".".
QFileInfoList listFolder(const QString& path, bool hideDotFiles);

// The first of `base`, `base`1 … `base`50 that names nothing in the folder; empty when
// all are taken.
QString freeName(const QString& folder, const QString& base);

// The outcome of a delete; on a refusal for want of permission, the entry that was refused.
struct DeleteResult {
    bool ok = true;
    bool denied = false;
    bool folderEntry = false;
    QString folder, name;
};

// Removes a file, a symbolic link (never what it points to) or an empty folder. Refused
// when the entry or its folder is missing, or the folder is not writable (denied).
DeleteResult deleteFile(const QString& folder, const QString& name);
// Removes a folder with everything in it, stopping at the first failure. A symbolic link
// met on the way, or given as `path`, is removed as a link.
DeleteResult deleteDir(const QString& path);

}  // namespace localfiles
