// What the service sends, of any length and content: the decoders of signal arrays (with
// any length words) and of replies must never read or write past the bytes that came or
// the caller's buffers, never size a block by a length word alone, and always hand on
// texts that end within their fields. Inputs are copied into blocks of their exact size,
// so AddressSanitizer sees any read past them.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "handle_list.h"
#include "records.h"
#include "signal_decoders.h"
#include "wire_types.h"

using namespace corv;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

template <size_t N>
void requireEnds(const char (&text)[N]) {
    require(strnlen(text, N) < N);
}

GArray* arrayOf(const std::vector<uint8_t>& bytes) {
    GArray* array = g_array_sized_new(FALSE, FALSE, 1, static_cast<guint>(bytes.size()));
    if (!bytes.empty()) g_array_append_vals(array, bytes.data(), static_cast<guint>(bytes.size()));
    return array;
}

void signals(const GArray* array, guint lengthWord) {
    SignalBytes block(array, kEventBlockMin);
    require(block.size() >= kEventBlockMin && block.size() >= array->len);
    require(array->len == 0 || std::memcmp(block.data(), array->data, array->len) == 0);

    FTP_FIND_DATA entry = browseEntry(array);
    requireEnds(entry.name);
    requireEnds(entry.time);

    BtSdkFileTransferReqStru received = receivedFileRecord(array);
    requireEnds(received.path);

    std::vector<BTUINT8> event = panEventBlock(array, lengthWord);
    require(event.size() <= array->len && event.size() <= lengthWord && event.size() <= 0xFFFF);
    require(event.empty() || std::memcmp(event.data(), array->data, event.size()) == 0);

    require(indicationLength(array, lengthWord) <= array->len);
    require(indicationLength(nullptr, lengthWord) == 0);
}

void replies(const std::vector<uint8_t>& bytes, GArray* array, BTUINT32 count, BTUINT32 capacity,
             size_t offset) {
    std::unique_ptr<uint8_t[]> image(new uint8_t[bytes.size() + 1]);
    if (!bytes.empty()) std::memcpy(image.get(), bytes.data(), bytes.size());

    BtsdkLocalServerAttr server{};
    std::vector<uint8_t> ext;
    unpackLocalServerAttr(image.get(), bytes.size(), server, ext);
    requireEnds(server.service_name);
    require(ext.empty() || ext.size() == localServerExtSize(server.service_class));

    BtsdkRemoteServiceAttr service{};
    unpackRemoteServiceAttr(image.get(), bytes.size(), service);
    requireEnds(service.service_name);

    BtsdkShortcutProperty shortcut{};
    unpackShortcutHeader(image.get(), bytes.size(), shortcut);
    requireEnds(shortcut.short_text);
    requireEnds(shortcut.name);
    requireEnds(shortcut.second_name);
    requireEnds(shortcut.service_name);

    OutBytes reply;
    reply.value = array;  // the reply owns the array from here
    std::unique_ptr<BTUINT32[]> handles(new BTUINT32[capacity ? capacity : 1]);
    BTUINT32 copied = copyHandles(reply, count, handles.get(), capacity);
    require(copied <= count && copied <= capacity && copied * sizeof(BTUINT32) <= bytes.size());

    std::unique_ptr<uint8_t[]> dest(new uint8_t[capacity + 1]);
    reply.copyTo(dest.get(), capacity, offset);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    guint lengthWord = in.ConsumeIntegral<guint>();
    BTUINT32 count = in.ConsumeIntegral<BTUINT32>();
    BTUINT32 capacity = in.ConsumeIntegralInRange<BTUINT32>(0, 512);
    size_t offset = in.ConsumeIntegralInRange<size_t>(0, 2048);
    std::vector<uint8_t> bytes = in.ConsumeRemainingBytes<uint8_t>();

    GArray* array = arrayOf(bytes);
    signals(array, lengthWord);
    replies(bytes, array, count, capacity, offset);
    return 0;
}
