// Files that remote devices send to this computer's servers, driven by the control
// interface:
//   DevicePutsFile(s device, s source_path, s name)
//       the device puts a copy of the local file into the folder registered by
//       register_ftp_service, as `name` (the source's name when empty), with
//       "signal_ftp_file_transfer_status" reports, then "signal_ftp_deal_receive_file"
//       with status 0x06A00300 and the name. Refused while no folder is registered or
//       its access word lacks bit 0 (remote devices may write).
//   DevicePushesFile(s device, s source_path)
//       the device pushes a copy of the local file into the inbox registered by
//       register_opp_service (made when missing), under a free name when its own is taken
//       (free_names.h), with "signal_opp_file_transfer_status" reports, then
//       "signal_opp_deal_receive_file" with status 0x06A00203 and the name used. A device
//       that is not trusted asks first (authorizations.h): "authorization_request_ind"
//       (object-push server, device); only an answer that allows it lets the file move.
//       A refusal, no answer within AuthorizationTimeout, or a reset meanwhile writes
//       nothing and answers an error saying the push was refused.
// The file travels on the device's incoming connection to the local server of the area's
// class (0x1106, 0x1105), which the service makes for it when the device has none and
// ends once the file is over (incoming_links.h); so the server is in use (3) while the
// file moves. Refused when the area has no local server, it is stopped, or the device is
// out of range. The file counts to the connection's received bytes, and the copy fails
// if the connection drops. The received-file record is laid out in
// records/transfer_records.h.
// Neither sends a completion signal: those end a client's own transfers. Each answers
// once the file is there; a reset on the way makes it fail.
#pragma once

#include <gio/gio.h>

#include <functional>
#include <string>

namespace btserver {

class Service;

bool isTransferEvent(const char* method);
// Starts the event; `done` is called once, with the error text or empty when done.
// The answer may wait for the user's authorisation, then for the file.
void runTransferEvent(Service& service, const char* method, GVariant* args,
                      std::function<void(const std::string& error)> done);

}  // namespace btserver
