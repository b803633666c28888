#include "state/device_folder.h"

#include <glib.h>

#include <filesystem>

#include "world/service_classes.h"

namespace fs = std::filesystem;

namespace btserver {

namespace {

std::string deviceFolder(const std::string& stateDir, const RemoteDevice& device) {
    return stateDir + "/devices/" + device.id;
}

bool makeFolder(const std::string& path, std::string& error) {
    std::error_code failure;
    fs::create_directories(path, failure);
    if (failure)
        error = "cannot make " + path + ": " + failure.message();
    return !failure;
}

// A vCard 3.0 with the device's name, its text escaped as vCard values want.
std::string cardOf(const RemoteDevice& device) {
    std::string name;
    for (char c : device.name) {
        if (c == '\\' || c == ',' || c == ';')
            name += '\\';
        name += c;
    }
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name + "\r\nN:" + name + ";;;;\r\nEND:VCARD\r\n";
}

void writeCard(const std::string& stateDir, const RemoteDevice& device, const RemoteService& push) {
    std::string target = cardFile(stateDir, device);
    std::error_code failure;
    if (!push.card.empty()) {
        if (!fs::copy_file(push.card, target, fs::copy_options::overwrite_existing, failure))
            g_printerr("bt_server: device %s: cannot copy its card %s: %s\n", device.id.c_str(),
                       push.card.c_str(), failure.message().c_str());
        return;
    }
    std::string text = cardOf(device);
    GError* problem = nullptr;
    if (!g_file_set_contents(target.c_str(), text.data(), static_cast<gssize>(text.size()),
                             &problem)) {
        g_printerr("bt_server: device %s: %s\n", device.id.c_str(), problem->message);
        g_error_free(problem);
    }
}

// Copies the regular files and folders under `from` into `to` (made when missing),
// keeping their modification times; other kinds of entries are skipped. False with a
// message on the first failure.
bool copyTree(const std::string& from, const std::string& to, std::string& error) {
    std::error_code failure;
    fs::create_directories(to, failure);
    fs::recursive_directory_iterator walk, end;
    if (!failure)
        walk = fs::recursive_directory_iterator(from, failure);
    for (; !failure && walk != end; walk.increment(failure)) {
        const fs::path target = fs::path(to) / walk->path().lexically_relative(from);
        fs::file_status status = walk->symlink_status(failure);
        if (fs::is_directory(status))
            fs::create_directory(target, failure);
        else if (fs::is_regular_file(status))
            fs::copy_file(walk->path(), target, fs::copy_options::overwrite_existing, failure);
        else
            continue;
        if (!failure)
            fs::last_write_time(target, fs::last_write_time(walk->path()), failure);
    }
    if (failure)
        error = "cannot copy " + from + " to " + to + ": " + failure.message();
    return !failure;
}

}  // namespace

std::string treeFolder(const std::string& stateDir, const RemoteDevice& device) {
    return deviceFolder(stateDir, device) + "/files";
}

std::string inboxFolder(const std::string& stateDir, const RemoteDevice& device) {
    return deviceFolder(stateDir, device) + "/inbox";
}

std::string cardFile(const std::string& stateDir, const RemoteDevice& device) {
    return deviceFolder(stateDir, device) + "/" + device.id + ".vcf";
}

void prepareDeviceFolders(const World& world, const std::string& stateDir) {
    std::error_code ignored;
    fs::remove_all(stateDir + "/devices", ignored);
    for (const RemoteDevice& device : world.devices) {
        const RemoteService* transfer = device.serviceOfClass(kFileTransferClass);
        const RemoteService* push = device.serviceOfClass(kObjectPushClass);
        std::string tree = treeFolder(stateDir, device), error;
        if (transfer && !(transfer->files.empty() ? makeFolder(tree, error)
                                                  : copyTree(transfer->files, tree, error)))
            g_printerr("bt_server: device %s: %s\n", device.id.c_str(), error.c_str());
        if (push && !makeFolder(inboxFolder(stateDir, device), error))
            g_printerr("bt_server: device %s: %s\n", device.id.c_str(), error.c_str());
        if (push)
            writeCard(stateDir, device, *push);
    }
}

}  // namespace btserver
