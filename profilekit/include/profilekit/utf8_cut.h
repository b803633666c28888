// UTF-8 texts in fields of a fixed number of bytes: cut before a character that does not
// fit, and read back without the broken character a sender left at the end of a field.
#pragma once

#include <QByteArray>
#include <QString>

#include "profilekit_api.h"

namespace utf8cut {

// `text` in UTF-8, at most `limit` bytes, ending on a whole character.
PROFILEKIT_EXPORT QByteArray within(const QString& text, int limit);
// The text of `length` bytes of UTF-8 whose last character may have been cut short; that
// character is dropped rather than shown as a replacement character.
PROFILEKIT_EXPORT QString decode(const char* bytes, int length);

}  // namespace utf8cut
