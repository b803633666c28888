// The folders of the virtual devices in the service's state folder. Each device that
// offers file transfer has a tree copied from its scenario folder, so that puts and
// deletes change the copy and never the shipped data; a device that offers object push
// has an inbox and a business card:
//   STATE/devices/ID/files     the tree, "/" of the device's file-transfer service
//   STATE/devices/ID/inbox     the objects pushed to the device
//   STATE/devices/ID/ID.vcf    its business card
#pragma once

#include <string>

#include "world/world.h"

namespace btserver {

constexpr uint16_t kFileTransferClass = 0x1106;
constexpr uint16_t kObjectPushClass = 0x1105;

std::string treeFolder(const std::string& stateDir, const RemoteDevice& device);
std::string inboxFolder(const std::string& stateDir, const RemoteDevice& device);
std::string cardFile(const std::string& stateDir, const RemoteDevice& device);

// The device's first service of the class, or null.
const RemoteService* serviceOfClass(const RemoteDevice& device, uint16_t serviceClass);

// Makes the services' Files and Card paths absolute, taking relative ones from `folder`.
// With `mustExist`, a Files path that is no folder or a Card path that is no file is an
// error naming its service. A device ID that cannot name a folder is always an error.
bool resolveScenarioFiles(World& world, const std::string& folder, bool mustExist,
                          std::string& error);

// Lays out every device's folders afresh from the world: earlier trees, inboxes and cards
// are removed first. What cannot be copied or written is logged.
void prepareDeviceFolders(const World& world, const std::string& stateDir);

// Copies the regular files and folders under `from` into `to` (made when missing),
// keeping their modification times; other kinds of entries are skipped. False with a
// message on the first failure.
bool copyTree(const std::string& from, const std::string& to, std::string& error);

}  // namespace btserver
