#include "profilekit/server_actions.h"

#include <QAction>

#include "corvclient/btsdk.h"
#include "profilekit/modal_dialog.h"
#include "profilekit/profile_status_class.h"

namespace {

void setWeight(QAction* action, int weight) {
    if (!action) return;
    QFont font = action->font();
    font.setWeight(weight);
    action->setFont(font);
}

}  // namespace

QList<QAction*> ServerActionList(unsigned int server, const ServerActionSet& actions, const QString& enableText,
                                 const QString& disableText) {
    BTUINT16 status = 0;
    Btsdk_GetServerStatus(server, &status);
    if (status == BTSDK_SERVER_STOPPED) {
        setWeight(actions.enable, serveraction::kBold);
        actions.enable->setText(enableText);
        setWeight(actions.idle, serveraction::kNormal);
    } else if (status == BTSDK_SERVER_RUNNING) {
        setWeight(actions.enable, serveraction::kNormal);
        actions.enable->setText(disableText);
        setWeight(actions.idle, serveraction::kBold);
    }
    QList<QAction*> list;
    for (QAction* action : {actions.idle, actions.separator1, actions.enable, actions.status, actions.separator2,
                            actions.properties})
        if (action) list << action;
    return list;
}

void PerformServerDefaultAction(unsigned int server, QWidget* parent, const std::function<void()>& idleAction) {
    BTUINT16 status = 0;
    if (Btsdk_GetServerStatus(server, &status) != BTSDK_OK) return;
    if (status == BTSDK_SERVER_STOPPED) {
        Btsdk_StartServer(server);
    } else if (status == BTSDK_SERVER_RUNNING) {
        idleAction();
    } else if (status == BTSDK_SERVER_IN_USE) {
        ModalDialog<ProfileStatusClass> dialog(server, parent);
        dialog.exec();
    }
}
