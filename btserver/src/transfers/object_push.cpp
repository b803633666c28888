// The object-push area's transfers: pushing a local file into a connected device's inbox,
// pulling its business card, exchanging cards, and cancelling. Local paths must be
// absolute.
//
// push_obj and pull_obj answer at once and complete as transfer_calls.h says; they are
// refused with 1 for no such file and 2 for a relative local path. A pushed object never
// replaces one in the device's inbox: it takes a free name (free_names.h), which its
// reports carry. exchange_obj pushes the first file and pulls the card into the second
// path, with the same reports but no completion signal: it answers once both are over,
// with the result of each and the first failure (or 0). One that is not over by the
// scenario's ExchangeTimeout is cancelled and answers 7 for what did not finish, well
// before a client stops waiting for the answer. A transfer's reports go to its caller
// alone.
#include <filesystem>

#include "core/core.h"
#include "service.h"
#include "state/state.h"
#include "transfers/free_names.h"
#include "transfers/transfer_calls.h"
#include "transfers/transfer_link.h"
#include "transfers/transfers.h"
#include "world/service_classes.h"

namespace fs = std::filesystem;

namespace btserver {

namespace {

bool isFile(const std::string& path) {
    return g_file_test(path.c_str(), G_FILE_TEST_IS_REGULAR);
}

// Checks the connection: 0, 4 unknown, 3 busy.
uint32_t usable(Service& service, uint32_t handle, TransferLink& link) {
    return unlessBusy(service, handle, findLink(service.world(), handle, kObjectPushClass, link));
}

// Pushing the local file into the device's inbox under its name.
uint32_t planPush(Service& service, const TransferLink& link, const std::string& local,
                  std::vector<TransferFile>& files) {
    if (!absoluteLocal(local))
        return kResultBadArgument;
    if (!isFile(local))
        return kResultFailed;
    std::string target =
        freePath(service.transfers(), inboxFolder(service.stateDir(), *link.device),
                 fs::path(local).filename().string());
    files.push_back({local, target, fs::path(target).filename().string(), true});
    return kResultOk;
}

// Pulling the device's card to the local path, or into it under the card's name when it is
// a folder.
uint32_t planPull(Service& service, const TransferLink& link, const std::string& local,
                  std::vector<TransferFile>& files) {
    if (!absoluteLocal(local))
        return kResultBadArgument;
    std::string card = cardFile(service.stateDir(), *link.device);
    std::string name = fs::path(card).filename().string();
    bool into = g_file_test(local.c_str(), G_FILE_TEST_IS_DIR);
    files.push_back({card, into ? local + "/" + name : local, name, false});
    return kResultOk;
}

using Planner = uint32_t (*)(Service&, const TransferLink&, const std::string&,
                             std::vector<TransferFile>&);

// push_obj and pull_obj (connection, local path).
void transfer(Service& service, const CallPtr& call, Planner plan) {
    uint32_t handle = wordArg(call, 0);
    TransferLink link;
    std::vector<TransferFile> files;
    uint32_t result = usable(service, handle, link);
    if (result == kResultOk)
        result = plan(service, link, textArg(call, 1), files);
    startTransfer(service, call, kOppSignals, handle, result, std::move(files));
}

// (connection, file to push, path for the device's card) → (push result, pull result, result)
void exchange(Service& service, const CallPtr& call) {
    uint32_t handle = wordArg(call, 0);
    TransferLink link;
    std::vector<TransferFile> files;
    uint32_t result = usable(service, handle, link);
    if (result == kResultOk)
        result = planPush(service, link, textArg(call, 1), files);
    if (result == kResultOk)
        result = planPull(service, link, textArg(call, 2), files);
    if (result != kResultOk)
        return call->reply(g_variant_new("(uuu)", result, result, result));
    // The job, once started: how far it came tells the push's result from the pull's.
    auto started = std::make_shared<std::weak_ptr<TransferJob>>();
    auto done = [call, started](uint32_t outcome) {
        std::shared_ptr<TransferJob> job = started->lock();
        uint32_t pushed = job && job->filesDone() >= 1 ? kResultOk : outcome;
        call->reply(g_variant_new("(uuu)", pushed, outcome, outcome));
    };
    std::shared_ptr<TransferJob> job =
        TransferJob::start(service, handle, std::move(files),
                           statusReports(service, kOppSignals, call->caller()), done);
    *started = job;
    service.transfers().keep(job);
    service.timers().after(service.world().timing.exchangeTimeoutMs, [started] {
        if (std::shared_ptr<TransferJob> late = started->lock())
            late->stop(kResultTimeout);
    });
}

void push(Service& service, const CallPtr& call) {
    transfer(service, call, planPush);
}

void pull(Service& service, const CallPtr& call) {
    transfer(service, call, planPull);
}

void cancel(Service& service, const CallPtr& call) {
    cancelTransfer(service, call, kObjectPushClass);
}

}  // namespace

void addObjectPush(Service& service) {
    service.dispatcher().addEach(kOppInterface, service,
                                 {{"push_obj", push},
                                  {"pull_obj", pull},
                                  {"exchange_obj", exchange},
                                  {"cancel_transfer", cancel}});
}

}  // namespace btserver
