// The file-transfer command: listing, moving between and changing a remote device's
// folders, and getting and putting files and folders with a progress line.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "command.h"
#include "local_path.h"
#include "connection_target.h"
#include "corvclient/btsdk.h"
#include "transfer_progress.h"

namespace corvctl {
namespace {

std::atomic<int> s_entries{0};

void printEntry(FTP_FIND_DATA* entry) {
    bool folder = entry->attributes & BTSDK_FTP_ATTR_FOLDER;
    std::printf("%10s  %s  %s%s\n", folder ? "-" : std::to_string(entry->size).c_str(), entry->time,
                entry->name, folder ? "/" : "");
    std::fflush(stdout);
    ++s_entries;
}

// Entries arrive as signals, which may still be on their way when the call returns: the
// listing is complete once they have stopped coming for a while.
void waitForQuiet() {
    int seen = -1;
    while (seen != s_entries.load()) {
        seen = s_entries.load();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
}

// The connection's current remote folder; false after telling the user it cannot be read.
bool currentFolder(BTCONNHDL connection, std::string& folder) {
    char dir[BTSDK_PATH_BUF] = {};
    BTRESULT r = Btsdk_FTPGetRmtDir(connection, dir);
    if (r != BTSDK_OK) {
        fail("cannot read the current folder", r);
        return false;
    }
    folder = dir;
    return true;
}

int printCurrentFolder(BTCONNHDL connection) {
    std::string folder;
    if (!currentFolder(connection, folder)) return 1;
    std::printf("%s\n", folder.c_str());
    return 0;
}

// The name browse_folder takes for the current folder: "/" for the root, else its last part.
std::string browseName(const std::string& folder) {
    size_t slash = folder.find_last_of('/', folder.size() > 1 ? folder.size() - 2 : 0);
    std::string last = slash == std::string::npos ? folder : folder.substr(slash + 1);
    if (!last.empty() && last.back() == '/') last.pop_back();
    return last.empty() ? "/" : last;
}

int list(BTCONNHDL connection) {
    std::string folder;
    if (!currentFolder(connection, folder)) return 1;
    BTRESULT r = Btsdk_FTPBrowseFolder(connection, browseName(folder).c_str(), printEntry, 0);
    if (r != BTSDK_OK) return fail("cannot list the folder", r);
    waitForQuiet();
    return 0;
}

// ls FOLDER: lists the folder without staying in it.
int listOther(BTCONNHDL connection, const std::string& other) {
    std::string before;
    if (!currentFolder(connection, before)) return 1;
    BTRESULT r = Btsdk_FTPSetRmtDir(connection, other.c_str());
    if (r != BTSDK_OK) return fail("cannot open " + other, r);
    int status = list(connection);
    r = Btsdk_FTPSetRmtDir(connection, before.c_str());
    if (r != BTSDK_OK) return fail("cannot go back to " + before, r);
    return status;
}

int changeFolder(BTCONNHDL connection, const std::string& folder) {
    BTRESULT r = folder == ".." ? Btsdk_FTPBackDir(connection)
                                : Btsdk_FTPSetRmtDir(connection, folder.c_str());
    if (r != BTSDK_OK) return fail("cannot change to " + folder, r);
    return printCurrentFolder(connection);
}

// get|put [-r] FROM TO: a file, or with -r a whole folder.
int transfer(BTCONNHDL connection, bool get, const Args& words) {
    bool folder = words.size() == 3 && words[0] == "-r";
    if (words.size() != (folder ? 3u : 2u)) {
        std::fprintf(stderr, "corvctl: ftp %s takes [-r] FROM TO\n", get ? "get" : "put");
        return 2;
    }
    // The service takes local paths as they are: make them absolute here.
    std::string from = words[folder ? 1 : 0], to = words[folder ? 2 : 1];
    (get ? to : from) = absolutePath(get ? to : from);
    auto operation = get ? (folder ? Btsdk_FTPGetDir : Btsdk_FTPGetFile)
                         : (folder ? Btsdk_FTPPutDir : Btsdk_FTPPutFile);
    Btsdk_FTPRegisterStatusCallback(connection, showProgress);
    return runTransfer([&] { return operation(connection, from.c_str(), to.c_str()); },
                       [connection] { Btsdk_FTPCancelTransfer(connection); }, get ? "get" : "put",
                       get ? "got" : "put", from);
}

int remove(BTCONNHDL connection, const Args& words) {
    bool folder = words.size() == 2 && words[0] == "-r";
    if (words.size() != (folder ? 2u : 1u)) {
        std::fprintf(stderr, "corvctl: ftp rm takes [-r] NAME\n");
        return 2;
    }
    const std::string& name = words.back();
    BTRESULT r = folder ? Btsdk_FTPDeleteDir(connection, name.c_str())
                        : Btsdk_FTPDeleteFile(connection, name.c_str());
    if (r != BTSDK_OK) return fail("cannot remove " + name, r);
    std::printf("removed %s\n", name.c_str());
    return 0;
}

int ftp(const Args& args) {
    if (args.size() < 2) {
        std::fprintf(stderr, "corvctl: ftp takes CONN|shc:SHC and an action\n");
        return 2;
    }
    const std::string& action = args[1];
    Args rest(args.begin() + 2, args.end());
    bool known = action == "ls" || action == "pwd" || action == "cd" || action == "get" ||
                 action == "put" || action == "rm" || action == "mkdir";
    if (!known) {
        std::fprintf(stderr, "corvctl: unknown ftp action '%s'\n", action.c_str());
        return 2;
    }
    if ((action == "cd" || action == "mkdir") && rest.size() != 1) {
        std::fprintf(stderr, "corvctl: ftp %s takes one folder\n", action.c_str());
        return 2;
    }
    if ((action == "ls" && rest.size() > 1) || (action == "pwd" && !rest.empty())) {
        std::fprintf(stderr, "corvctl: ftp %s takes %s\n", action.c_str(),
                     action == "ls" ? "at most one folder" : "no arguments");
        return 2;
    }
    BTCONNHDL connection = connectionOf(args[0]);
    if (!connection) return 1;
    if (action == "ls") return rest.size() == 1 ? listOther(connection, rest[0]) : list(connection);
    if (action == "pwd") return printCurrentFolder(connection);
    if (action == "cd") return changeFolder(connection, rest[0]);
    if (action == "get" || action == "put") return transfer(connection, action == "get", rest);
    if (action == "rm") return remove(connection, rest);
    BTRESULT r = Btsdk_FTPCreateDir(connection, rest[0].c_str());
    if (r != BTSDK_OK) return fail("cannot create " + rest[0], r);
    std::printf("created %s\n", rest[0].c_str());
    return 0;
}

}  // namespace

const Command kFileCommands[] = {
    {"ftp", "CONN|shc:SHC ACTION ...",
     "ls [FOLDER], pwd, cd FOLDER|.., get|put [-r] FROM TO, rm [-r] NAME, mkdir NAME", ftp},
    {nullptr, nullptr, nullptr, nullptr},
};

}  // namespace corvctl
