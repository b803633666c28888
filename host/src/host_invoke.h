// The host function that the plug-ins call to ask the manager to act for them.
#pragma once

#include <QtGlobal>

// (1, 7, 260, QStringList* {folder, file}): a remote device put a file on this computer;
// the manager shows a notice. Any other call is logged. Always answers 0. Plug-ins may
// call it from a library thread: the notice is handed to the user-interface thread.
quint32 invokeHost(quint32 command, quint32 subCode, quint32 size, void* bytes);
