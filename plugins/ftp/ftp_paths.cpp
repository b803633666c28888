#include "ftp_paths.h"

QString childPath(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString lastComponent(const QString& path) {
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('/'))) trimmed.chop(1);
    return trimmed.mid(trimmed.lastIndexOf(QLatin1Char('/')) + 1);
}

QString folderPart(const QString& path) { return path.left(path.lastIndexOf(QLatin1Char('/'))); }

QUrl pathUrl(const QString& path) {
    QUrl url;
    url.setPath(path, QUrl::DecodedMode);
    return url;
}

QString urlPath(const QUrl& url) { return url.isLocalFile() ? url.toLocalFile() : url.path(QUrl::FullyDecoded); }
