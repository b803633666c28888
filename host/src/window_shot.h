// A picture of a window as a person sees it: the window with its open menus, dialogs and
// notices drawn over it where they stand.
#pragma once

#include <QPixmap>

class QWidget;

QPixmap windowShot(QWidget* window);
