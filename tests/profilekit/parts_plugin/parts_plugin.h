// The parts test plug-in: a plug-in object built from the shared parts, as a profile
// plug-in is, for the tests of those parts.
#pragma once

#include <QList>
#include <QObject>

#include "profilekit/connect_progress.h"
#include "profilekit/profile_handles.h"

class WorkingThread;
class QAction;
class QWidget;

class PartsPlugin : public QObject, public ProfileHandles {
    Q_OBJECT

public:
    explicit PartsPlugin(QWidget* parent);
    ~PartsPlugin() override;

    static PartsPlugin* s_pThis;

    WorkingThread* worker() const { return m_worker; }
    ConnectProgress* connector() { return &m_connect; }
    // The default action of a shortcut: connect it behind the progress window once
    // mayConnect() agrees.
    void connectShortcut(unsigned int shortcut);
    void showServerProperties(unsigned int server, QWidget* parent, int page);
    // The server's menu: [open, separator, Enable/Disable, Status, separator, Properties].
    QList<QAction*> serverActions(unsigned int server);

private:
    QWidget* m_pParent;
    WorkingThread* m_worker;
    ConnectProgress m_connect;
    QAction* m_actOpen;
    QAction* m_actSvrEnable;
};
