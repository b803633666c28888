#include "transfers/transfer_sessions.h"

#include <algorithm>

#include "core/result_codes.h"
#include "service.h"
#include "state/state.h"

namespace btserver {

std::string& TransferSessions::folder(uint32_t connection) {
    for (auto it = folders_.begin(); it != folders_.end();)
        it = service_.world().connection(it->first) ? std::next(it) : folders_.erase(it);
    return folders_.emplace(connection, "/").first->second;
}

TransferJob* TransferSessions::running(uint32_t connection) {
    for (const std::shared_ptr<TransferJob>& job : jobs_)
        if (job->connection() == connection && !job->finished())
            return job.get();
    return nullptr;
}

bool TransferSessions::writing(const std::string& path) const {
    return std::any_of(jobs_.begin(), jobs_.end(),
                       [&](const std::shared_ptr<TransferJob>& job) { return job->writes(path); });
}

void TransferSessions::keep(std::shared_ptr<TransferJob> job) {
    jobs_.erase(std::remove_if(jobs_.begin(), jobs_.end(),
                               [](const std::shared_ptr<TransferJob>& j) { return j->finished(); }),
                jobs_.end());
    if (!job->finished())
        jobs_.push_back(std::move(job));
}

void TransferSessions::reset() {
    // The world has been replaced: the handles of the connections made for files may name
    // the new world's, which the transfers stopped below must not end.
    madeLinks_.clear();
    std::vector<std::shared_ptr<TransferJob>> stopped;
    stopped.swap(jobs_);
    for (const std::shared_ptr<TransferJob>& job : stopped) job->stop(kResultCancelled);
    folders_.clear();
    sharedFolder.reset();
    inbox.clear();
    prepareDeviceFolders(service_.world(), service_.stateDir());
}

}  // namespace btserver
