// Answers of methods that have no behaviour: zeros, empty strings, empty containers.
#pragma once

#include <gio/gio.h>

namespace btserver {

// A floating value of the type made of zeros, empty strings and empty containers.
GVariant* defaultValue(const GVariantType* type);

// The floating out tuple of a method with every output at its default.
GVariant* defaultOutputs(const GDBusMethodInfo* method);

}  // namespace btserver
