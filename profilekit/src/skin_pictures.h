// Pictures of the active skin for the dialogs, with a style icon where the skin has none.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStyle>

namespace profilekit {

// Skin icon numbers (the skin's "icons" section).
constexpr int kIconFolder = 105, kIconUpperFolder = 109, kIconFile = 110;
constexpr int kIconHddDevice = 118, kIconUsbDevice = 119;

// The skin's icon number `number`, else the style's `fallback`.
QIcon skinIcon(int number, QStyle::StandardPixmap fallback);
// The profile picture of a service class in its ordinary state, drawn at `size`; null
// when the skin has none.
QPixmap profilePicture(quint16 serviceClass, const QSize& size);

}  // namespace profilekit
