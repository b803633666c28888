#include "world/group_reader.h"

namespace btserver {

void GroupReader::allow(std::set<std::string> keys) {
    gchar** present = g_key_file_get_keys(file_, group_.c_str(), nullptr, nullptr);
    for (gchar** key = present; key && *key; ++key)
        if (!keys.count(*key))
            fault(*key, "is not a known key");
    g_strfreev(present);
}

void GroupReader::text(const char* key, size_t maxBytes, std::string& out) {
    std::string value;
    if (!raw(key, value))
        return;
    if (value.size() > maxBytes)
        return fault(key, "is longer than " + std::to_string(maxBytes) + " bytes");
    out = value;
}

void GroupReader::signedNumber(const char* key, int64_t min, int64_t max, int8_t& out) {
    std::string value;
    int64_t parsed = 0;
    if (!raw(key, value))
        return;
    if (!parseSigned(value, min, max, parsed))
        return fault(key, "is not a number in range");
    out = static_cast<int8_t>(parsed);
}

void GroupReader::list(const char* key, size_t maxBytes, std::vector<std::string>& out) {
    std::string value;
    if (!raw(key, value))
        return;
    std::vector<std::string> items;
    gchar** parts = g_strsplit(value.c_str(), ",", -1);
    for (gchar** part = parts; *part; ++part) items.push_back(g_strstrip(*part));
    g_strfreev(parts);
    for (const std::string& item : items)
        if (item.empty() || item.size() > maxBytes)
            return fault(key, "is not a list of words of 1 to " + std::to_string(maxBytes) +
                                  " bytes separated by commas");
    out = items;
}

void GroupReader::flag(const char* key, bool& out) {
    std::string value;
    if (!raw(key, value))
        return;
    if (value != "true" && value != "false")
        return fault(key, "is neither true nor false");
    out = value == "true";
}

void GroupReader::address(const char* key, BdAddr& out) {
    std::string value;
    if (raw(key, value) && !parseAddress(value, out))
        fault(key, "is not an address like 00:1B:DC:0F:3A:52");
}

void GroupReader::bytes(const char* key, Bytes& out) {
    std::string value;
    if (raw(key, value) && !parseHexBytes(value, out))
        fault(key, "is not hex bytes");
}

bool GroupReader::raw(const char* key, std::string& out) {
    if (!error_.empty() || !g_key_file_has_key(file_, group_.c_str(), key, nullptr))
        return false;
    gchar* value = g_key_file_get_string(file_, group_.c_str(), key, nullptr);
    out = value ? value : "";
    g_free(value);
    return true;
}

void GroupReader::fault(const std::string& key, const std::string& what) {
    if (error_.empty())
        error_ = "[" + group_ + "] " + key + " " + what;
}

}  // namespace btserver
