// The connections that file transfer and object push act on, and the paths they name.
#pragma once

#include <cstdint>
#include <string>

#include "world/world.h"

namespace btserver {

class Service;

// An outgoing connection to a remote service of one class, with its device and service.
struct TransferLink {
    Connection* connection = nullptr;
    RemoteDevice* device = nullptr;
    RemoteService* service = nullptr;
};

// Fills `out` and gives 0, or 4 when no outgoing connection of the class has the handle.
uint32_t findLink(World& world, uint32_t handle, uint16_t serviceClass, TransferLink& out);

// A file-transfer connection: its link, its device's tree and its current folder there.
struct FtpLink {
    TransferLink link;
    std::string tree;
    std::string* folder = nullptr;
};

uint32_t findFtpLink(Service& service, uint32_t handle, FtpLink& out);

// The normal form of a remote path of the link: 0, or 2 when it leaves the tree.
uint32_t resolveIn(const FtpLink& link, const std::string& path, std::string& normal);

// Whether a local path is absolute (the service has no folder of the caller's to start from).
bool absoluteLocal(const std::string& path);

}  // namespace btserver
