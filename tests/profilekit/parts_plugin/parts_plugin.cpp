#include "parts_plugin.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>

#include "cvcommon/profile_plugin.h"
#include "parts_hooks.h"
#include "parts_working_thread.h"
#include "profilekit/entry_guard.h"
#include "profilekit/modal_dialog.h"
#include "profilekit/server_actions.h"
#include "profilekit/server_general_page.h"
#include "profilekit/server_switch.h"

PartsPlugin* PartsPlugin::s_pThis = nullptr;

PartsPlugin::PartsPlugin(QWidget* parent)
    : m_pParent(parent),
      m_worker(new WorkingThread(this)),
      m_connect(parent),
      m_actOpen(new QAction(QStringLiteral("&Open"), this)),
      m_actSvrEnable(new QAction(QStringLiteral("&Disable"), this)) {}

PartsPlugin::~PartsPlugin() = default;

void PartsPlugin::connectShortcut(unsigned int shortcut) {
    SetShortcutHanlde(shortcut);
    if (!m_connect.mayConnect(shortcut)) return;
    ConnectProgress::Request request;
    request.label = ConnectProgress::connectingTo(QStringLiteral("#%1").arg(shortcut));
    request.opType = kOpConnectShortcut;
    request.wparam = shortcut;
    m_connect.start(std::make_unique<WorkingThread>(), request);
}

QList<QAction*> PartsPlugin::serverActions(unsigned int server) {
    SetSvrHandle(server);
    return ServerActionList(server, {m_actOpen, nullptr, m_actSvrEnable, nullptr, nullptr, nullptr},
                            QStringLiteral("&Enable"), QStringLiteral("&Disable"));
}

// A property dialog of the plug-in's servers: the shared General page and OK.
void PartsPlugin::showServerProperties(unsigned int server, QWidget* parent, int page) {
    SetSvrHandle(server);
    ModalDialog<QDialog> holder(parent);
    QDialog& dialog = *holder.get();
    auto* general = new ServerGeneralPage(server);
    auto* tabs = new QTabWidget;
    tabs->addTab(general, general->windowTitle());
    tabs->setCurrentIndex(page);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        general->applySecurity();
        dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.setWindowTitle(general->displayName());
    holder.exec();
}

CV_PLUGIN_EXPORT void InitProfile(QWidget* parent) {
    if (!PartsPlugin::s_pThis) PartsPlugin::s_pThis = new PartsPlugin(parent);
}

CV_PLUGIN_EXPORT void UninitProfile() {
    delete PartsPlugin::s_pThis;
    PartsPlugin::s_pThis = nullptr;
}

CV_PLUGIN_EXPORT unsigned short GetPlugProfileCls() {
    return guarded(PartsPlugin::s_pThis, [] { return static_cast<unsigned short>(0x1106); },
                   static_cast<unsigned short>(0));
}

CV_PLUGIN_EXPORT bool IsSupportedServiceClass(unsigned short svcClass) {
    return guarded(PartsPlugin::s_pThis, [&] { return svcClass == 0x1106; }, false);
}

CV_PLUGIN_EXPORT QString getProfileTipByShortcut(unsigned int shortcut, unsigned int server) {
    return guarded(
        PartsPlugin::s_pThis,
        [&] {
            if (shortcut) PartsPlugin::s_pThis->SetShortcutHanlde(shortcut);
            return shortcut ? QStringLiteral("Double-click to connect.\n") : QString::number(server);
        },
        QString());
}

CV_PLUGIN_EXPORT void performDefaultActionByShortcut(unsigned int shortcut) {
    guarded(PartsPlugin::s_pThis, [&] { PartsPlugin::s_pThis->connectShortcut(shortcut); });
}

CV_PLUGIN_EXPORT void performLocalSvrDefaultAction(unsigned int server) {
    guarded(PartsPlugin::s_pThis, [&] {
        PartsPlugin::s_pThis->SetSvrHandle(server);
        SwitchProfileServer(server, "FTPSERVER");
    });
}

CV_PLUGIN_EXPORT QList<QAction*> GetLocalSvrActionList(unsigned int server) {
    return guarded(PartsPlugin::s_pThis, [&] { return PartsPlugin::s_pThis->serverActions(server); },
                   QList<QAction*>());
}

CV_PLUGIN_EXPORT void ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page) {
    guarded(PartsPlugin::s_pThis, [&] { PartsPlugin::s_pThis->showServerProperties(server, parent, page); });
}

CV_PLUGIN_EXPORT ProfileHandles* PartsTestHandles() {
    return guarded(PartsPlugin::s_pThis, [] { return static_cast<ProfileHandles*>(PartsPlugin::s_pThis); },
                   static_cast<ProfileHandles*>(nullptr));
}

CV_PLUGIN_EXPORT ProfileWorker* PartsTestWorker() {
    return guarded(PartsPlugin::s_pThis, [] { return static_cast<ProfileWorker*>(PartsPlugin::s_pThis->worker()); },
                   static_cast<ProfileWorker*>(nullptr));
}

CV_PLUGIN_EXPORT ConnectProgress* PartsTestConnect() {
    return guarded(PartsPlugin::s_pThis, [] { return PartsPlugin::s_pThis->connector(); },
                   static_cast<ConnectProgress*>(nullptr));
}
