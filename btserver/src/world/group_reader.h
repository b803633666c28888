// Reading one group of a scenario file: its keys' values by kind, each checked against
// what it may hold.
#pragma once

#include <glib.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "world/bluetooth_types.h"
#include "world/scenario_values.h"

namespace btserver {

// Reads the typed values of one group; the first fault is kept in `error` and the value
// asked for keeps its default.
class GroupReader {
public:
    GroupReader(GKeyFile* file, const std::string& group, std::string& error)
        : file_(file), group_(group), error_(error) {}

    // Refuses keys other than those named.
    void allow(std::set<std::string> keys);

    void text(const char* key, size_t maxBytes, std::string& out);

    template <typename T>
    void number(const char* key, uint64_t min, uint64_t max, T& out) {
        std::string value;
        uint64_t parsed = 0;
        if (!raw(key, value))
            return;
        if (!parseNumber(value, max, parsed) || parsed < min)
            return fault(
                key, "is not a number from " + std::to_string(min) + " to " + std::to_string(max));
        out = static_cast<T>(parsed);
    }

    void signedNumber(const char* key, int64_t min, int64_t max, int8_t& out);

    // One of the words, stored as its position in the list.
    template <typename T>
    void choice(const char* key, std::initializer_list<const char*> words, T& out) {
        std::string value;
        if (!raw(key, value))
            return;
        std::string names;
        int index = 0;
        for (const char* word : words) {
            if (value == word) {
                out = static_cast<T>(index);
                return;
            }
            names += (index++ ? "|" : "") + std::string(word);
        }
        fault(key, "is not one of " + names);
    }

    // Comma-separated words, each of at most `maxBytes`, blanks around them dropped.
    void list(const char* key, size_t maxBytes, std::vector<std::string>& out);
    void flag(const char* key, bool& out);
    void address(const char* key, BdAddr& out);
    void bytes(const char* key, Bytes& out);

    template <size_t N>
    void record(const char* key, std::array<uint8_t, N>& out) {
        Bytes value;
        bytes(key, value);
        if (value.empty())
            return;
        if (value.size() != N)
            return fault(key, "must hold " + std::to_string(N) + " bytes");
        std::memcpy(out.data(), value.data(), N);
    }

private:
    bool raw(const char* key, std::string& out);
    void fault(const std::string& key, const std::string& what);

    GKeyFile* file_;
    std::string group_;
    std::string& error_;
};

}  // namespace btserver
