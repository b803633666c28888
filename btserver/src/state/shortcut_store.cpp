#include "state/shortcut_store.h"

#include <glib.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "records/records.h"
#include "state/state_file.h"
#include "world/scenario_values.h"

namespace btserver {

namespace {

std::string addressText(const BdAddr& address) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", address[5], address[4],
                  address[3], address[2], address[1], address[0]);
    return text;
}

std::string hexText(const Bytes& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

struct StoredShortcut {
    BdAddr address{};
    Shortcut shortcut;
};

// One line of the file; false when it is not a whole shortcut record.
bool parseLine(const std::string& line, StoredShortcut& out) {
    size_t space = line.find(' ');
    Bytes image;
    if (space == std::string::npos || !parseAddress(line.substr(0, space), out.address) ||
        !parseHexBytes(line.substr(space + 1), image) || !readShortcutHeader(image, out.shortcut))
        return false;
    carriedBlock(image, out.shortcut.block);
    return out.shortcut.handle != 0 &&
           image.size() == kShortcutHeaderBytes + out.shortcut.block.size();
}

// The stored shortcut bound to the world's device and service (the one it names when the
// device still has it, else the first of its class), or false when the world has no
// device of its address or the device no service of its class.
bool bind(World& world, const BdAddr& address, Shortcut& shortcut) {
    for (const RemoteDevice& device : world.devices) {
        const RemoteService* service = device.serviceWithHandle(shortcut.service, shortcut.serviceClass);
        if (!service)
            service = device.serviceOfClass(shortcut.serviceClass);
        if (device.address != address || !service)
            continue;
        shortcut.device = device.handle;
        shortcut.service = service->handle;
        shortcut.connection = 0;
        return true;
    }
    return false;
}

}  // namespace

std::string shortcutFile(const std::string& stateDir) {
    return stateDir + "/shortcuts";
}

bool saveShortcuts(const std::string& path, const World& world, std::string& error) {
    std::string text = "# bt_server shortcuts: device address, then the property record in hex\n";
    for (const Shortcut& shortcut : world.shortcuts) {
        const BdAddr* address = nullptr;
        for (const RemoteDevice& device : world.devices)
            if (device.handle == shortcut.device)
                address = &device.address;
        if (address)
            text += addressText(*address) + " " + hexText(shortcutRecord(shortcut)) + "\n";
    }
    return replaceStateFile(path, text, 0600, error);
}

bool loadShortcuts(const std::string& path, World& world, std::string& error) {
    std::string contents;
    if (!readStateFile(path, contents, error))
        return false;
    gchar** lines = g_strsplit(contents.c_str(), "\n", -1);
    std::vector<StoredShortcut> stored;
    std::set<uint32_t> handles;
    int number = 0;
    for (gchar** line = lines; *line && error.empty(); ++line) {
        ++number;
        if (**line == '\0' || **line == '#')
            continue;
        StoredShortcut item;
        if (!parseLine(*line, item) || !handles.insert(item.shortcut.handle).second)
            error = path + ":" + std::to_string(number) + " is not a shortcut";
        stored.push_back(item);
    }
    g_strfreev(lines);
    if (!error.empty())
        return false;
    for (StoredShortcut& item : stored) {
        if (bind(world, item.address, item.shortcut))
            world.shortcuts.push_back(item.shortcut);
        world.nextHandle = std::max(world.nextHandle, item.shortcut.handle + 1);
    }
    return true;
}

}  // namespace btserver
