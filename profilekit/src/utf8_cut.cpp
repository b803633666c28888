#include "profilekit/utf8_cut.h"

namespace utf8cut {

namespace {

bool continuation(char byte) { return (uchar(byte) & 0xC0) == 0x80; }

// The bytes of the character that a lead byte starts (1 for a byte that starts none).
int sequenceLength(char lead) {
    const uchar byte = uchar(lead);
    if ((byte & 0xE0) == 0xC0) return 2;
    if ((byte & 0xF0) == 0xE0) return 3;
    if ((byte & 0xF8) == 0xF0) return 4;
    return 1;
}

}  // namespace

QByteArray within(const QString& text, int limit) {
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= limit) return bytes;
    int length = limit;
    while (length > 0 && continuation(bytes[length])) --length;
    bytes.truncate(length);
    return bytes;
}

QString decode(const char* bytes, int length) {
    int lead = length;
    while (lead > 0 && length - lead < 3 && continuation(bytes[lead - 1])) --lead;
    if (lead > 0 && lead - 1 + sequenceLength(bytes[lead - 1]) > length) length = lead - 1;
    return QString::fromUtf8(bytes, length);
}

}  // namespace utf8cut
