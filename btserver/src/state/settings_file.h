// The suite's settings files, written as their owner: INI text with LF line ends,
// "[section]" headers and "key=value" entries, section names and keys compared without
// regard to ASCII case, a line beginning with # being a comment.
#pragma once

#include <string>

namespace btserver {

// Why the setting cannot be stored so that the settings reader finds it again (a line
// break or a TAB, a key with "=" or surrounding spaces, a line too long for the reader),
// or empty when it can.
std::string settingFault(const std::string& section, const std::string& key,
                         const std::string& value);

// The text with the setting stored: the first entry of the key in any occurrence of the
// section gets the new value in place; a missing key is added at the end of the section's
// first occurrence, a missing section at the end of the text. Every other line is kept.
std::string withSetting(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value);

// Stores the setting in the file, creating a missing file; the new content takes the old
// one's place at once (written to a temporary file in the same folder, then renamed).
bool writeSetting(const std::string& path, const std::string& section, const std::string& key,
                  const std::string& value, std::string& error);

}  // namespace btserver
