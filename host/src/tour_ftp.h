// The file-transfer plug-in's part of the tour: its browser on the phone in list and
// details views, a folder download with its progress window, and the local file-transfer
// server's properties, both pages. The manager does not link the plug-in's classes: its
// widgets are found by their object names and its slots called by name.
#pragma once

#include <QList>
#include <QtGlobal>

#include "tour_step.h"

class QWidget;

// The service class of file transfer: the phone's service that the tour makes a shortcut
// to, and the local server whose properties it shows.
constexpr quint16 kFileTransferClass = 0x1106;

// The plug-in's browser windows, shown or not.
QList<QWidget*> browserWindows();
// The browser window on screen (null: none).
QWidget* shownBrowser();

// The steps, which open the browser through the first shortcut of the manager's window,
// the one to the phone's file transfer service.
QList<TourStep> ftpTourSteps(QWidget* window);
