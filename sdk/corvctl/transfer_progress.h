// A transfer as the user follows it: the progress line fed by the library's status
// reports (the bytes of the file's chunks added up, rate and time left, rewritten in place
// on standard error), and
// Ctrl-C, which cancels the transfer in the service instead of leaving it running there.
#pragma once

#include <functional>
#include <string>

#include "corvclient/btsdk_types.h"

namespace corvctl {

// A status callback for Btsdk_FTPRegisterStatusCallback and Btsdk_OPPRegisterStatusCallback.
void showProgress(BTUINT8 first, BTUINT8 last, const char* filename, BTUINT32 filesize,
                  BTUINT32 cursize);

// Exit status of a transfer cancelled with Ctrl-C.
constexpr int kCancelledStatus = 130;

// Runs the blocking transfer; a Ctrl-C meanwhile calls cancel on a thread of its own (a
// second one ends the program at once). Returns the exit status after telling the user
// the outcome: 0 with "<done> <name>" on standard output, kCancelledStatus when the
// transfer ended unfinished after a Ctrl-C, 1 when it failed. verb and name make the
// messages ("cannot get NAME", "get NAME cancelled").
int runTransfer(const std::function<BTRESULT()>& transfer, const std::function<void()>& cancel,
                const char* verb, const char* done, const std::string& name);

}  // namespace corvctl
