// The contract method calls received, in order, with their arguments exactly as sent.
// The oldest calls are forgotten once the log would be too large to send in one reply.
#pragma once

#include <glib.h>

#include <deque>
#include <string>

#include "core/variant_ptr.h"

namespace btserver {

class CallLog {
public:
    void add(const char* interface, const char* method, const char* signature, GVariant* args);
    void clear();
    // Floating a(sssv): interface, method, signature, the argument tuple (an empty array of
    // variants for a call without arguments).
    GVariant* toVariant() const;

private:
    struct Entry {
        std::string interface, method, signature;
        VariantPtr args;
    };
    std::deque<Entry> entries_;
    size_t bytes_ = 0;
};

}  // namespace btserver
