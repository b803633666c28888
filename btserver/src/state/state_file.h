// Files of the state folder: read whole, and replaced at once, so that a reader never
// sees half of one.
#pragma once

#include <string>

namespace btserver {

// The file's text, empty for a missing file; false with the reason when it cannot be read.
bool readStateFile(const std::string& path, std::string& text, std::string& error);

// Gives the file the text, with the permissions `mode` (written to a temporary file in
// the same folder, then renamed over the file); false with the reason when it cannot.
bool replaceStateFile(const std::string& path, const std::string& text, int mode,
                      std::string& error);

}  // namespace btserver
