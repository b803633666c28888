// The commands of bt_simctl, the main header of simctl/ (the tool that drives bt_server
// through its control interface; simctl_main.cpp reads its command line): each command
// turns its words into a call of the control interface and prints the answer readably.
// It builds on the bus connection of bus/ and the value parsers of world/.
#pragma once

#include <gio/gio.h>

#include <string>
#include <vector>

namespace simctl {

struct Request {
    std::string method;
    GVariant* args = nullptr;  // floating, or null for none
    const char* replyType = "()";
    // How long to wait for the answer. A file that a device sends is answered once it is
    // over, or refused, perhaps after the user's authorisation: that answer always comes.
    int timeoutMs = 10000;
};

// The control call for a command line after the options; false with a message when the
// command or its arguments are wrong.
bool buildRequest(const std::vector<std::string>& words, Request& out, std::string& error);

// Prints the answer of a control call.
void printReply(const std::string& method, GVariant* reply);

}  // namespace simctl
