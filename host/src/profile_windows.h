// The shared profile windows that the manager opens from its own menus: the status window
// of a local server or of a shortcut, at most one per item (asking again raises it; it is
// deleted when closed), and the modal properties window of a shortcut.
#pragma once

#include <QHash>
#include <QObject>
#include <QPair>
#include <QPointer>

class ProfileStatusClass;
class QAction;
class QWidget;

class ProfileWindows : public QObject {
    Q_OBJECT
public:
    // The windows open over `window`, which owns them.
    explicit ProfileWindows(QWidget* window);

    void showServerStatus(quint32 server);
    void showShortcutStatus(quint32 shortcut);
    // Runs the shortcut's properties window until it is closed, then deletes it.
    void showShortcutProperties(quint32 shortcut);

    // Menu actions that open the windows of the item; the caller takes them over.
    QAction* serverStatusAction(quint32 server);
    QAction* shortcutStatusAction(quint32 shortcut);
    QAction* shortcutPropertiesAction(quint32 shortcut);

private:
    enum class Kind { Server, Shortcut };
    using Key = QPair<int, quint32>;
    // Shows and raises the item's status window, made first when none is open.
    void showStatus(Kind kind, quint32 handle);
    QAction* statusAction(Kind kind, quint32 handle);

    QWidget* window_;
    QHash<Key, QPointer<ProfileStatusClass>> status_;
};
