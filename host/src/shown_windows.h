// The manager's top-level windows on screen, found by object name or by class (a closed
// window lingers until its deletion, so only the visible ones count).
#pragma once

#include <QList>

class QString;
class QWidget;

QList<QWidget*> shownWindows(const QString& objectName);
QWidget* shownWindow(const QString& objectName);
QWidget* shownWindowOf(const char* className);
