#include "skin_icons.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include "profilekit/skin_icon.h"

namespace {

// Skin picture kinds and states.
constexpr int kLocalDevice = 1, kRemoteDevice = 4, kPairMark = 5;
constexpr int kProfileNormal = 4, kProfileConnected = 6, kDeviceNormal = 0, kDeviceConnected = 8;

QPixmap skinPixmap(int kind, int key, int state, QSize size) {
    const QString path = SkinPicturePath(kind, key, state);
    if (path.isEmpty()) return {};
    // Read at the size shown, so that vector pictures are drawn sharp.
    QImageReader reader(path);
    QSize natural = reader.size();
    reader.setScaledSize(natural.isValid() ? natural.scaled(size, Qt::KeepAspectRatio) : size);
    return QPixmap::fromImage(reader.read());
}

QIcon withFallback(const QPixmap& picture, QStyle::StandardPixmap fallback) {
    if (!picture.isNull()) return QIcon(picture);
    return QApplication::style()->standardIcon(fallback);
}

}  // namespace

QIcon deviceIcon(quint32 deviceClass, bool connected, bool paired) {
    QPixmap picture = skinPixmap(kRemoteDevice, static_cast<int>(deviceClass),
                                 connected ? kDeviceConnected : kDeviceNormal, kDeviceIconSize);
    if (picture.isNull()) return withFallback(picture, QStyle::SP_ComputerIcon);
    if (paired) {
        QSize markSize = kDeviceIconSize * 0.4;
        QPixmap mark = skinPixmap(kPairMark, 0, 0, markSize);
        if (!mark.isNull()) {
            QPainter painter(&picture);
            painter.drawPixmap(picture.width() - mark.width(), picture.height() - mark.height(), mark);
        }
    }
    return QIcon(picture);
}

QIcon profileIcon(quint16 serviceClass, bool connected) {
    return withFallback(skinPixmap(skinpicture::kProfile, serviceClass, connected ? kProfileConnected : kProfileNormal,
                                   kProfileIconSize),
                        QStyle::SP_FileIcon);
}

QIcon localDeviceIcon() {
    return withFallback(skinPixmap(kLocalDevice, 0, 0, kDeviceIconSize), QStyle::SP_DriveNetIcon);
}
