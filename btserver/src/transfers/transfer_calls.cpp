#include "transfers/transfer_calls.h"

#include <glib.h>

#include "core/call_args.h"
#include "core/result_codes.h"
#include "service.h"
#include "transfers/transfer_link.h"

namespace btserver {

namespace {

void send(Service& service, const Listener& listener, const char* interface, const char* signal,
          GVariant* args) {
    if (listener)
        service.signals().emitTo(*listener, interface, signal, args);
    else
        service.signals().emit(interface, signal, args);
}

void complete(Service& service, const TransferSignals& signals, const Listener& listener,
              uint32_t result) {
    send(service, listener, signals.interface, signals.complete, g_variant_new("(u)", result));
}

}  // namespace

uint32_t unlessBusy(Service& service, uint32_t connection, uint32_t linkResult) {
    return linkResult == kResultOk && service.transfers().running(connection) ? kResultBusy
                                                                              : linkResult;
}

void startTransfer(Service& service, const CallPtr& call, const TransferSignals& signals,
                   uint32_t connection, uint32_t result, std::vector<TransferFile> files) {
    call->reply(g_variant_new("(u)", result));
    // The completion signal names no connection: one sent for a busy call would end, for
    // its client, the transfer that runs on the connection. That one's completion follows
    // when it ends.
    if (result == kResultBusy)
        return;
    const Recipient& caller = call->caller();
    if (result != kResultOk)
        return complete(service, signals, caller, result);
    Service* s = &service;
    service.transfers().keep(TransferJob::start(
        service, connection, std::move(files), statusReports(service, signals, caller),
        [s, signals, caller](uint32_t done) { complete(*s, signals, caller, done); }));
}

void cancelTransfer(Service& service, const CallPtr& call, uint16_t serviceClass) {
    uint32_t handle = wordArg(call, 0);
    TransferLink link;
    uint32_t result = findLink(service.world(), handle, serviceClass, link);
    TransferJob* job = result == kResultOk ? service.transfers().running(handle) : nullptr;
    if (job)
        job->stop(kResultCancelled);
    else if (result == kResultOk)
        result = kResultFailed;
    call->reply(g_variant_new("(u)", result));
}

void registerStatusReports(Service& service, const CallPtr& call, uint16_t serviceClass) {
    uint32_t handle = wordArg(call, 0);
    TransferLink link;
    call->reply(g_variant_new(
        "(u)", handle == 0 ? kResultOk : findLink(service.world(), handle, serviceClass, link)));
}

void registerReceiveReports(Service&, const CallPtr& call) {
    call->reply(g_variant_new("(u)", kResultOk));
}

TransferJob::Report statusReports(Service& service, const TransferSignals& signals,
                                  Listener listener) {
    Service* s = &service;
    return [s, signals, listener](uint32_t first, uint32_t last, const std::string& name,
                                  uint32_t size, uint32_t chunk) {
        gchar* text = g_utf8_make_valid(name.c_str(), -1);  // local names may be any bytes
        send(*s, listener, signals.interface, signals.status,
             g_variant_new("(uusuu)", first, last, text, size, chunk));
        g_free(text);
    };
}

}  // namespace btserver
