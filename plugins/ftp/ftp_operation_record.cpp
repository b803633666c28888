#include "ftp_operation_record.h"

#include <cstring>

#include "profilekit/utf8_cut.h"

namespace {

// Cut to the field on a whole UTF-8 character, so the library never gets half of one.
void putText(char (&field)[256], const QString& text) {
    const QByteArray bytes = utf8cut::within(text, int(sizeof field) - 1);
    std::memcpy(field, bytes.constData(), size_t(bytes.size()));
    field[bytes.size()] = '\0';
}

}  // namespace

FtpOperationRecord::FtpOperationRecord(quint32 connection, const QString& remote, const QString& local,
                                       bool isFolder) {
    data.connection = connection;
    putText(data.remote, remote);
    putText(data.local, local);
    data.isFolder = isFolder ? 1 : 0;
}
