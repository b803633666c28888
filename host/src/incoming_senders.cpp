#include "incoming_senders.h"

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "sdk_bridge.h"

namespace {

constexpr quint32 kObjectPush = 0x1105, kFileTransfer = 0x1106;
constexpr quint32 kConnected = 1;
constexpr int kKeptLinks = 8;
constexpr qint64 kEndedMs = 5000;
constexpr BTUINT32 kMaxConnections = 32;

bool receivesFiles(quint32 serviceClass) { return serviceClass == kObjectPush || serviceClass == kFileTransfer; }

}  // namespace

IncomingSenders::IncomingSenders(QObject* parent) : QObject(parent) {
    connect(&SdkBridge::instance(), &SdkBridge::connectionEvent, this, &IncomingSenders::connectionEvent);
}

void IncomingSenders::connectionEvent(quint32 connection, quint32 event, quint32 device, quint32 serviceClass) {
    if (event == kConnected) {
        if (!receivesFiles(serviceClass)) return;
        links_.append(Link{connection, device, true, {}});
        if (links_.size() > kKeptLinks) links_.removeFirst();
        return;
    }
    for (int i = 0; i < links_.size(); ++i) {
        if (links_.at(i).connection != connection || !links_.at(i).up) continue;
        Link ended = links_.takeAt(i);
        ended.up = false;
        ended.since.start();
        links_.append(ended);
        return;
    }
}

quint32 IncomingSenders::listedDevice() const {
    BTCONNHDL handles[kMaxConnections];
    BTUINT32 count = Btsdk_GetAllIncomingConnections(handles, kMaxConnections);
    for (BTUINT32 i = count < kMaxConnections ? count : kMaxConnections; i-- > 0;) {
        BtsdkConnectionProperty property{};
        if (Btsdk_GetConnectionProperty(handles[i], &property) == BTSDK_OK && receivesFiles(property.service_class))
            return property.device;
    }
    return 0;
}

QString IncomingSenders::current() const {
    quint32 device = 0;
    for (auto link = links_.crbegin(); link != links_.crend() && !device; ++link)
        if (link->up) device = link->device;
    for (auto link = links_.crbegin(); link != links_.crend() && !device; ++link)
        if (!link->up && link->since.elapsed() <= kEndedMs) device = link->device;
    if (!device) device = listedDevice();
    return device ? CvCm_GetRmtDevDisplayName(device) : tr("Unknown device");
}
