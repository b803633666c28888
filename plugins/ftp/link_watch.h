// Whether the connection of a shortcut is still up, asked of the service, and a watch that
// asks once a second off the user-interface thread and says when it is up no longer: the
// link dropped, or the service left the bus.
#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>

enum class ShortcutLink { Up, Down, ServiceGone };

// Blocks for one call to the service; ServiceGone when the service does not answer.
ShortcutLink shortcutLink(unsigned int shortcut);

class LinkWatch : public QObject {
    Q_OBJECT

public:
    explicit LinkWatch(QObject* parent = nullptr);
    ~LinkWatch() override;  // waits for a question still being asked

    void watch(unsigned int shortcut);
    // Answers still on their way are dropped.
    void stop();

Q_SIGNALS:
    void lost(ShortcutLink link);

private:
    void ask();
    void answered(quint64 round, ShortcutLink link);

    QThreadPool pool_;
    QTimer clock_;
    unsigned int shortcut_ = 0;
    quint64 round_ = 0;
    bool asking_ = false;
};
