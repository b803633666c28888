// Sizes in the largest unit they reach, with the thresholds both dialogs share.
#pragma once

#include <QString>

#include "profilekit_api.h"

namespace profilekit {

// Units of a size text: the formats of bytes, KB, MB and GB, each with "%1".
struct SizeFormats {
    QString bytes, kilobytes, megabytes, gigabytes;
};

// Below 1024 the whole number of bytes; up to 1 MiB in KB, up to 1 GiB in MB, above in
// GB, each with `decimals` decimals (so exactly 1 MiB shows as 1024 KB).
PROFILEKIT_EXPORT QString sizeText(qint64 bytes, int decimals, const SizeFormats& formats);

}  // namespace profilekit
