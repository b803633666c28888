#include "ftp_operation_record.h"

#include <cstring>

namespace {

// Cut to the field on a whole UTF-8 character, so the library never gets half of one.
void putText(char (&field)[256], const QString& text) {
    QByteArray bytes = text.toUtf8();
    int length = qMin(bytes.size(), int(sizeof field) - 1);
    while (length > 0 && length < bytes.size() && (uchar(bytes[length]) & 0xC0) == 0x80) --length;
    std::memcpy(field, bytes.constData(), size_t(length));
    field[length] = '\0';
}

}  // namespace

FtpOperationRecord::FtpOperationRecord(quint32 connection, const QString& remote, const QString& local,
                                       bool isFolder) {
    data.connection = connection;
    putText(data.remote, remote);
    putText(data.local, local);
    data.isFolder = isFolder ? 1 : 0;
}
