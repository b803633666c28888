#include "local_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace localfiles {

namespace {

constexpr int kMaxNumbered = 50;
constexpr QDir::Filters kEverything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

// A dangling link exists for our purposes: it takes a name and can be removed.
bool present(const QFileInfo& info) { return info.exists() || info.isSymLink(); }

DeleteResult failed() {
    DeleteResult result;
    result.ok = false;
    return result;
}

}  // namespace

QFileInfoList listFolder(const QString& path, bool hideDotFiles) {
    QFileInfoList entries = QDir(path).entryInfoList(kEverything, QDir::DirsFirst | QDir::Name);
    if (hideDotFiles) {
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [](const QFileInfo& info) {
                                         return !info.isDir() && info.fileName().startsWith(QLatin1Char('.'));
                                     }),
                      entries.end());
    }
    return entries;
}

QString freeName(const QString& folder, const QString& base) {
    const QDir dir(folder);
    if (!present(QFileInfo(dir.filePath(base)))) return base;
    for (int i = 1; i <= kMaxNumbered; ++i) {
        const QString name = base + QString::number(i);
        if (!present(QFileInfo(dir.filePath(name)))) return name;
    }
    return QString();
}

DeleteResult deleteFile(const QString& folder, const QString& name) {
    const QFileInfo folderInfo(folder);
    const QFileInfo entry(QDir(folder).filePath(name));
    if (!folderInfo.isDir() || !present(entry)) return failed();
    const bool link = entry.isSymLink();
    if (!folderInfo.isWritable()) {
        DeleteResult result = failed();
        result.denied = true;
        result.folderEntry = entry.isDir() && !link;
        result.folder = folder;
        result.name = name;
        return result;
    }
    const bool removed = entry.isDir() && !link ? QDir(folder).rmdir(name) : QFile::remove(entry.filePath());
    return removed ? DeleteResult() : failed();
}

DeleteResult deleteDir(const QString& path) {
    const QFileInfo self(path);
    const QString parent = self.absolutePath();
    if (self.isSymLink()) return deleteFile(parent, self.fileName());
    const QFileInfoList entries = QDir(path).entryInfoList(kEverything);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) continue;
        const DeleteResult result = deleteFile(path, entry.fileName());
        if (!result.ok) return result;
    }
    for (const QFileInfo& entry : entries) {
        if (!entry.isDir() || entry.isSymLink()) continue;
        const DeleteResult result = deleteDir(entry.filePath());
        if (!result.ok) return result;
    }
    return deleteFile(parent, self.fileName());
}

}  // namespace localfiles
