// Replies that the control interface imposes on contract methods: a result code, a whole
// reply, a D-Bus error, a delay, resized byte arrays, or no answer at all. A whole reply,
// an error or no answer replaces the method's behaviour; the others apply on top of it.
#pragma once

#include <gio/gio.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "core/variant_ptr.h"

namespace btserver {

struct ReplyOverride {
    std::optional<uint32_t> result;  // replaces the output named "result", else the last output
    VariantPtr reply;                // the whole out tuple
    std::string error, message;      // a D-Bus error name and its text
    uint32_t delayMs = 0;
    std::optional<int32_t> arrayLength;  // every byte-array output resized, zero-filled or cut
    bool noReply = false;
    uint32_t times = 0;  // applies to the next `times` calls; 0: until cleared
};

// Reads an override from its a{sv} form for the method; false with a message for an
// unknown key, a value of the wrong type, or a reply that does not fit the method.
bool parseOverride(GVariant* dict, const GDBusMethodInfo* method, ReplyOverride& out,
                   std::string& error);

// The out tuple with the override's result and array length applied (takes `outputs`,
// returns a new full reference).
GVariant* applyOverride(const ReplyOverride& override, const GDBusMethodInfo* method,
                        GVariant* outputs);

class ReplyOverrides {
public:
    void set(const std::string& interface, const std::string& method, ReplyOverride override);
    // The override of the method for one call, counting down a limited one.
    std::optional<ReplyOverride> take(const std::string& interface, const std::string& method);
    void clear() { overrides_.clear(); }

private:
    std::map<std::pair<std::string, std::string>, ReplyOverride> overrides_;
};

}  // namespace btserver
