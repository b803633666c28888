// The record of a get, put or delete that the browser window hands to its worker: the
// connection, the remote and local paths (UTF-8, NUL-terminated, at most 255 bytes) and
// whether the object is a folder, 520 bytes as the worker reads it.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

#include "profilekit/profile_worker.h"

struct FtpOperationData {
    uint32_t connection;
    char remote[256];
    char local[256];
    uint32_t isFolder;
};
static_assert(sizeof(FtpOperationData) == 520, "the operation record is 520 bytes");
static_assert(offsetof(FtpOperationData, local) == 260 && offsetof(FtpOperationData, isFolder) == 516,
              "operation record offsets");

struct FtpOperationRecord : OperationRecord {
    FtpOperationRecord(quint32 connection, const QString& remote, const QString& local, bool isFolder);
    FtpOperationData data{};
};
