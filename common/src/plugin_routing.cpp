// The manager's requests: each finds the service class, chooses the plug-in for it and
// calls the entry point of the same name, or gives the empty value.
#include "cvcommon/profile_plug_mng.h"
#include "plugin_entry.h"

using cvcommon::entry;
using cvcommon::serverClass;
using cvcommon::shortcutClass;

QList<QAction*> ProfilePlugMng::_GetActionListByShortcutHandle(unsigned int shortcut) {
    unsigned short svcClass = 0;
    return shortcutClass(shortcut, &svcClass) ? GetActionListByShortcut(svcClass, shortcut)
                                              : QList<QAction*>();
}

QList<QAction*> ProfilePlugMng::_GetRemoteActionListByShortcut(unsigned int shortcut) {
    unsigned short svcClass = 0;
    if (!shortcutClass(shortcut, &svcClass)) return {};
    auto get = entry<GetRemoteActionListByShortcutFunc>(pluginFor(svcClass),
                                                        "GetRemoteActionListByShortcut");
    return get ? get(shortcut) : QList<QAction*>();
}

QList<QAction*> ProfilePlugMng::_GetLocalSvrActionList(unsigned int server) {
    unsigned short svcClass = 0;
    if (!serverClass(server, &svcClass)) return {};
    auto get = entry<GetLocalSvrActionListFunc>(pluginFor(svcClass), "GetLocalSvrActionList");
    return get ? get(server) : QList<QAction*>();
}

// Goes on with class 0 when the server's attributes cannot be read.
void ProfilePlugMng::_ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page) {
    unsigned short svcClass = 0;
    serverClass(server, &svcClass);
    if (auto show = entry<ShowSvrPropertyDlgFunc>(pluginFor(svcClass), "ShowSvrPropertyDlg"))
        show(server, parent, page);
}

QList<unsigned short> ProfilePlugMng::_GetSupportedProfileList() {
    QList<unsigned short> classes;
    for (_ProfilePlugInfo* plugin : m_list) {
        auto get = entry<GetPlugProfileClsFunc>(plugin, "GetPlugProfileCls");
        if (!get) continue;
        plugin->profileClass = get();
        classes.append(plugin->profileClass);
    }
    return classes;
}

void ProfilePlugMng::_PerformPostDisc(unsigned short svcClass) {
    if (auto post = entry<PerformPostDiscFunc>(pluginFor(svcClass), "PerformPostDisc")) post(svcClass);
}

int ProfilePlugMng::_getRelatedShortcutBySvcClass(unsigned int device, unsigned short svcClass,
                                                  unsigned int* shortcuts, unsigned int capacity) {
    auto get = entry<GetRelatedShortcutBySvcClassFunc>(pluginFor(svcClass),
                                                       "getRelatedShortcutBySvcClass");
    return get ? get(device, svcClass, shortcuts, capacity) : 0;
}

void ProfilePlugMng::_performLocalSvrDefaultAction(unsigned int server) {
    unsigned short svcClass = 0;
    if (!serverClass(server, &svcClass)) return;
    auto perform = entry<PerformLocalSvrDefaultActionFunc>(pluginFor(svcClass),
                                                           "performLocalSvrDefaultAction");
    if (perform) perform(server);
}

void ProfilePlugMng::_performDefaultActionByShortcut(unsigned int shortcut) {
    unsigned short svcClass = 0;
    if (!shortcutClass(shortcut, &svcClass)) return;
    auto perform = entry<PerformDefaultActionByShortcutFunc>(pluginFor(svcClass),
                                                             "performDefaultActionByShortcut");
    if (perform) perform(shortcut);
}

// The shortcut's class when there is a shortcut, else the server's (0 when unreadable).
QString ProfilePlugMng::_getProfileTipByShortcut(unsigned int shortcut, unsigned int server) {
    unsigned short svcClass = 0;
    if (shortcut != 0 && !shortcutClass(shortcut, &svcClass)) return {};
    if (shortcut == 0) serverClass(server, &svcClass);
    auto tip = entry<GetProfileTipByShortcutFunc>(pluginFor(svcClass), "getProfileTipByShortcut");
    return tip ? tip(shortcut, server) : QString();
}

bool ProfilePlugMng::_isServerRelatedIncomingConnectionExist(unsigned int server) {
    unsigned short svcClass = 0;
    serverClass(server, &svcClass);
    auto exists = entry<IsServerRelatedIncomingConnectionExistFunc>(
        pluginFor(svcClass), "isServerRelatedIncomingConnectionExist");
    return exists && exists(server);
}

bool ProfilePlugMng::_isShortcutRelatedConnectionExist(unsigned int shortcut) {
    unsigned short svcClass = 0;
    if (!shortcutClass(shortcut, &svcClass)) return false;
    auto exists = entry<IsShortcutRelatedConnectionExistFunc>(pluginFor(svcClass),
                                                              "isShortcutRelatedConnectionExist");
    return exists && exists(shortcut);
}
