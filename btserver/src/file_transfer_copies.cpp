// The file-transfer area's transfers on a connected device: getting files and folders
// from its tree, putting them there, and cancelling. Local paths must be absolute.
//
// A transfer is answered at once. 4 (no such file-transfer connection) and 3 (a transfer
// of the connection runs already) are only answered: the completion that follows belongs
// to the transfer under way. Every other answer is followed by one
// "signal_ftp_transfer_complete": at once with the answer's own result when the call is
// refused (1 no such file or folder, or one that cannot be made; 2 a path outside the
// tree, a relative local path, or a file copied onto itself; 1729 a read-only service),
// else with the transfer's.
//
// Targets follow the rule of cp: a target that is an existing folder receives the file
// or folder under its own name, any other target is the copy's name.
#include <glib/gstdio.h>

#include <algorithm>
#include <filesystem>

#include "area_values.h"
#include "areas.h"
#include "file_transfer_area.h"
#include "file_transfer_paths.h"
#include "service.h"

namespace fs = std::filesystem;

namespace btserver {

namespace {

// The folders a transfer makes before it starts, parents first, and the files it copies.
struct Plan {
    std::vector<std::string> folders;
    std::vector<TransferFile> files;
};

enum class Kind { File, Folder, None };

Kind kindOf(const std::string& path) {
    GStatBuf status;
    if (g_lstat(path.c_str(), &status) != 0)
        return Kind::None;
    return S_ISDIR(status.st_mode) ? Kind::Folder : S_ISREG(status.st_mode) ? Kind::File : Kind::None;
}

std::string textArg(const CallPtr& call, size_t index) {
    const char* text = nullptr;
    g_variant_get_child(call->args(), index, "&s", &text);
    return text;
}

std::string localName(const std::string& path) {
    return fs::path(path).lexically_normal().filename().string();
}

std::string join(const std::string& folder, const std::string& name) {
    if (name.empty())
        return folder;
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// The folder `from` as `to`, its files named in reports by their path under `label`.
bool planFolder(const std::string& from, const std::string& to, const std::string& label,
                Plan& plan) {
    plan.folders.push_back(to);
    std::error_code failure;
    std::vector<TransferFile> files;
    for (fs::recursive_directory_iterator walk(from, failure), end; !failure && walk != end;
         walk.increment(failure)) {
        std::string relative = walk->path().lexically_relative(from).string();
        Kind kind = kindOf(walk->path().string());
        if (kind == Kind::Folder)
            plan.folders.push_back(to + "/" + relative);
        else if (kind == Kind::File)
            files.push_back({walk->path().string(), to + "/" + relative,
                             label.empty() ? relative : label + "/" + relative});
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
        if (failure || kindOf(folder) != Kind::Folder)
            return false;
    }
    return true;
}

// From the device's tree (remote, local) or to it (local, remote); a folder or a file.
struct Direction {
    bool put;
    Kind kind;
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
        bool into = kindOf(localOf(link.tree, normal)) == Kind::Folder;
        target = localOf(link.tree, into ? join(normal, localName(local)) : normal);
    } else {
        bool into = kindOf(local) == Kind::Folder;
        target = into ? join(local, remoteName(normal)) : local;
    }
    std::string label = direction.put ? localName(local) : remoteName(normal);
    if (direction.kind == Kind::File) {
        std::error_code failure;
        if (fs::equivalent(source, target, failure))
            return kResultBadArgument;  // writing it would wipe what is read
        plan.files.push_back({source, target, label});
        return kindOf(fs::path(target).parent_path().string()) == Kind::Folder ? kResultOk
                                                                                : kResultFailed;
    }
    return planFolder(source, target, label, plan) && makeFolders(plan) ? kResultOk : kResultFailed;
}

void complete(Service& service, uint32_t result) {
    service.signals().emit(kFtpInterface, "signal_ftp_transfer_complete",
                           g_variant_new("(u)", result));
}

// get_file and get_dir (connection, remote, local); put_file and put_dir (connection,
// local, remote).
void transfer(Service& service, const CallPtr& call, Direction direction) {
    uint32_t handle = wordArg(call, 0);
    FtpLink link;
    uint32_t result = findFtpLink(service, handle, link);
    if (result == kResultOk && service.transfers().running(handle))
        result = kResultBusy;
    if (result != kResultOk)
        return call->reply(g_variant_new("(u)", result));
    std::string first = textArg(call, 1), second = textArg(call, 2);
    Plan plan;
    if (direction.put && link.link.service->readOnly)
        result = kResultReadOnly;
    else
        result = planTransfer(link, direction.put ? first : second, direction.put ? second : first,
                              direction, plan);
    call->reply(g_variant_new("(u)", result));
    if (result != kResultOk)
        return complete(service, result);
    Service* s = &service;
    service.transfers().keep(TransferJob::start(
        service, handle, std::move(plan.files),
        statusSignal(service, kFtpInterface, "signal_ftp_file_transfer_status"),
        [s](uint32_t done) { complete(*s, done); }, linkAlive(service, handle)));
}

// (connection): the transfer under way ends with 8; 1 when none runs.
void cancel(Service& service, const CallPtr& call) {
    uint32_t handle = wordArg(call, 0);
    FtpLink link;
    uint32_t result = findFtpLink(service, handle, link);
    TransferJob* job = result == kResultOk ? service.transfers().running(handle) : nullptr;
    if (job)
        job->stop(kResultCancelled);
    else if (result == kResultOk)
        result = kResultFailed;
    call->reply(g_variant_new("(u)", result));
}

}  // namespace

void addFileTransferCopies(Service& service) {
    const std::pair<const char*, Direction> methods[] = {
        {"get_file", {false, Kind::File}},
        {"get_dir", {false, Kind::Folder}},
        {"put_file", {true, Kind::File}},
        {"put_dir", {true, Kind::Folder}},
    };
    Service* s = &service;
    for (const auto& [name, direction] : methods)
        service.dispatcher().add(kFtpInterface, name, [s, direction = direction](const CallPtr& call) {
            transfer(*s, call, direction);
        });
    service.dispatcher().add(kFtpInterface, "cancel_transfer",
                             [s](const CallPtr& call) { cancel(*s, call); });
}

}  // namespace btserver
