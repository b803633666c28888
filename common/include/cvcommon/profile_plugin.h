// The contract between the host and a profile plug-in: the entry points a plug-in may
// export, each with C linkage under exactly its name, and the host invoke function.
// Every entry point is optional; ProfilePlugMng resolves each by name when it needs it.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

class QAction;
class QWidget;

// The host's function through which a plug-in asks the host to act for it: (command,
// sub-code, size of the bytes, the bytes) → the host's answer. Each plug-in documents the
// calls it makes.
typedef quint32 (*HostInvokeFunc)(quint32 command, quint32 subCode, quint32 size, void* bytes);

typedef void (*InitProfileFunc)(QWidget* parent);
typedef void (*SetCvCommFuncFunc)(HostInvokeFunc host);
typedef void (*UninitProfileFunc)();
typedef unsigned short (*GetPlugProfileClsFunc)();
typedef bool (*IsSupportedServiceClassFunc)(unsigned short svcClass);
typedef QList<QAction*> (*GetActionListByShortcutFunc)(unsigned int shortcut);
typedef QList<QAction*> (*GetRemoteActionListByShortcutFunc)(unsigned int shortcut);
typedef QList<QAction*> (*GetLocalSvrActionListFunc)(unsigned int server);
typedef void (*ShowSvrPropertyDlgFunc)(unsigned int server, QWidget* parent, int page);
typedef void (*PerformPostDiscFunc)(unsigned short svcClass);
typedef int (*GetRelatedShortcutBySvcClassFunc)(unsigned int device, unsigned short svcClass,
                                                 unsigned int* shortcuts, unsigned int capacity);
typedef void (*PerformLocalSvrDefaultActionFunc)(unsigned int server);
typedef void (*PerformDefaultActionByShortcutFunc)(unsigned int shortcut);
typedef QString (*GetProfileTipByShortcutFunc)(unsigned int shortcut, unsigned int server);
typedef void (*StartProfileServerFunc)();
typedef void (*StopProfileServerFunc)();
typedef bool (*IsServerRelatedIncomingConnectionExistFunc)(unsigned int server);
typedef bool (*IsShortcutRelatedConnectionExistFunc)(unsigned int shortcut);

// Declares a plug-in's entry point with the linkage the manager resolves it by.
#define CV_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))
