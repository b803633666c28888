#include "host_invoke.h"

#include <QStringList>

#include <cstdio>

#include "sdk_bridge.h"

namespace {
constexpr quint32 kFileCommand = 1, kFileReceived = 7, kPathSize = 260;
}

quint32 invokeHost(quint32 command, quint32 subCode, quint32 size, void* bytes) {
    if (command == kFileCommand && subCode == kFileReceived && size == kPathSize && bytes) {
        // The list belongs to the plug-in and lives only for this call: copy its texts.
        const QStringList& list = *static_cast<const QStringList*>(bytes);
        if (list.size() >= 2) {
            Q_EMIT SdkBridge::instance().fileReceived(list.at(0), list.at(1));
            return 0;
        }
    }
    std::fprintf(stderr, "corvane-manager: host call %u/%u with %u bytes, nothing to do\n", command,
                 subCode, size);
    return 0;
}
