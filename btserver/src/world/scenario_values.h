// Parsers of the value kinds that scenario files hold. Each returns false on text that
// does not fit, leaving `out` unchanged.
#pragma once

#include <cstdint>
#include <string>

#include "world/bluetooth_types.h"

namespace btserver {

// Decimal, or hex with 0x; at most `max`.
bool parseNumber(const std::string& text, uint64_t max, uint64_t& out);
// Decimal with an optional sign, within [min, max].
bool parseSigned(const std::string& text, int64_t min, int64_t max, int64_t& out);
// Hex bytes, two digits each, optionally separated by spaces or colons.
bool parseHexBytes(const std::string& text, Bytes& out);
// Six hex bytes most significant first ("00:1B:DC:0F:3A:52"), stored least significant first.
bool parseAddress(const std::string& text, BdAddr& out);

}  // namespace btserver
