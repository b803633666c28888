// Loading and unloading the plug-ins, choosing the plug-in of a class, and the static
// operations that act on the live manager.
#include "cvcommon/profile_plug_mng.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/settings_paths.h"
#include "plugin_entry.h"

using cvcommon::entry;

ProfilePlugMng* ProfilePlugMng::s_pThis = nullptr;

namespace cvcommon {

bool shortcutClass(unsigned int shortcut, unsigned short* svcClass) {
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    if (Btsdk_GetShortCutProperty(&property) != BTSDK_OK) return false;
    *svcClass = property.service_class;
    return true;
}

bool serverClass(unsigned int server, unsigned short* svcClass) {
    BtsdkLocalServerAttr attr{};
    bool read = Btsdk_GetServerAttributes(server, &attr) == BTSDK_OK;
    *svcClass = read ? attr.service_class : 0;
    return read;
}

}  // namespace cvcommon

ProfilePlugMng::ProfilePlugMng(void* hostInvoke) : m_hostInvoke(hostInvoke) {
    InitPlugModule();
    s_pThis = this;
}

ProfilePlugMng::~ProfilePlugMng() {
    s_pThis = nullptr;
    CleanPlugModule();
}

// The libraries the "Profiles" section names, else every "libPx*.so*" of the working
// directory in name order without regard to case.
void ProfilePlugMng::InitPlugModule() {
    char dir[256] = {};
    CvCm_GetWorkingDir(dir, sizeof dir);
    char settings[260] = {};
    CvCm_GetCommonSettingFilePath(settings, sizeof settings);
    int number = GetPrivateProfileInt("Profiles", "number", 0, settings);
    int added = 0;
    for (int i = 1; i <= number; ++i) {
        char key[32];
        snprintf(key, sizeof key, "Profile%d", i);
        char name[256] = {};
        if (GetPrivateProfileString("Profiles", key, "", name, sizeof name, settings) == 0) continue;
        addPlugModule(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QString::fromLocal8Bit(name));
        ++added;
    }
    if (added > 0) return;
    QDir folder(QString::fromLocal8Bit(dir));
    const QFileInfoList found = folder.entryInfoList({QStringLiteral("libPx*.so*")}, QDir::Files,
                                                     QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : found) addPlugModule(file.absoluteFilePath());
}

// Added in every case, also when the library cannot be loaded: it then never answers.
void ProfilePlugMng::addPlugModule(const QString& path) {
    auto* plugin = new _ProfilePlugInfo;
    plugin->library = new QLibrary(path);
    if (auto init = entry<InitProfileFunc>(plugin, "InitProfile")) init(nullptr);
    if (auto setHost = entry<SetCvCommFuncFunc>(plugin, "setCvCommFunc"))
        setHost(reinterpret_cast<HostInvokeFunc>(m_hostInvoke));
    m_list.append(plugin);
}

// The libraries stay loaded: a plug-in's objects may outlive the manager.
void ProfilePlugMng::CleanPlugModule() {
    for (_ProfilePlugInfo* plugin : m_list) {
        if (auto uninit = entry<UninitProfileFunc>(plugin, "UninitProfile")) uninit();
        delete plugin->library;
        delete plugin;
    }
    m_list.clear();
}

_ProfilePlugInfo* ProfilePlugMng::pluginFor(unsigned short svcClass) const {
    for (_ProfilePlugInfo* plugin : m_list) {
        auto supports = entry<IsSupportedServiceClassFunc>(plugin, "IsSupportedServiceClass");
        if (supports && supports(svcClass)) return plugin;
    }
    return nullptr;
}

QList<QAction*> ProfilePlugMng::GetActionListByShortcut(unsigned short svcClass, unsigned int shortcut) {
    auto get = entry<GetActionListByShortcutFunc>(pluginFor(svcClass), "GetActionListByShortcut");
    return get ? get(shortcut) : QList<QAction*>();
}

QList<QAction*> ProfilePlugMng::GetActionListBySvcHandle(unsigned int, unsigned int) {
    return {};
}

QList<QAction*> ProfilePlugMng::GetActionListByShortcutHandle(unsigned int shortcut) {
    return s_pThis ? s_pThis->_GetActionListByShortcutHandle(shortcut) : QList<QAction*>();
}

QList<QAction*> ProfilePlugMng::GetRemoteActionListByShortcut(unsigned int shortcut) {
    return s_pThis ? s_pThis->_GetRemoteActionListByShortcut(shortcut) : QList<QAction*>();
}

QList<QAction*> ProfilePlugMng::GetLocalSvrActionList(unsigned int server) {
    return s_pThis ? s_pThis->_GetLocalSvrActionList(server) : QList<QAction*>();
}

void ProfilePlugMng::ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page) {
    if (s_pThis) s_pThis->_ShowSvrPropertyDlg(server, parent, page);
}

QList<unsigned short> ProfilePlugMng::GetSupportedProfileList() {
    return s_pThis ? s_pThis->_GetSupportedProfileList() : QList<unsigned short>();
}

void ProfilePlugMng::PerformPostDisc(unsigned short svcClass) {
    if (s_pThis) s_pThis->_PerformPostDisc(svcClass);
}

int ProfilePlugMng::getRelatedShortcutBySvcClass(unsigned int device, unsigned short svcClass,
                                                 unsigned int* shortcuts, unsigned int capacity) {
    return s_pThis ? s_pThis->_getRelatedShortcutBySvcClass(device, svcClass, shortcuts, capacity) : 0;
}

void ProfilePlugMng::performLocalSvrDefaultAction(unsigned int server) {
    if (s_pThis) s_pThis->_performLocalSvrDefaultAction(server);
}

void ProfilePlugMng::performDefaultActionByShortcut(unsigned int shortcut) {
    if (s_pThis) s_pThis->_performDefaultActionByShortcut(shortcut);
}

QString ProfilePlugMng::getProfileTipByShortcut(unsigned int shortcut, unsigned int server) {
    return s_pThis ? s_pThis->_getProfileTipByShortcut(shortcut, server) : QString();
}

bool ProfilePlugMng::isServerRelatedIncomingConnectionExist(unsigned int server) {
    return s_pThis && s_pThis->_isServerRelatedIncomingConnectionExist(server);
}

bool ProfilePlugMng::isShortcutRelatedConnectionExist(unsigned int shortcut) {
    return s_pThis && s_pThis->_isShortcutRelatedConnectionExist(shortcut);
}

void ProfilePlugMng::StartProfileServer() {
    if (s_pThis) s_pThis->_StartProfileServer();
}

void ProfilePlugMng::StopProfileServer() {
    if (s_pThis) s_pThis->_StopProfileServer();
}
