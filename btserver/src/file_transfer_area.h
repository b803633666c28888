// What the methods of the file-transfer and object-push areas share: their interfaces,
// the connections they act on, and the signals their transfers send.
#pragma once

#include <cstdint>
#include <string>

#include "file_transfer_job.h"
#include "world/world.h"

namespace btserver {

class Service;

constexpr const char* kFtpInterface = "com.zel.corvane.btservice.btsdkftp";
constexpr const char* kOppInterface = "com.zel.corvane.btservice.btsdkopp";
constexpr uint32_t kResultReadOnly = 1729;  // the device's service refuses to be written

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

// True while the connection is up.
TransferJob::Alive linkAlive(Service& service, uint32_t connection);
// Sends each report as the (first, last, filename, filesize, cursize) signal; a name that
// is not UTF-8 has its faulty bytes replaced.
TransferJob::Report statusSignal(Service& service, const char* interface, const char* signal);

}  // namespace btserver
