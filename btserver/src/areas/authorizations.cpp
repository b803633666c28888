#include "areas/authorizations.h"

#include <algorithm>

#include "core/core.h"
#include "service.h"

namespace btserver {

void Authorizations::ask(uint32_t service, uint32_t device, Answered answered) {
    uint32_t id = nextId_++;
    bool waited = static_cast<bool>(answered);
    pending_.push_back({id, service, device, std::move(answered)});
    service_.signals().emit(kCallbackInterface, "authorization_request_ind",
                            g_variant_new("(uu)", service, device));
    if (!waited)
        return;
    service_.timers().after(service_.world().timing.authorizationTimeoutMs, [this, id] {
        auto request = std::find_if(pending_.begin(), pending_.end(),
                                    [id](const Request& r) { return r.id == id; });
        if (request != pending_.end())
            settle(request, Verdict::TimedOut);
    });
}

bool Authorizations::answer(uint32_t service, uint32_t device, uint32_t answer) {
    auto request = std::find_if(pending_.begin(), pending_.end(), [&](const Request& r) {
        return r.service == service && r.device == device;
    });
    if (request == pending_.end())
        return false;
    settle(request, answer == 1 ? Verdict::Allowed : Verdict::Refused);
    return true;
}

void Authorizations::reset() {
    std::vector<Request> dropped;
    dropped.swap(pending_);
    for (Request& request : dropped)
        if (request.answered)
            request.answered(Verdict::Reset);
}

void Authorizations::settle(std::vector<Request>::iterator request, Verdict verdict) {
    Answered answered = std::move(request->answered);
    pending_.erase(request);
    if (answered)
        answered(verdict);
}

}  // namespace btserver
