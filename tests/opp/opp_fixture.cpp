#include "opp_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMutex>
#include <QTest>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/settings_paths.h"
#include "cvcommon/shortcut_helpers.h"

namespace opptest {

namespace {

QMutex s_hostLock;
std::vector<HostCall> s_hostCalls;

quint32 host(quint32 command, quint32 subCode, quint32 size, void* bytes) {
    HostCall call{command, subCode, size, *static_cast<QStringList*>(bytes)};
    QMutexLocker lock(&s_hostLock);
    s_hostCalls.push_back(call);
    return 0;
}

QString workingDir() {
    char dir[256] = {};
    CvCm_GetWorkingDir(dir, sizeof dir);
    return QFile::decodeName(dir);
}

}  // namespace

void OppPlugin::SetUp() {
    service.loadScenario(OPP_WORLD);
    const QString plugin = QDir(workingDir()).filePath(QStringLiteral("libPxOpp.so"));
    if (!QFile::exists(plugin)) {
        ASSERT_TRUE(QFile::link(QStringLiteral(OPP_PLUGIN), plugin));
    }
    {
        QMutexLocker lock(&s_hostLock);
        s_hostCalls.clear();
    }
    manager = std::make_unique<ProfilePlugMng>(reinterpret_cast<void*>(&host));
    ASSERT_EQ(ProfilePlugMng::GetSupportedProfileList(), QList<unsigned short>{0x1105});
    service.clearCalls();
}

void OppPlugin::TearDown() {
    manager.reset();
    service.clearReplies();
}

std::vector<HostCall> OppPlugin::hostCalls() {
    QMutexLocker lock(&s_hostLock);
    return s_hostCalls;
}

std::string OppPlugin::settingsFile() {
    char path[256] = {};
    CvCm_GetCommonSettingFilePath(path, sizeof path);
    return path;
}

void OppPlugin::setSetting(const char* key, const std::string& value) {
    ASSERT_EQ(WritePrivateProfileString("OPPSERVER", key, value.c_str(), settingsFile().c_str()), 1);
}

std::vector<std::vector<std::string>> OppPlugin::settingsWritten() {
    std::vector<std::vector<std::string>> writes;
    for (const corvtest::RecordedCall& call : service.calls()) {
        if (call.method == "write_private_profile_string")
            writes.push_back({call.s(0), call.s(1), call.s(2)});
        else if (call.method == "write_private_profile_int")
            writes.push_back({call.s(0), call.s(1), std::to_string(call.u(2))});
    }
    return writes;
}

std::vector<corvtest::RecordedCall> OppPlugin::callsOf(const std::string& method) {
    std::vector<corvtest::RecordedCall> found;
    for (const corvtest::RecordedCall& call : service.calls())
        if (call.method == method) found.push_back(call);
    return found;
}

unsigned int OppPlugin::shortcutTo(unsigned int device, unsigned int svc) {
    unsigned int shortcut = 0;
    EXPECT_EQ(CvCm_CreateShortCut(device, svc, &shortcut), BTSDK_OK);
    return shortcut;
}

QStringList OppPlugin::texts(const QList<QAction*>& actions) {
    QStringList all;
    for (QAction* action : actions) all.append(action->text());
    return all;
}

QString OppPlugin::deviceInbox(const char* device) const {
    return QString::fromStdString(service.stateDir()) + QStringLiteral("/devices/") + QLatin1String(device) +
           QStringLiteral("/inbox");
}

corvtest::ModalAnswer OppPlugin::sendFile(unsigned int shortcut, const QString& file) {
    const QList<QAction*> actions = ProfilePlugMng::GetActionListByShortcutHandle(shortcut);
    EXPECT_FALSE(actions.isEmpty());
    if (actions.isEmpty()) return {};
    return corvtest::answerModal([&] { actions.first()->trigger(); }, corvtest::Press::none(), [&](QWidget* box) {
        if (auto* chooser = qobject_cast<QFileDialog*>(box)) {
            chooser->selectFile(file);
            chooser->accept();
        } else if (auto* message = qobject_cast<QMessageBox*>(box)) {
            message->button(QMessageBox::Ok)->click();
        }
    });
}

QWidget* OppPlugin::progressWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("ComProgressDlg")) return widget;
    return nullptr;
}

corvtest::ModalAnswer OppPlugin::waitForSendEnd() {
    return corvtest::answerModal(
        [] { EXPECT_TRUE(QTest::qWaitFor([] { return progressWindow() == nullptr; }, 15000)); },
        corvtest::Press::button(QMessageBox::Ok));
}

}  // namespace opptest
