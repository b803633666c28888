// Names for pushed objects, which never replace a file of the same name (file-transfer
// puts do).
#pragma once

#include <string>

namespace btserver {

class TransferSessions;

// The path in the folder under which an object of the name can be stored without
// replacing anything: the name itself when it is free, else the first free of
// "photo (1).jpg", "photo (2).jpg", ... ("notes (1)" for a name without extension). A name
// is taken by anything in the folder, and by a file that a transfer under way will write.
std::string freePath(const TransferSessions& sessions, const std::string& folder,
                     const std::string& name);

}  // namespace btserver
