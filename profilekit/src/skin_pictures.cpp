#include "skin_pictures.h"

#include <QApplication>
#include <QFileInfo>

#include "cvcommon/cv_skin.h"

namespace profilekit {

namespace {

constexpr int kKindProfile = 2, kKindIcon = 11;
constexpr int kProfileNormal = 4;

// The picture file of a request, or an empty icon when the skin names no existing file.
QIcon skinFile(int kind, int key, int state) {
    const QString path = CCvSkin::GetImgPath(kind, key, state);
    return QFileInfo(path).isFile() ? QIcon(path) : QIcon();
}

}  // namespace

QIcon skinIcon(int number, QStyle::StandardPixmap fallback) {
    const QIcon icon = skinFile(kKindIcon, number, 0);
    return icon.isNull() ? QApplication::style()->standardIcon(fallback) : icon;
}

QPixmap profilePicture(quint16 serviceClass, const QSize& size) {
    return skinFile(kKindProfile, serviceClass, kProfileNormal).pixmap(size);
}

}  // namespace profilekit
