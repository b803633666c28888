#include "profilekit/connection_scan.h"

namespace {

constexpr BTUINT32 kMaxConnections = 32;

}  // namespace

bool AnyConnection(ConnectionSide side, const std::function<bool(const BtsdkConnectionProperty&)>& fits) {
    BTCONNHDL connections[kMaxConnections] = {};
    const BTUINT32 count = side == ConnectionSide::Incoming
                               ? Btsdk_GetAllIncomingConnections(connections, kMaxConnections)
                               : Btsdk_GetAllOutgoingConnections(connections, kMaxConnections);
    for (BTUINT32 i = 0; i < count && i < kMaxConnections; ++i) {
        BtsdkConnectionProperty property{};
        if (Btsdk_GetConnectionProperty(connections[i], &property) == BTSDK_OK && fits(property)) return true;
    }
    return false;
}
