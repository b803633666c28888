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

std::string treeFolder(const std::string& stateDir, const RemoteDevice& device);
std::string inboxFolder(const std::string& stateDir, const RemoteDevice& device);
std::string cardFile(const std::string& stateDir, const RemoteDevice& device);

// Lays out every device's folders afresh from the world: earlier trees, inboxes and cards
// are removed first. What cannot be copied or written is logged.
void prepareDeviceFolders(const World& world, const std::string& stateDir);

}  // namespace btserver
