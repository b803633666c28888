#include "signal_decoders.h"

#include <algorithm>
#include <cstring>

#include "text_cut.h"

namespace corv {

SignalBytes::SignalBytes(const GArray* array, size_t minimum)
    : bytes_(std::max<size_t>(array->len, minimum), 0) {
    std::copy(array->data, array->data + array->len, bytes_.begin());
}

namespace {

// The array's first bytes into a record, zero past a shorter array's end. An empty array
// may have no storage at all.
void copyPrefix(void* record, size_t size, const GArray* array) {
    if (array->len) std::memcpy(record, array->data, std::min<size_t>(array->len, size));
}

}  // namespace

FTP_FIND_DATA browseEntry(const GArray* entry) {
    FTP_FIND_DATA copy{};
    copyPrefix(&copy, sizeof copy, entry);
    terminateField(copy.name, sizeof copy.name);
    terminateField(copy.time, sizeof copy.time);
    return copy;
}

BtSdkFileTransferReqStru receivedFileRecord(const GArray* record) {
    BtSdkFileTransferReqStru request{};
    copyPrefix(&request, sizeof request, record);
    terminateField(request.path, sizeof request.path);
    return request;
}

std::vector<BTUINT8> panEventBlock(const GArray* data, guint length) {
    size_t size = std::min<size_t>({length, data->len, 0xFFFF});
    return std::vector<BTUINT8>(data->data, data->data + size);
}

BTUINT16 indicationLength(const GArray* param, guint length) {
    guint have = param ? param->len : 0;
    return static_cast<BTUINT16>(std::min(length & 0xFFFF, have));
}

}  // namespace corv
