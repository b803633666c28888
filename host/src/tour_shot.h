// The tour's pictures, and its end, which closes what it opened before the application quits.
#pragma once

#include <QPixmap>

class QWidget;

// The picture of a step: the file-transfer browser while one is open, else the manager's
// window, with the dialogs that stand over it and the menus and tool-tips that are up.
// Off screen no window has a frame, so each dialog gets a drawn title bar, which names
// the file being copied in the transfer window.
QPixmap tourShot(QWidget* window);

// Closes the modal windows still open, lets their loops return, takes the browser windows
// down (the plug-in's code must not outlive its library, which the manager unloads as it
// ends) and quits with the status, or with 1 rather than 0 when windows stay open too long.
void endTour(QWidget* window, int status);
