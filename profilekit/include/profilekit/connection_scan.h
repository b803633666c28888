// AnyConnection(): whether one of the first 32 incoming or outgoing connections fits, as
// the plug-ins' related-connection entry points and their disconnect hooks ask.
#pragma once

#include <functional>

#include "corvclient/btsdk.h"
#include "profilekit_api.h"

enum class ConnectionSide { Incoming, Outgoing };

PROFILEKIT_EXPORT bool AnyConnection(ConnectionSide side,
                                     const std::function<bool(const BtsdkConnectionProperty&)>& fits);
