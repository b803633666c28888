#include "transfer_parts.h"

#include <filesystem>

namespace corvtest {

size_t transferPartsIn(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code failure;
    size_t parts = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, failure)) {
        std::string name = entry.path().filename().string();
        if (name.rfind(".corvane-", 0) == 0 && entry.path().extension() == ".part")
            ++parts;
    }
    return parts;
}

}  // namespace corvtest
