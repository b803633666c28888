// Paths inside a device's file-transfer tree as clients name them. "/" is the root; a
// path that starts with "/" is taken from the root, any other from the current folder;
// empty parts and "." stay where they are, ".." goes up a folder. Resolved paths are in
// normal form: "/" or "/Pictures/Holiday 2025", never ending in "/".
#pragma once

#include <string>

namespace btserver {

// False when the path climbs above the root.
bool resolveRemotePath(const std::string& current, const std::string& path, std::string& out);

// The folder that holds a normal path; the root is its own.
std::string remoteParent(const std::string& normal);
// The last part of a normal path; empty for the root.
std::string remoteName(const std::string& normal);
// The local file of a normal path in the tree whose root folder is `tree`.
std::string localOf(const std::string& tree, const std::string& normal);

}  // namespace btserver
