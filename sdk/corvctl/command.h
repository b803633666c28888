// corvctl's subcommands: each takes its own arguments and returns the exit status.
#pragma once

#include <string>
#include <vector>

namespace corvctl {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;  // arguments, shown by --help
    const char* summary;
    int (*run)(const Args& args);
};

// The commands of one group, ended by a row whose name is null.
extern const Command kLocalCommands[];
extern const Command kDeviceCommands[];
extern const Command kServiceCommands[];
extern const Command kShortcutCommands[];
extern const Command kFileCommands[];
extern const Command kProfileCommands[];

// A handle given in decimal or 0x-hex.
bool parseHandle(const std::string& text, unsigned* value);

// Prints "corvctl: <text>" and the result code on standard error; returns 1.
int fail(const std::string& text, unsigned result);

}  // namespace corvctl
