// Local paths as the service takes them: absolute.
#pragma once

#include <filesystem>
#include <string>

namespace corvctl {

inline std::string absolutePath(const std::string& path) {
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.lexically_normal().string();
}

}  // namespace corvctl
