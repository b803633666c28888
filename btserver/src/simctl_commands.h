// The commands of bt_simctl: each turns its words into a call of the control interface
// and prints the answer readably.
#pragma once

#include <gio/gio.h>

#include <string>
#include <vector>

namespace simctl {

struct Request {
    std::string method;
    GVariant* args = nullptr;  // floating, or null for none
    const char* replyType = "()";
};

// The control call for a command line after the options; false with a message when the
// command or its arguments are wrong.
bool buildRequest(const std::vector<std::string>& words, Request& out, std::string& error);

// Prints the answer of a control call.
void printReply(const std::string& method, GVariant* reply);

}  // namespace simctl
