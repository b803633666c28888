// The profile picture of the active skin for the dialogs.
#pragma once

#include <QPixmap>
#include <QSize>

namespace profilekit {

// The profile picture of a service class in its ordinary state, drawn at `size`; null
// when the skin has none.
QPixmap profilePicture(quint16 serviceClass, const QSize& size);

}  // namespace profilekit
