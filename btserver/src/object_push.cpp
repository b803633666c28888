// The object-push area: pushing a local file into a connected device's inbox, pulling its
// business card, exchanging cards, and the local inbox server. Local paths must be
// absolute.
//
// push_obj and pull_obj answer at once, as file transfer does: 4 (no such object-push
// connection) and 3 (a transfer of the connection runs already) are only answered; every
// other answer is followed by one "signal_opp_transfer_complete", at once with the
// answer's result when refused (1 no such file, 2 a relative local path), else with the
// transfer's. exchange_obj pushes the first file and pulls the card into the second path,
// with the same reports but no completion signal: it answers once both are over, with the
// result of each and the first failure (or 0).
#include <glib/gstdio.h>

#include <filesystem>

#include "area_values.h"
#include "areas.h"
#include "device_folder.h"
#include "file_transfer_area.h"
#include "service.h"
#include "wire_records.h"

namespace fs = std::filesystem;

namespace btserver {

namespace {

constexpr const char* kStatusSignal = "signal_opp_file_transfer_status";

std::string textArg(const CallPtr& call, size_t index) {
    const char* text = nullptr;
    g_variant_get_child(call->args(), index, "&s", &text);
    return text;
}

bool isFile(const std::string& path) {
    return g_file_test(path.c_str(), G_FILE_TEST_IS_REGULAR);
}

// Checks the connection: 0, 4 unknown, 3 busy.
uint32_t usable(Service& service, uint32_t handle, TransferLink& link) {
    uint32_t result = findLink(service.world(), handle, kObjectPushClass, link);
    return result == kResultOk && service.transfers().running(handle) ? kResultBusy : result;
}

// Pushing the local file into the device's inbox under its name.
uint32_t planPush(Service& service, const TransferLink& link, const std::string& local,
                  std::vector<TransferFile>& files) {
    if (!absoluteLocal(local))
        return kResultBadArgument;
    if (!isFile(local))
        return kResultFailed;
    std::string name = fs::path(local).filename().string();
    files.push_back({local, inboxFolder(service.stateDir(), *link.device) + "/" + name, name});
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
    files.push_back({card, into ? local + "/" + name : local, name});
    return kResultOk;
}

void complete(Service& service, uint32_t result) {
    service.signals().emit(kOppInterface, "signal_opp_transfer_complete",
                           g_variant_new("(u)", result));
}

using Planner = uint32_t (*)(Service&, const TransferLink&, const std::string&,
                             std::vector<TransferFile>&);

// push_obj and pull_obj (connection, local path).
void transfer(Service& service, const CallPtr& call, Planner plan) {
    uint32_t handle = wordArg(call, 0);
    TransferLink link;
    uint32_t result = usable(service, handle, link);
    if (result != kResultOk)
        return call->reply(g_variant_new("(u)", result));
    std::vector<TransferFile> files;
    result = plan(service, link, textArg(call, 1), files);
    call->reply(g_variant_new("(u)", result));
    if (result != kResultOk)
        return complete(service, result);
    Service* s = &service;
    service.transfers().keep(TransferJob::start(
        service, handle, std::move(files), statusSignal(service, kOppInterface, kStatusSignal),
        [s](uint32_t done) { complete(*s, done); }, linkAlive(service, handle)));
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
                           statusSignal(service, kOppInterface, kStatusSignal), done,
                           linkAlive(service, handle));
    *started = job;
    service.transfers().keep(job);
}

// (connection): the transfer under way ends with 8; 1 when none runs.
void cancel(Service& service, const CallPtr& call) {
    uint32_t handle = wordArg(call, 0);
    TransferLink link;
    uint32_t result = findLink(service.world(), handle, kObjectPushClass, link);
    TransferJob* job = result == kResultOk ? service.transfers().running(handle) : nullptr;
    if (job)
        job->stop(kResultCancelled);
    else if (result == kResultOk)
        result = kResultFailed;
    call->reply(g_variant_new("(u)", result));
}

// (inbox, outbox, card name) → the handle of the local object-push server (made when the
// world has none), or 0 for an empty inbox text. Objects that devices push arrive in the
// inbox.
void registerServer(Service& service, const CallPtr& call) {
    std::string inbox = textArg(call, 0);
    if (inbox.empty())
        return call->reply(g_variant_new("(u)", 0u));
    service.transfers().inbox = inbox;
    World& world = service.world();
    for (const LocalServer& server : world.servers)
        if (server.serviceClass == kObjectPushClass)
            return call->reply(g_variant_new("(u)", server.handle));
    LocalServer server;
    server.handle = world.newHandle();
    server.serviceClass = kObjectPushClass;
    server.name = "Object Push";
    server.status = ServerStatus::Running;
    server.extension.assign(serverExtensionBytes(kObjectPushClass), 0);
    world.servers.push_back(server);
    call->reply(g_variant_new("(u)", server.handle));
}

}  // namespace

void addObjectPush(Service& service) {
    Dispatcher& table = service.dispatcher();
    Service* s = &service;
    table.add(kOppInterface, "push_obj", [s](const CallPtr& call) { transfer(*s, call, planPush); });
    table.add(kOppInterface, "pull_obj", [s](const CallPtr& call) { transfer(*s, call, planPull); });
    table.add(kOppInterface, "exchange_obj", [s](const CallPtr& call) { exchange(*s, call); });
    table.add(kOppInterface, "cancel_transfer", [s](const CallPtr& call) { cancel(*s, call); });
    table.add(kOppInterface, "register_opp_service",
              [s](const CallPtr& call) { registerServer(*s, call); });
    table.add(kOppInterface, "unregister_opp_service", [s](const CallPtr& call) {
        s->transfers().inbox.clear();
        call->reply(g_variant_new("(u)", kResultOk));
    });
    table.add(kOppInterface, "register_status_cbk", [s](const CallPtr& call) {
        uint32_t handle = wordArg(call, 0);
        TransferLink link;
        call->reply(g_variant_new(
            "(u)", handle == 0 ? kResultOk : findLink(s->world(), handle, kObjectPushClass, link)));
    });
    table.add(kOppInterface, "register_deal_receive_file_cbk",
              [](const CallPtr& call) { call->reply(g_variant_new("(u)", kResultOk)); });
}

}  // namespace btserver
