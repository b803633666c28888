#include "state/settings_file.h"

#include <glib.h>
#include <sys/stat.h>

#include <vector>

#include "state/state_file.h"

namespace btserver {

namespace {

// The reader takes lines of at most 511 characters, the line end included.
constexpr size_t kMaxLine = 511;

std::string withoutCr(const std::string& line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

bool isHeader(const std::string& line) {
    std::string bare = withoutCr(line);
    return bare.size() >= 2 && bare.front() == '[' && bare.back() == ']';
}

std::string headerName(const std::string& line) {
    std::string bare = withoutCr(line);
    return bare.substr(1, bare.size() - 2);
}

// The key of an entry line: from its first non-space character up to the first "=";
// none for a comment or a line without "=".
bool entryKey(const std::string& line, std::string& key) {
    size_t equals = line.find('=');
    if (line.empty() || line[0] == '#' || equals == std::string::npos)
        return false;
    size_t start = line.find_first_not_of(' ');
    key = line.substr(start, equals - start);
    return true;
}

bool sameName(const std::string& a, const std::string& b) {
    return g_ascii_strcasecmp(a.c_str(), b.c_str()) == 0;
}

bool isBlank(const std::string& line) {
    return withoutCr(line).find_first_not_of(" \t") == std::string::npos;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::string settingFault(const std::string& section, const std::string& key,
                         const std::string& value) {
    if (section.empty() || section.find_first_of("]\r\n") != std::string::npos)
        return "the section name is empty or holds \"]\" or a line break";
    if (key.empty() || key.find_first_of("=\t\r\n") != std::string::npos || key.front() == ' ' ||
        key.back() == ' ' || key.front() == '#' || key.front() == '[')
        return "the key is empty, holds \"=\", a TAB or a line break, or is framed by spaces";
    if (value.find_first_of("\t\r\n") != std::string::npos)
        return "the value holds a TAB or a line break";
    if (section.size() + 3 > kMaxLine || key.size() + value.size() + 2 > kMaxLine)
        return "the line would be longer than " + std::to_string(kMaxLine) + " characters";
    return {};
}

std::string withSetting(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value) {
    std::vector<std::string> lines = splitLines(text);
    std::string entry = key + "=" + value;
    bool inSection = false;
    int occurrence = 0;
    size_t insertAt = std::string::npos;
    std::string lineKey;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (isHeader(lines[i])) {
            inSection = sameName(headerName(lines[i]), section);
            if (inSection && ++occurrence == 1)
                insertAt = i + 1;
        } else if (inSection && entryKey(lines[i], lineKey) && sameName(lineKey, key)) {
            lines[i] = entry;
            insertAt = std::string::npos;
            break;
        } else if (inSection && occurrence == 1 && !isBlank(lines[i])) {
            insertAt = i + 1;
        }
    }
    if (occurrence == 0) {
        if (!lines.empty() && !isBlank(lines.back()))
            lines.emplace_back();
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    } else if (insertAt != std::string::npos) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    }
    std::string result;
    for (const std::string& line : lines) result += line + "\n";
    return result;
}

bool writeSetting(const std::string& path, const std::string& section, const std::string& key,
                  const std::string& value, std::string& error) {
    error = settingFault(section, key, value);
    if (!error.empty())
        return false;
    std::string text;
    if (!readStateFile(path, text, error))
        return false;
    struct stat info {};
    int mode = stat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 07777) : 0644;
    return replaceStateFile(path, withSetting(text, section, key, value), mode, error);
}

}  // namespace btserver
