#include "skin_pictures.h"

#include <QApplication>
#include <QFileInfo>

#include "cvcommon/cv_skin.h"
#include "profilekit/skin_icon.h"

namespace {

constexpr int kProfileNormal = 4;

}  // namespace

QString SkinPicturePath(int kind, int key, int state) {
    const QString path = CCvSkin::GetImgPath(kind, key, state);
    return QFileInfo(path).isFile() ? path : QString();
}

QIcon SkinIcon(int kind, int key, int state, QStyle::StandardPixmap fallback) {
    const QString path = SkinPicturePath(kind, key, state);
    return path.isEmpty() ? QApplication::style()->standardIcon(fallback) : QIcon(path);
}

namespace profilekit {

QPixmap profilePicture(quint16 serviceClass, const QSize& size) {
    const QString path = SkinPicturePath(skinpicture::kProfile, serviceClass, kProfileNormal);
    return path.isEmpty() ? QPixmap() : QIcon(path).pixmap(size);
}

}  // namespace profilekit
