#include "transfers/remote_paths.h"

#include <vector>

namespace btserver {

bool resolveRemotePath(const std::string& current, const std::string& path, std::string& out) {
    std::string whole = !path.empty() && path[0] == '/' ? path : current + "/" + path;
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= whole.size()) {
        size_t end = whole.find('/', start);
        if (end == std::string::npos)
            end = whole.size();
        std::string part = whole.substr(start, end - start);
        if (part == "..") {
            if (parts.empty())
                return false;
            parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    out.clear();
    for (const std::string& part : parts) out += "/" + part;
    if (out.empty())
        out = "/";
    return true;
}

std::string remoteParent(const std::string& normal) {
    size_t slash = normal.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : normal.substr(0, slash);
}

std::string remoteName(const std::string& normal) {
    return normal == "/" ? std::string() : normal.substr(normal.rfind('/') + 1);
}

std::string localOf(const std::string& tree, const std::string& normal) {
    return normal == "/" ? tree : tree + normal;
}

}  // namespace btserver
