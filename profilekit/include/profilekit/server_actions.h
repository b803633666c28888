// A local server's context menu and default action, as the file-transfer, object-push,
// serial-port and network plug-ins give them.
//
// ServerActionList: [idle action, separator, Enable/Disable, Status, separator,
// Properties]. By the server's status the entry that the default action performs is
// bold: stopped (2): Enable/Disable reads enableText, bold, the idle action normal;
// running (1): it reads disableText, normal, the idle action bold; any other status (or
// one that cannot be read) leaves texts and fonts as they were. The idle action is the
// plug-in's own (open the shared folder, the inbox); a null one is left out.
//
// PerformServerDefaultAction (a double click on the server): stopped (2): the server is
// started; running (1): the plug-in's idle action; in use (3): the server's status
// window, modal; any other status, or one that cannot be read: nothing.
#pragma once

#include <QList>
#include <QString>

#include <functional>

#include "profilekit_api.h"

class QAction;
class QWidget;

namespace serveraction {

constexpr int kBold = 75, kNormal = 50;  // font weights of the entries

}  // namespace serveraction

struct ServerActionSet {
    QAction* idle = nullptr;
    QAction* separator1 = nullptr;
    QAction* enable = nullptr;
    QAction* status = nullptr;
    QAction* separator2 = nullptr;
    QAction* properties = nullptr;
};

PROFILEKIT_EXPORT QList<QAction*> ServerActionList(unsigned int server, const ServerActionSet& actions,
                                                   const QString& enableText, const QString& disableText);

PROFILEKIT_EXPORT void PerformServerDefaultAction(unsigned int server, QWidget* parent,
                                                  const std::function<void()>& idleAction);
