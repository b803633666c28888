#include "transfers/transfer_job.h"

#include <glib/gstdio.h>

#include <algorithm>

#include "core/result_codes.h"
#include "records/records.h"
#include "service.h"

namespace btserver {

std::shared_ptr<TransferJob> TransferJob::start(Service& service, uint32_t connection,
                                                std::vector<TransferFile> files, Report report,
                                                Finish finish) {
    std::shared_ptr<TransferJob> job(new TransferJob(service, connection, std::move(files),
                                                     std::move(report), std::move(finish)));
    job->step();
    return job;
}

TransferJob::TransferJob(Service& service, uint32_t connection, std::vector<TransferFile> files,
                         Report report, Finish finish)
    : service_(service),
      connection_(connection),
      files_(std::move(files)),
      report_(std::move(report)),
      finish_(std::move(finish)) {}

TransferJob::~TransferJob() {
    closeFiles();
}

void TransferJob::stop(uint32_t result) {
    if (finished_)
        return;
    std::shared_ptr<TransferJob> self = shared_from_this();  // the callback may drop the last owner
    finished_ = true;
    bool partial = out_ != nullptr;
    closeFiles();
    if (partial)
        g_remove(files_[index_].target.c_str());
    finish_(result);
}

bool TransferJob::connectionGone() const {
    return !service_.world().connection(connection_);
}

uint32_t TransferJob::flag(bool edge) const {
    return edge ? 0x101 : 1;
}

bool TransferJob::open() {
    const TransferFile& file = files_[index_];
    GStatBuf status;
    if (g_stat(file.source.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    in_ = g_fopen(file.source.c_str(), "rb");
    if (!in_)
        return false;
    out_ = g_fopen(file.target.c_str(), "wb");
    size_ = static_cast<uint64_t>(status.st_size);
    done_ = 0;
    return out_ != nullptr;
}

void TransferJob::closeFiles() {
    if (in_)
        std::fclose(in_);
    if (out_)
        std::fclose(out_);
    in_ = out_ = nullptr;
}

// Moves one chunk of the current file (opening it first when it starts), reports it (and
// the file's end after its last chunk), and comes back after the chunk's share of the rate.
void TransferJob::step() {
    if (finished_)
        return;
    std::shared_ptr<TransferJob> self = shared_from_this();
    if (connectionGone())
        return stop(kResultFailed);
    if (index_ == files_.size()) {
        finished_ = true;
        return finish_(kResultOk);
    }
    const TransferFile& file = files_[index_];
    if (!in_) {
        if (!open())
            return stop(kResultFailed);
        report_(flag(index_ == 0), 0, file.name, clampedWord(size_), 0);
    }
    const Timing& timing = service_.world().timing;
    std::vector<char> buffer(std::min<uint64_t>(timing.transferChunk, size_ - done_));
    size_t moved = 0;
    if (!buffer.empty()) {  // an empty file has no bytes to move, only its reports
        moved = std::fread(buffer.data(), 1, buffer.size(), in_);
        if (std::ferror(in_) || std::fwrite(buffer.data(), 1, moved, out_) != moved)
            return stop(kResultFailed);
    }
    done_ += moved;
    if (Connection* link = service_.world().connection(connection_))
        (file.outgoing ? link->moved.sent : link->moved.received) += moved;
    if (moved < buffer.size())
        size_ = done_;  // the file shrank while it was read
    if (moved > 0)
        report_(0, 0, file.name, clampedWord(size_), static_cast<uint32_t>(moved));
    if (done_ == size_) {
        std::fclose(in_);
        in_ = nullptr;
        bool written = std::fclose(out_) == 0;
        out_ = nullptr;
        if (!written) {
            g_remove(file.target.c_str());
            return stop(kResultFailed);
        }
        report_(0, flag(index_ + 1 == files_.size()), file.name, clampedWord(size_), 0);
        ++index_;
    }
    guint delay =
        timing.transferRate == 0
            ? 0
            : static_cast<guint>((moved * 1000 + timing.transferRate - 1) / timing.transferRate);
    service_.timers().after(delay, [self] { self->step(); });
}

}  // namespace btserver
