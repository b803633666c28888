// File transfer and object push, the main header of transfers/. The file-transfer area
// in parts: the folders of a connected device's tree (moving, listing, deleting,
// making), getting and putting files and folders, and the local server's shared folder.
// The object-push area in parts: pushing, pulling and exchanging objects, and the local
// inbox. Transfers run as jobs on the main loop (transfer_job.h), one at a time per
// connection (transfer_sessions.h), and end with a completion signal (transfer_calls.h).
// The part builds on core/, world/, records/ and the device folders of state/.
#pragma once

namespace btserver {

class Service;

void addFileTransferFolders(Service& service);
void addFileTransferCopies(Service& service);
void addFileTransferServer(Service& service);
void addObjectPush(Service& service);
void addObjectPushServer(Service& service);

}  // namespace btserver
