#include "world/scenario_files.h"

#include <glib.h>

namespace btserver {

namespace {

// The device's folder in the state folder is named by its ID.
bool usableId(const std::string& id) {
    return !id.empty() && id != "." && id != ".." && id.find('/') == std::string::npos;
}

std::string absoluteFrom(const std::string& folder, const std::string& path) {
    return g_path_is_absolute(path.c_str()) ? path : folder + "/" + path;
}

}  // namespace

bool resolveScenarioFiles(World& world, const std::string& folder, bool mustExist,
                          std::string& error) {
    for (RemoteDevice& device : world.devices) {
        if (!usableId(device.id)) {
            error = "[Device " + device.id + "] the ID cannot name a folder";
            return false;
        }
        for (RemoteService& service : device.services) {
            std::string group = "[Service " + device.id + "] ";
            if (!service.files.empty()) {
                service.files = absoluteFrom(folder, service.files);
                if (mustExist && !g_file_test(service.files.c_str(), G_FILE_TEST_IS_DIR)) {
                    error = group + "Files " + service.files + " is not a folder";
                    return false;
                }
            }
            if (!service.card.empty()) {
                service.card = absoluteFrom(folder, service.card);
                if (mustExist && !g_file_test(service.card.c_str(), G_FILE_TEST_IS_REGULAR)) {
                    error = group + "Card " + service.card + " is not a file";
                    return false;
                }
            }
        }
    }
    return true;
}

}  // namespace btserver
