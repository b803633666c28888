// The parts of libProfileKit that every profile plug-in builds on, written once so that
// a plug-in adds only what is its own (its operations, actions, texts and dialogs):
//
//   entry_guard.h         guarded(): each exported entry point does nothing, or returns
//                         its empty value, while the plug-in object s_pThis is missing.
//   profile_handles.h     ProfileHandles: the request handles; every setter zeroes all.
//   profile_worker.h      ProfileWorker: base of a plug-in's WorkingThread; one operation
//                         at a time from the plug-in's table, reports through the queued
//                         OperationInd, refuses a second operation under its own code.
//   connect_progress.h    ConnectProgress: connect on the worker behind a modal
//                         "Connecting to %1..." window (serial port, dial-up, network).
//   server_switch.h       SwitchProfileServer(): a local server's Enable/Disable and the
//                         "status" it leaves in the plug-in's settings section.
//   server_general_page.h ServerGeneralPage: the "General" page of a server property
//                         dialog with its "Secure Connection" box.
//   settings_confirm.h    SettingsChangeConfirm: asks before changed settings drop the
//                         connection of a remote device that uses the server.
//   share_folder_check.h  CheckShareFolder(): a shared folder that cannot be made is
//                         tried again with "USERNAME" in place of "user".
//
// Also shared: ComProgressDlg (transfer progress), ProfileStatusClass (status window),
// RmtProfilePropertyClass (shortcut properties) and FileOpenDlg.
#pragma once

#include "connect_progress.h"
#include "entry_guard.h"
#include "profile_handles.h"
#include "profile_worker.h"
#include "server_general_page.h"
#include "server_switch.h"
#include "settings_confirm.h"
#include "share_folder_check.h"
