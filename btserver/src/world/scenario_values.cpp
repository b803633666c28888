#include "world/scenario_values.h"

#include <glib.h>

#include <algorithm>

namespace btserver {

bool parseNumber(const std::string& text, uint64_t max, uint64_t& out) {
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    std::string digits = hex ? text.substr(2) : text;
    guint64 value = 0;
    if (!g_ascii_string_to_unsigned(digits.c_str(), hex ? 16 : 10, 0, max, &value, nullptr))
        return false;
    out = value;
    return true;
}

bool parseSigned(const std::string& text, int64_t min, int64_t max, int64_t& out) {
    gint64 value = 0;
    if (!g_ascii_string_to_signed(text.c_str(), 10, min, max, &value, nullptr))
        return false;
    out = value;
    return true;
}

bool parseHexBytes(const std::string& text, Bytes& out) {
    Bytes bytes;
    for (size_t i = 0; i < text.size();) {
        if (text[i] == ' ' || text[i] == ':') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size() || !g_ascii_isxdigit(text[i]) || !g_ascii_isxdigit(text[i + 1]))
            return false;
        bytes.push_back(static_cast<uint8_t>(g_ascii_xdigit_value(text[i]) * 16 +
                                             g_ascii_xdigit_value(text[i + 1])));
        i += 2;
    }
    out = std::move(bytes);
    return true;
}

bool parseAddress(const std::string& text, BdAddr& out) {
    Bytes bytes;
    if (text.size() != 17 || !parseHexBytes(text, bytes) || bytes.size() != out.size())
        return false;
    std::reverse_copy(bytes.begin(), bytes.end(), out.begin());
    return true;
}

}  // namespace btserver
