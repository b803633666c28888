// The file-transfer area's transfers on a connected device: getting files and folders
// from its tree, putting them there, and cancelling. Local paths must be absolute.
//
// A transfer is answered at once and completes as transfer_calls.h says. It is refused
// with 1 for no such file or folder, or one that cannot be made; 2 for a path outside the
// tree, a relative local path, or a file copied onto itself; 1729 for a read-only service.
//
// Targets follow the rule of cp: a target that is an existing folder receives the file
// or folder under its own name, any other target is the copy's name.
#include <algorithm>
#include <filesystem>

#include "core/core.h"
#include "service.h"
#include "transfers/file_kind.h"
#include "transfers/remote_paths.h"
#include "transfers/transfer_calls.h"
#include "transfers/transfer_link.h"
#include "transfers/transfers.h"
#include "world/service_classes.h"

namespace fs = std::filesystem;

namespace btserver {

namespace {

// The folders a transfer makes before it starts, parents first, and the files it copies.
struct Plan {
    std::vector<std::string> folders;
    std::vector<TransferFile> files;
};

std::string localName(const std::string& path) {
    return fs::path(path).lexically_normal().filename().string();
}

std::string join(const std::string& folder, const std::string& name) {
    if (name.empty())
        return folder;
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// The folder `from` as `to`, its files named in reports by their path under `label`, sent
// to the device when `put`.
bool planFolder(const std::string& from, const std::string& to, const std::string& label, bool put,
                Plan& plan) {
    plan.folders.push_back(to);
    std::error_code failure;
    std::vector<TransferFile> files;
    for (fs::recursive_directory_iterator walk(from, failure), end; !failure && walk != end;
         walk.increment(failure)) {
        std::string relative = walk->path().lexically_relative(from).string();
        FileKind kind = kindOf(walk->path().string());
        if (kind == FileKind::Folder)
            plan.folders.push_back(to + "/" + relative);
        else if (kind == FileKind::File)
            files.push_back({walk->path().string(), to + "/" + relative,
                             label.empty() ? relative : label + "/" + relative, put});
    }
    std::sort(files.begin(), files.end(),
              [](const TransferFile& a, const TransferFile& b) { return a.name < b.name; });
    plan.files.insert(plan.files.end(), files.begin(), files.end());
    return !failure;
}

bool makeFolders(const Plan& plan) {
    for (const std::string& folder : plan.folders) {
        std::error_code failure;
        fs::create_directories(folder, failure);
        if (failure || kindOf(folder) != FileKind::Folder)
            return false;
    }
    return true;
}

// From the device's tree (remote, local) or to it (local, remote); a folder or a file.
struct Direction {
    bool put;
    FileKind kind;
};

// The plan of a transfer, or the result that refuses it.
uint32_t planTransfer(const FtpLink& link, const std::string& local, const std::string& remote,
                      Direction direction, Plan& plan) {
    std::string normal;
    if (!absoluteLocal(local) || resolveIn(link, remote, normal) != kResultOk)
        return kResultBadArgument;
    std::string source = direction.put ? local : localOf(link.tree, normal);
    if (kindOf(source) != direction.kind)
        return kResultFailed;
    std::string target;
    if (direction.put) {
        bool into = kindOf(localOf(link.tree, normal)) == FileKind::Folder;
        target = localOf(link.tree, into ? join(normal, localName(local)) : normal);
    } else {
        bool into = kindOf(local) == FileKind::Folder;
        target = into ? join(local, remoteName(normal)) : local;
    }
    std::string label = direction.put ? localName(local) : remoteName(normal);
    if (direction.kind == FileKind::File) {
        std::error_code failure;
        if (fs::equivalent(source, target, failure))
            return kResultBadArgument;  // writing it would wipe what is read
        plan.files.push_back({source, target, label, direction.put});
        bool parentThere = kindOf(fs::path(target).parent_path().string()) == FileKind::Folder;
        return parentThere ? kResultOk : kResultFailed;
    }
    return planFolder(source, target, label, direction.put, plan) && makeFolders(plan)
               ? kResultOk
               : kResultFailed;
}

// get_file and get_dir (connection, remote, local); put_file and put_dir (connection,
// local, remote).
void transfer(Service& service, const CallPtr& call, Direction direction) {
    uint32_t handle = wordArg(call, 0);
    std::string first = textArg(call, 1), second = textArg(call, 2);
    FtpLink link;
    Plan plan;
    uint32_t result = unlessBusy(service, handle, findFtpLink(service, handle, link));
    if (result == kResultOk && direction.put && link.link.service->readOnly)
        result = kResultReadOnly;
    else if (result == kResultOk)
        result = planTransfer(link, direction.put ? first : second, direction.put ? second : first,
                              direction, plan);
    startTransfer(service, call, kFtpSignals, handle, result, std::move(plan.files));
}

void getFile(Service& service, const CallPtr& call) {
    transfer(service, call, {false, FileKind::File});
}

void getFolder(Service& service, const CallPtr& call) {
    transfer(service, call, {false, FileKind::Folder});
}

void putFile(Service& service, const CallPtr& call) {
    transfer(service, call, {true, FileKind::File});
}

void putFolder(Service& service, const CallPtr& call) {
    transfer(service, call, {true, FileKind::Folder});
}

void cancel(Service& service, const CallPtr& call) {
    cancelTransfer(service, call, kFileTransferClass);
}

}  // namespace

void addFileTransferCopies(Service& service) {
    service.dispatcher().addEach(kFtpInterface, service,
                                 {{"get_file", getFile},
                                  {"get_dir", getFolder},
                                  {"put_file", putFile},
                                  {"put_dir", putFolder},
                                  {"cancel_transfer", cancel}});
}

}  // namespace btserver
