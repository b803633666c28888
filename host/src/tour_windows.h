// The manager's windows that the tour looks for and closes between its steps.
#pragma once

#include <QtGlobal>

class QDialog;
class QTreeWidget;
class QWidget;

// The list of shortcuts in the manager's window.
QTreeWidget* shortcutView(QWidget* window);
// The status window on screen; a closed one lingers until its deletion.
QDialog* shownStatus(QWidget* window);
// Closes the modal window and the status window that an earlier step left open.
void closeProfileWindows(QWidget* window);
// The local server of the class among the window's listed servers (0: none).
quint32 serverOfClass(QWidget* window, quint16 serviceClass);
