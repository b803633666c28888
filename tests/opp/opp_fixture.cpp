#include "opp_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QTest>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/shortcut_helpers.h"

namespace opptest {

void OppPlugin::SetUp() {
    service.loadScenario(OPP_WORLD);
    linkPlugin(QStringLiteral(OPP_PLUGIN), QStringLiteral("libPxOpp.so"));
    startManager();
    ASSERT_EQ(ProfilePlugMng::GetSupportedProfileList(), QList<unsigned short>{0x1105});
    service.clearCalls();
}

void OppPlugin::setSetting(const char* key, const std::string& value) {
    ASSERT_EQ(WritePrivateProfileString("OPPSERVER", key, value.c_str(), settingsFile().c_str()), 1);
}

unsigned int OppPlugin::shortcutTo(unsigned int device, unsigned int svc) {
    unsigned int shortcut = 0;
    EXPECT_EQ(CvCm_CreateShortCut(device, svc, &shortcut), BTSDK_OK);
    return shortcut;
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
        if (auto* chooser = qobject_cast<QFileDialog*>(box))
            choose(chooser, file);
        else if (auto* message = qobject_cast<QMessageBox*>(box))
            message->button(QMessageBox::Ok)->click();
    });
}

void OppPlugin::choose(QFileDialog* chooser, const QString& file) {
    chooser->selectFile(file);
    static_cast<QDialog*>(chooser)->accept();
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
