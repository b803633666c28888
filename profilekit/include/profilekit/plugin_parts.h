// The parts of libProfileKit that every profile plug-in builds on, written once so that
// a plug-in adds only what is its own (its operations, actions, texts and dialogs). Each
// entry names where to see it used: the parts test plug-in (tests/profilekit/
// parts_plugin/), the parts' own tests (tests/profilekit/shared_parts_test.cpp, small
// and complete) or the file-transfer plug-in (plugins/ftp/).
//
//   entry_guard.h         guarded(): each exported entry point does nothing, or returns
//                         its empty value, while the plug-in object s_pThis is missing.
//                         [parts_plugin.cpp]
//   profile_handles.h     ProfileHandles: the request handles; every setter zeroes all;
//                         handlesReset() drops what a plug-in made for them. [parts_plugin.h;
//                         plugins/spp/bt_spp.cpp SetShortcutHanlde]
//   profile_worker.h      ProfileWorker: base of a plug-in's WorkingThread; one operation
//                         at a time from the plug-in's table, reports through the queued
//                         OperationInd, refuses a second operation under its own code.
//                         [parts_working_thread.cpp]
//   connect_progress.h    ConnectProgress: connect on the worker behind a modal
//                         "Connecting to %1..." window (serial port, dial-up, network).
//                         mayConnect(): the checks before it (a connect running, no
//                         shortcut, one already connected). [parts_plugin.cpp
//                         connectShortcut; plugins/spp/spp_connect.cpp actionConnect]
//   serial_blocks.h       SerialConnectParam, SerialShortcutAttr: a serial-type
//                         connection's COM port in its connect parameter block and in
//                         the shortcut's attribute block; WriteShortcutComPort().
//                         [plugins/spp/working_thread.cpp]
//   connection_scan.h     AnyConnection(): whether one of the first 32 incoming or outgoing
//                         connections fits (related-connection entry points, disconnect
//                         hooks). [plugins/spp/spp_entry.cpp; plugins/ftp/bt_ftp.cpp]
//   server_switch.h       SwitchProfileServer(): a local server's Enable/Disable and the
//                         "status" it leaves in the plug-in's settings section; the status
//                         window's own switch and the section of a server's class.
//                         [parts_plugin.cpp performLocalSvrDefaultAction]
//   server_actions.h      ServerActionList(): the server menu with its bold default entry
//                         by status; PerformServerDefaultAction(): start, the plug-in's
//                         idle action, or the status window. [parts_plugin.cpp
//                         serverActions; plugins/ftp/bt_ftp.cpp]
//   server_general_page.h ServerGeneralPage: the "General" page of a server property
//                         dialog with its "Secure Connection" box. [parts_plugin.cpp]
//   settings_confirm.h    SettingsChangeConfirm: asks before changed settings drop the
//                         connection of a remote device that uses the server.
//                         [plugins/ftp/ftpproperty_class.cpp]
//   share_folder_check.h  CheckShareFolder(): a shared folder that cannot be made is
//                         tried again with "USERNAME" in place of "user".
//                         [plugins/ftp/bt_ftp.cpp StartProfileServer]
//   modal_dialog.h        ModalDialog<>: the one way to run a dialog modally that
//                         survives its parent's end during the loop; SoleModalDialog():
//                         a server property dialog only while none is open.
//                         [parts_plugin.cpp showServerProperties; shared_parts_test.cpp;
//                         plugins/ftp/ftpproperty_class.cpp ShowSvrPropertyDlg]
//   transfer_status.h     TransferStatusChannel/TransferStatusRelay: the library's status
//                         callback to the window that transfers, queued, for
//                         ComProgressDlg. [shared_parts_test.cpp; plugins/ftp/
//                         ftp_client_remote.cpp FTP_StatusCallback]
//   transfer_cancel.h     TransferCancel: the cancel of a running transfer on a second
//                         worker. [shared_parts_test.cpp; plugins/ftp/
//                         ftp_client_transfers.cpp procUserAction]
//   received_file.h       ReceivedFileHandOver: a file put on a local server, to the host
//                         as (1, 7, 260, list) on the plug-in's thread, with no library
//                         call under its lock. [shared_parts_test.cpp; plugins/ftp/
//                         bt_ftp.cpp DealFTPServerEvent]
//   object_push_slot.h    ObjectPushSlot: one object push at a time in the process (the
//                         library has one status callback for all of them).
//                         [plugins/opp/opp_send.cpp actionSendFile]
//   settings_file.h       CommonSettingsPath(): the common settings file's path.
//   skin_icon.h           SkinIcon(): a skin picture as an icon, with a style fallback.
//   utf8_cut.h            utf8cut::within()/decode(): texts in fields of a fixed number
//                         of bytes, cut and read on whole UTF-8 characters.
//                         [plugins/ftp/ftp_operation_record.cpp]
//
// Also shared: ComProgressDlg (transfer progress), ProfileStatusClass (status window),
// RmtProfilePropertyClass (shortcut properties) and FileOpenDlg; from libCvCommon the
// service classes (cvcommon/service_classes.h), the device name readers
// (CvCm_GetRmtDevName, CvCm_GetRmtDevDisplayName) and CvCm_ReadShortcutProperty.
#pragma once

#include "connect_progress.h"
#include "connection_scan.h"
#include "entry_guard.h"
#include "modal_dialog.h"
#include "object_push_slot.h"
#include "profile_handles.h"
#include "profile_worker.h"
#include "received_file.h"
#include "serial_blocks.h"
#include "server_actions.h"
#include "server_general_page.h"
#include "server_switch.h"
#include "settings_confirm.h"
#include "settings_file.h"
#include "share_folder_check.h"
#include "skin_icon.h"
#include "transfer_cancel.h"
#include "transfer_status.h"
#include "utf8_cut.h"
