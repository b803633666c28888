// SkinIcon: a picture of the active skin as an icon, for the host, the shared dialogs and
// the plug-ins alike. The skin names the file (CCvSkin::GetImgPath); when it names none
// that exists, the style's fallback icon stands in, so that no button or window is left
// without one.
#pragma once

#include <QIcon>
#include <QStyle>

#include "profilekit_api.h"

namespace skinpicture {

// Picture kinds of CCvSkin::GetImgPath.
constexpr int kProfile = 2, kIcon = 11;
// Icon numbers of kind kIcon (the skin's "icons" section).
constexpr int kBluetooth = 100, kFolder = 105, kUpperFolder = 109, kFile = 110;
constexpr int kHddDevice = 118, kUsbDevice = 119;

}  // namespace skinpicture

// The file the skin names for a picture, or an empty path when it names no existing file.
PROFILEKIT_EXPORT QString SkinPicturePath(int kind, int key, int state);
PROFILEKIT_EXPORT QIcon SkinIcon(int kind, int key, int state, QStyle::StandardPixmap fallback);

// Icon number `number` of the skin.
inline QIcon SkinIcon(int number, QStyle::StandardPixmap fallback) {
    return SkinIcon(skinpicture::kIcon, number, 0, fallback);
}
