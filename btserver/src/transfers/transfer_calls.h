// What the get, put, push, pull and cancel calls of file transfer and object push share:
// the signals of each area's transfers, starting a transfer or refusing it, and
// cancelling the one under way.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/call.h"
#include "core/interface_names.h"
#include "transfers/transfer_job.h"

namespace btserver {

class Service;

// The signals of one area's transfers: the reports of each file, the completion that a
// client waits for after every get, put, push or pull call, and the notice of a file that
// a remote device sent.
struct TransferSignals {
    const char* interface;
    const char* status;
    const char* complete;
    const char* received;
};

inline constexpr TransferSignals kFtpSignals{kFtpInterface, "signal_ftp_file_transfer_status",
                                             "signal_ftp_transfer_complete",
                                             "signal_ftp_deal_receive_file"};
inline constexpr TransferSignals kOppSignals{kOppInterface, "signal_opp_file_transfer_status",
                                             "signal_opp_transfer_complete",
                                             "signal_opp_deal_receive_file"};

// The result of a transfer call on a connection whose link check gave `linkResult`: 3 when
// the link is good but a transfer of the connection runs already.
uint32_t unlessBusy(Service& service, uint32_t connection, uint32_t linkResult);

// Who hears a transfer's reports and its completion: the client whose call started it, or
// every receiver (none given) for a transfer that a device started.
using Listener = std::optional<Recipient>;

// Answers a get, put, push or pull call at once with `result`. With 0 the transfer of the
// files starts on the connection and its completion signal follows when it ends; its
// reports and completion go to the caller alone. A client
// waits for that signal after every such call, whatever the answer, so a refusal (1, 2, 4
// for no such connection or one that has just dropped, 1729) completes at once with the
// same result; all but busy (3), which sends none.
void startTransfer(Service& service, const CallPtr& call, const TransferSignals& signals,
                   uint32_t connection, uint32_t result, std::vector<TransferFile> files);

// cancel_transfer (connection) of the area whose connections are of the class: the
// transfer under way ends with 8; 1 when none runs, 4 for no such connection.
void cancelTransfer(Service& service, const CallPtr& call, uint16_t serviceClass);

// register_status_cbk (connection) of the area whose connections are of the class: 0 for
// such a connection, or for 0 (the local server's reports); else 4.
void registerStatusReports(Service& service, const CallPtr& call, uint16_t serviceClass);

// register_deal_receive_file_cbk () of either area: 0. The notices of received files need
// no registration: every client gets the signals.
void registerReceiveReports(Service& service, const CallPtr& call);

// Sends each report of a transfer as the area's (first, last, filename, filesize,
// cursize) status signal to the listener; a name that is not UTF-8 has its faulty bytes
// replaced.
TransferJob::Report statusReports(Service& service, const TransferSignals& signals,
                                  Listener listener);

}  // namespace btserver
