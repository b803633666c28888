// The file-transfer area's folders on a connected device: the current folder and moving
// through the tree, listing a folder as browse entries, deleting and making entries.
#include <glib/gstdio.h>

#include <algorithm>
#include <filesystem>

#include "core/core.h"
#include "records/records.h"
#include "service.h"
#include "transfers/file_kind.h"
#include "transfers/remote_paths.h"
#include "transfers/transfer_link.h"
#include "transfers/transfers.h"

namespace fs = std::filesystem;

namespace btserver {

namespace {

bool isFolder(const std::string& path) {
    return kindOf(path) == FileKind::Folder;
}

void reply(const CallPtr& call, uint32_t result) {
    call->reply(g_variant_new("(u)", result));
}

// (connection) → (folder, result)
void currentFolder(Service& service, const CallPtr& call) {
    FtpLink link;
    uint32_t result = findFtpLink(service, wordArg(call, 0), link);
    call->reply(g_variant_new("(su)", result == kResultOk ? link.folder->c_str() : "", result));
}

// (connection, folder): 1 when the folder is not one of the tree's.
void changeFolder(Service& service, const CallPtr& call) {
    FtpLink link;
    std::string normal;
    uint32_t result = findFtpLink(service, wordArg(call, 0), link);
    if (result == kResultOk)
        result = resolveIn(link, textArg(call, 1), normal);
    if (result == kResultOk && !isFolder(localOf(link.tree, normal)))
        result = kResultFailed;
    if (result == kResultOk)
        *link.folder = normal;
    reply(call, result);
}

// (connection): to the parent folder; 2 at the root.
void backFolder(Service& service, const CallPtr& call) {
    FtpLink link;
    uint32_t result = findFtpLink(service, wordArg(call, 0), link);
    if (result == kResultOk && *link.folder == "/")
        result = kResultBadArgument;
    if (result == kResultOk)
        *link.folder = remoteParent(*link.folder);
    reply(call, result);
}

// The folders and regular files of a local folder, folders first, each part by name.
std::vector<BrowseEntry> entriesOf(const std::string& path) {
    std::vector<BrowseEntry> entries;
    std::error_code failure;
    for (const fs::directory_entry& item : fs::directory_iterator(path, failure)) {
        GStatBuf status;
        if (g_lstat(item.path().c_str(), &status) != 0 ||
            !(S_ISDIR(status.st_mode) || S_ISREG(status.st_mode)))
            continue;
        BrowseEntry entry;
        entry.name = item.path().filename().string();
        entry.folder = S_ISDIR(status.st_mode);
        entry.size = entry.folder ? 0 : static_cast<uint64_t>(status.st_size);
        entry.modified = status.st_mtime;
        entries.push_back(entry);
    }
    std::sort(entries.begin(), entries.end(), [](const BrowseEntry& a, const BrowseEntry& b) {
        return a.folder != b.folder ? a.folder : a.name < b.name;
    });
    return entries;
}

// (connection, folder, flag): one "signal_ftp_show_browse_file" per entry, to the caller
// alone, all sent before the answer. An empty folder text, or the current folder's own
// name ("/" at the root), lists the current folder; any other names a folder as paths do.
// The flag is not used.
void browse(Service& service, const CallPtr& call) {
    FtpLink link;
    std::string named = textArg(call, 1), normal;
    uint32_t result = findFtpLink(service, wordArg(call, 0), link);
    if (result == kResultOk && (named.empty() || named == remoteName(*link.folder)))
        normal = *link.folder;
    else if (result == kResultOk)
        result = resolveIn(link, named, normal);
    if (result == kResultOk && !isFolder(localOf(link.tree, normal)))
        result = kResultFailed;
    if (result == kResultOk)
        for (const BrowseEntry& entry : entriesOf(localOf(link.tree, normal)))
            service.signals().emitTo(call->caller(), kFtpInterface, "signal_ftp_show_browse_file",
                                     g_variant_new("(@ay)", byteArray(browseRecord(entry))));
    reply(call, result);
}

// Checks a change of the link's tree at the path: 0, 1729 read-only, 2 outside the tree or
// at its root.
uint32_t changeable(Service& service, const CallPtr& call, FtpLink& link, std::string& normal) {
    uint32_t result = findFtpLink(service, wordArg(call, 0), link);
    if (result == kResultOk && link.link.service->readOnly)
        result = kResultReadOnly;
    if (result == kResultOk)
        result = resolveIn(link, textArg(call, 1), normal);
    if (result == kResultOk && normal == "/")
        result = kResultBadArgument;
    return result;
}

// (connection, name): 1 when it is not a file.
void deleteFile(Service& service, const CallPtr& call) {
    FtpLink link;
    std::string normal;
    uint32_t result = changeable(service, call, link, normal);
    std::string path = localOf(link.tree, normal);
    if (result == kResultOk && (kindOf(path) != FileKind::File || g_remove(path.c_str()) != 0))
        result = kResultFailed;
    reply(call, result);
}

// (connection, name): the folder with everything in it; 1 when it is not a folder. The
// device's connections whose current folder was inside go to the folder's parent.
void deleteFolder(Service& service, const CallPtr& call) {
    FtpLink link;
    std::string normal;
    uint32_t result = changeable(service, call, link, normal);
    std::error_code failure;
    if (result == kResultOk &&
        (!isFolder(localOf(link.tree, normal)) ||
         fs::remove_all(localOf(link.tree, normal), failure) == static_cast<std::uintmax_t>(-1)))
        result = kResultFailed;
    if (result == kResultOk)
        for (auto& [handle, folder] : service.transfers().folders()) {
            Connection* other = service.world().connection(handle);
            bool inside = folder == normal || folder.rfind(normal + "/", 0) == 0;
            if (other && other->device == link.link.device->handle && inside)
                folder = remoteParent(normal);
        }
    reply(call, result);
}

// (connection, name): 1 when the entry exists or its parent folder does not.
void createFolder(Service& service, const CallPtr& call) {
    FtpLink link;
    std::string normal;
    uint32_t result = changeable(service, call, link, normal);
    if (result == kResultOk && g_mkdir(localOf(link.tree, normal).c_str(), 0755) != 0)
        result = kResultFailed;
    reply(call, result);
}

}  // namespace

void addFileTransferFolders(Service& service) {
    service.dispatcher().addEach(kFtpInterface, service,
                                 {{"get_rmt_dir", currentFolder},
                                  {"set_rmt_dir", changeFolder},
                                  {"back_dir", backFolder},
                                  {"browse_folder", browse},
                                  {"delete_file", deleteFile},
                                  {"delete_dir", deleteFolder},
                                  {"create_dir", createFolder}});
}

}  // namespace btserver
