// What the file-transfer and object-push areas keep while the service runs: the current
// folder of each file-transfer connection, the transfers under way, the incoming
// connections made for files that remote devices send, and the folders that the local
// servers registered.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "transfers/transfer_job.h"

namespace btserver {

class Service;

// The local file-transfer server's folder; remote devices may write to it when bit 0 of
// the access word is set.
struct SharedFolder {
    std::string path;
    uint32_t access = 0;
};

class TransferSessions {
public:
    explicit TransferSessions(Service& service) : service_(service) {}
    TransferSessions(const TransferSessions&) = delete;
    TransferSessions& operator=(const TransferSessions&) = delete;

    // The current folder of a file-transfer connection: "/" until it changes. Connections
    // that have ended are forgotten here.
    std::string& folder(uint32_t connection);
    // Current folders by connection.
    std::map<uint32_t, std::string>& folders() { return folders_; }

    // The transfer running on the connection, or null.
    TransferJob* running(uint32_t connection);
    // Whether a transfer under way will write, or is writing, the file at the path.
    bool writing(const std::string& path) const;
    // Keeps a started transfer until it has finished.
    void keep(std::shared_ptr<TransferJob> job);

    // The incoming connections made for files that remote devices send
    // (control/incoming_links.h).
    std::set<uint32_t>& madeLinks() { return madeLinks_; }

    std::optional<SharedFolder> sharedFolder;  // registered by register_ftp_service
    std::string inbox;                         // registered by register_opp_service; empty: none

    // Stops every transfer (each finishes with result 8), forgets the folders, the made
    // connections and the registrations, and lays out the devices' folders afresh from the
    // world.
    void reset();

private:
    Service& service_;
    std::map<uint32_t, std::string> folders_;
    std::vector<std::shared_ptr<TransferJob>> jobs_;
    std::set<uint32_t> madeLinks_;
};

}  // namespace btserver
