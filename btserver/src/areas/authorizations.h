// The authorisations that remote devices ask the user for: "authorization_request_ind"
// (service, device), pending until "authorization_response" (service, device, answer)
// answers the oldest request of that pair; answer 1 allows, any other refuses. A request
// that the service makes for itself (a push from a device that is not trusted) hears the
// answer, a refusal once the scenario's AuthorizationTimeout has passed unanswered, or the
// end of the world it was asked in (a reset or a new scenario).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace btserver {

class Service;

enum class Verdict { Allowed, Refused, TimedOut, Reset };

class Authorizations {
public:
    using Answered = std::function<void(Verdict)>;

    explicit Authorizations(Service& service) : service_(service) {}
    Authorizations(const Authorizations&) = delete;
    Authorizations& operator=(const Authorizations&) = delete;

    // Asks the clients; with `answered`, it hears how the request ends.
    void ask(uint32_t service, uint32_t device, Answered answered = {});
    // Answers the oldest pending request of the pair; false when none is pending.
    bool answer(uint32_t service, uint32_t device, uint32_t answer);
    // Forgets every request; those waiting hear Verdict::Reset.
    void reset();

private:
    struct Request {
        uint32_t id, service, device;
        Answered answered;
    };
    // Removes the request, then tells its waiter the verdict.
    void settle(std::vector<Request>::iterator request, Verdict verdict);

    Service& service_;
    std::vector<Request> pending_;
    uint32_t nextId_ = 1;
};

}  // namespace btserver
