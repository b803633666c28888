#include "profilekit/size_text.h"

namespace profilekit {

QString sizeText(qint64 bytes, int decimals, const SizeFormats& formats) {
    constexpr qint64 kKiB = 1024, kMiB = kKiB * 1024, kGiB = kMiB * 1024;
    if (bytes < kKiB) return formats.bytes.arg(bytes);
    if (bytes <= kMiB) return formats.kilobytes.arg(double(bytes) / kKiB, 0, 'f', decimals);
    if (bytes <= kGiB) return formats.megabytes.arg(double(bytes) / kMiB, 0, 'f', decimals);
    return formats.gigabytes.arg(double(bytes) / kGiB, 0, 'f', decimals);
}

}  // namespace profilekit
