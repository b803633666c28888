// A transfer of files in chunks on the main loop, paced by the scenario's TransferRate
// and TransferChunk, so that large files never hold up the service's other work.
//
// Each file is reported when it starts (first flag 1, no bytes), after each chunk (no
// flags, the chunk's bytes), and when it is whole (last flag 1, no bytes): its chunks add
// up to its size. The first report of the transfer's first file and the last of its last
// file carry 0x100 beside the flag (0x101), which tells them from those of the files in
// between.
//
// Each chunk counts to the connection's traffic, as sent or received by its file's
// direction.
//
// The transfer finishes once: with 0 when every file is written, with 1 when a file
// cannot be read or written or its connection has ended, or with the result it is stopped
// with.
// Each file is written under a temporary name in its target's folder and takes its own
// name (replacing a file there) only once it is whole, so a transfer that fails, is
// stopped or is dropped with the service leaves no partial file, and a file it was to
// replace stays as it was. The files before it stay.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace btserver {

class Service;

struct TransferFile {
    std::string source, target;
    std::string name;       // as the reports give it
    bool outgoing = false;  // sent to the remote device (a put or a push), else received
};

class TransferJob : public std::enable_shared_from_this<TransferJob> {
public:
    using Report = std::function<void(uint32_t first, uint32_t last, const std::string& name,
                                      uint32_t size, uint32_t chunk)>;
    using Finish = std::function<void(uint32_t result)>;

    // Starts at once on the connection: the first report is sent before this returns.
    static std::shared_ptr<TransferJob> start(Service& service, uint32_t connection,
                                              std::vector<TransferFile> files, Report report,
                                              Finish finish);
    ~TransferJob();
    TransferJob(const TransferJob&) = delete;
    TransferJob& operator=(const TransferJob&) = delete;

    uint32_t connection() const { return connection_; }
    bool finished() const { return finished_; }
    size_t filesDone() const { return index_; }
    // Whether a file still to be written, or being written, has the target path.
    bool writes(const std::string& target) const;
    // Ends the transfer unfinished with the result.
    void stop(uint32_t result);

private:
    TransferJob(Service& service, uint32_t connection, std::vector<TransferFile> files,
                Report report, Finish finish);
    bool connectionGone() const;
    void step();
    bool open();
    void closeFiles();
    uint32_t flag(bool edge) const;

    Service& service_;
    uint32_t connection_;
    std::vector<TransferFile> files_;
    Report report_;
    Finish finish_;
    size_t index_ = 0;
    std::FILE* in_ = nullptr;
    std::FILE* out_ = nullptr;
    std::string partial_;  // the temporary name of the file being written
    uint64_t size_ = 0, done_ = 0;
    bool finished_ = false;
};

}  // namespace btserver
