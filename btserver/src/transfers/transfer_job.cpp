#include "transfers/transfer_job.h"

#include <glib/gstdio.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

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
    closeFiles();
    finish_(result);
}

bool TransferJob::writes(const std::string& target) const {
    return !finished_ &&
           std::any_of(files_.begin() + static_cast<std::ptrdiff_t>(index_), files_.end(),
                       [&](const TransferFile& file) { return file.target == target; });
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
    size_ = static_cast<uint64_t>(status.st_size);
    done_ = 0;
    std::string folder = std::filesystem::path(file.target).parent_path().string();
    std::string name = folder + "/.corvane-XXXXXX.part";
    int descriptor = g_mkstemp_full(name.data(), O_WRONLY, 0666);
    if (descriptor < 0)
        return false;
    partial_ = name;
    out_ = fdopen(descriptor, "wb");
    if (!out_)
        close(descriptor);
    return out_ != nullptr;
}

void TransferJob::closeFiles() {
    if (in_)
        std::fclose(in_);
    if (out_)
        std::fclose(out_);
    in_ = out_ = nullptr;
    if (!partial_.empty())
        g_remove(partial_.c_str());
    partial_.clear();
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
        if (!written || g_rename(partial_.c_str(), file.target.c_str()) != 0)
            return stop(kResultFailed);
        partial_.clear();
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
