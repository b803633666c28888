// Paths as the browser handles them, local and remote alike ("/"-separated), and the URLs
// that carry them in drags and requests.
#pragma once

#include <QString>
#include <QUrl>

// The path of an entry of a folder.
QString childPath(const QString& folder, const QString& name);
// The last component of a path, trailing "/" ignored ("b" for "/a/b/").
QString lastComponent(const QString& path);
// What comes before the last "/".
QString folderPart(const QString& path);

// The URL of a plain path, and the path a URL names (a local file's or the plain text).
QUrl pathUrl(const QString& path);
QString urlPath(const QUrl& url);
