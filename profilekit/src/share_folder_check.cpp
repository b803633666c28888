#include "profilekit/share_folder_check.h"

#include <QByteArray>
#include <QDir>

#include <cstring>

namespace {

constexpr int kLastUserPosition = 6;

bool usable(const QByteArray& folder) {
    const QString path = QString::fromUtf8(folder);
    return QDir(path).exists() || QDir().mkpath(path);
}

}  // namespace

bool CheckShareFolder(char* folder, Qt::CaseSensitivity userCase) {
    if (!folder) return false;
    const QByteArray current(folder, static_cast<int>(strnlen(folder, kShareFolderSize - 1)));
    if (usable(current)) return false;
    if (!qEnvironmentVariableIsSet("USERNAME")) return false;
    // Lower-casing an ASCII word leaves every byte where it was.
    const QByteArray searched = userCase == Qt::CaseSensitive ? current : current.toLower();
    const int at = searched.indexOf("user");
    if (at < 0 || at > kLastUserPosition) return false;
    const QByteArray replaced = QByteArray(current).replace(at, 4, qgetenv("USERNAME"));
    // A folder that does not fit the buffer with its NUL is not taken.
    if (replaced.size() >= kShareFolderSize || !usable(replaced)) return false;
    std::memset(folder, 0, kShareFolderSize);
    std::memcpy(folder, replaced.constData(), static_cast<size_t>(replaced.size()));
    return true;
}
