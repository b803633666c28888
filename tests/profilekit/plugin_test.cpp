#include "plugin_test.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QThread>

#include "cvcommon/profile_ini.h"
#include "cvcommon/settings_paths.h"

namespace pktest {

namespace {

QMutex s_hostLock;
std::vector<HostCall> s_hostCalls;

quint32 host(quint32 command, quint32 subCode, quint32 size, void* bytes) {
    HostCall call{command, subCode, size, *static_cast<QStringList*>(bytes),
                  QThread::currentThread() == QCoreApplication::instance()->thread()};
    QMutexLocker lock(&s_hostLock);
    s_hostCalls.push_back(call);
    return 0;
}

}  // namespace

void PluginTest::linkPlugin(const QString& library, const QString& name) {
    char dir[256] = {};
    CvCm_GetWorkingDir(dir, sizeof dir);
    const QString link = QDir(QFile::decodeName(dir)).filePath(name);
    if (!QFile::exists(link)) {
        ASSERT_TRUE(QFile::link(library, link));
    }
}

void PluginTest::startManager() {
    {
        QMutexLocker lock(&s_hostLock);
        s_hostCalls.clear();
    }
    manager = std::make_unique<ProfilePlugMng>(reinterpret_cast<void*>(&host));
}

void PluginTest::TearDown() {
    manager.reset();
    service.clearReplies();
}

std::vector<HostCall> PluginTest::hostCalls() {
    QMutexLocker lock(&s_hostLock);
    return s_hostCalls;
}

std::string PluginTest::settingsFile() {
    char path[256] = {};
    CvCm_GetCommonSettingFilePath(path, sizeof path);
    return path;
}

std::string PluginTest::setting(const char* section, const char* key) {
    char value[260] = {};
    GetPrivateProfileString(section, key, "", value, sizeof value, settingsFile().c_str());
    return value;
}

SettingRows PluginTest::settingsWritten() {
    SettingRows writes;
    for (const corvtest::RecordedCall& call : service.calls()) {
        if (call.method == "write_private_profile_string")
            writes.push_back({call.s(0), call.s(1), call.s(2)});
        else if (call.method == "write_private_profile_int")
            writes.push_back({call.s(0), call.s(1), std::to_string(call.u(2))});
    }
    return writes;
}

std::vector<corvtest::RecordedCall> PluginTest::callsOf(const std::string& method) {
    std::vector<corvtest::RecordedCall> found;
    for (const corvtest::RecordedCall& call : service.calls())
        if (call.method == method) found.push_back(call);
    return found;
}

QStringList PluginTest::texts(const QList<QAction*>& actions) {
    QStringList all;
    for (QAction* action : actions) all.append(action->text());
    return all;
}

}  // namespace pktest
