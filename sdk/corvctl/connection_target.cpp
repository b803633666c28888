#include "connection_target.h"

#include <cstdio>
#include <vector>

#include "command.h"
#include "corvclient/btsdk.h"

namespace corvctl {

BTRESULT connectShortcut(BTSHCHDL shortcut, BTCONNHDL* connection) {
    std::vector<BTUINT8> param(772, 0);
    return Btsdk_ConnectShortCutEx(shortcut, param.data(), connection);
}

BTCONNHDL connectionOf(const std::string& target) {
    BTUINT32 handle = 0;
    bool shortcut = target.rfind("shc:", 0) == 0;
    if (!parseHandle(shortcut ? target.substr(4) : target, &handle) || !handle) {
        std::fprintf(stderr, "corvctl: '%s' is neither a connection handle nor shc:SHORTCUT\n",
                     target.c_str());
        return 0;
    }
    if (!shortcut) return handle;
    BtsdkShortcutProperty property{};
    property.shortcut = handle;
    BTRESULT r = Btsdk_GetShortCutProperty(&property);
    if (r != BTSDK_OK && r != BTSDK_SHC_RESULT_PARTIAL) {
        fail("no shortcut " + target.substr(4), r);
        return 0;
    }
    if (property.connection) return property.connection;
    BTCONNHDL connection = 0;
    r = connectShortcut(handle, &connection);
    if (r != BTSDK_OK) {
        fail("cannot connect shortcut " + target.substr(4), r);
        return 0;
    }
    std::fprintf(stderr, "corvctl: shortcut %u connected (connection %u)\n", handle, connection);
    return connection;
}

}  // namespace corvctl
