// Shared ownership of GVariant values.
#pragma once

#include <glib.h>

#include <memory>

namespace btserver {

struct VariantUnref {
    void operator()(GVariant* value) const {
        if (value)
            g_variant_unref(value);
    }
};
using VariantPtr = std::shared_ptr<GVariant>;

// Takes over a floating or full reference.
inline VariantPtr takeVariant(GVariant* value) {
    return VariantPtr(value ? g_variant_take_ref(value) : nullptr, VariantUnref());
}

}  // namespace btserver
