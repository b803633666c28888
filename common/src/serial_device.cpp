#include "cvcommon/serial_device.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QStringList>

namespace {

QString environment(const char* name) { return QString::fromLocal8Bit(qgetenv(name)); }

QStringList deviceFolders() {
    QStringList folders;
    const QString chosen = environment("CORVANE_DEVICE_DIR");
    if (!chosen.isEmpty()) folders << chosen;
    folders << QStringLiteral("/dev");
    const QString runtime = environment("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) folders << runtime + QStringLiteral("/corvane/dev");
    folders << QStringLiteral("/tmp/corvane-%1/dev").arg(geteuid());
    return folders;
}

}  // namespace

QString CvCm_GetSerialDevicePath(int port) {
    const QString name = QStringLiteral("/ttyB%1").arg(port);
    for (const QString& folder : deviceFolders()) {
        struct stat link;
        if (lstat((folder + name).toLocal8Bit().constData(), &link) == 0) return folder + name;
    }
    return QStringLiteral("/dev") + name;
}
