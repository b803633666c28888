// The skin's pictures as icons: the skin names the files (CCvSkin::GetImgPath), these
// load them at the sizes the manager's lists show. A picture the skin lacks falls back
// to the style's own icon, so that no item is left blank.
#pragma once

#include <QIcon>
#include <QSize>
#include <QStyle>

constexpr QSize kDeviceIconSize(56, 56);
constexpr QSize kProfileIconSize(32, 32);

// A remote device by its class, the connected picture when it is connected, with the
// pairing mark in its lower right corner when it is paired.
QIcon deviceIcon(quint32 deviceClass, bool connected, bool paired);
// The picture of a service class, the connected one when connected.
QIcon profileIcon(quint16 serviceClass, bool connected);
// The local adapter.
QIcon localDeviceIcon();
// Any other skin picture at its own size: SkinIcon (profilekit/skin_icon.h).
