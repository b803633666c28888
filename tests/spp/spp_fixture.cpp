#include "spp_fixture.h"

#include <QAction>
#include <QApplication>
#include <QProgressDialog>
#include <QTest>

#include "corvclient/btsdk.h"
#include "cvcommon/shortcut_helpers.h"

namespace spptest {

void SppPlugin::SetUp() {
    service.loadScenario(SPP_WORLD);
    linkPlugin(QStringLiteral(SPP_PLUGIN), QStringLiteral("libPxSpp.so"));
    startManager();
    ASSERT_EQ(ProfilePlugMng::GetSupportedProfileList(), QList<unsigned short>{0x1101});
    service.clearCalls();
}

unsigned int SppPlugin::shortcutTo(unsigned int device, unsigned int svc) {
    unsigned int shortcut = 0;
    EXPECT_EQ(CvCm_CreateShortCut(device, svc, &shortcut), BTSDK_OK);
    return shortcut;
}

corvtest::ModalAnswer SppPlugin::trigger(const QList<QAction*>& list, const QString& prefix) {
    for (QAction* action : list)
        if (action->text().startsWith(prefix))
            return corvtest::answerModal([action] { action->trigger(); }, corvtest::Press::button(QMessageBox::Ok));
    ADD_FAILURE() << "no entry " << prefix.toStdString();
    return {};
}

corvtest::ModalAnswer SppPlugin::connectShortcut(unsigned int shortcut) {
    const corvtest::ModalAnswer refused =
        trigger(ProfilePlugMng::GetRemoteActionListByShortcut(shortcut), QStringLiteral("&Connect"));
    return refused.came ? refused : waitForConnectEnd();
}

bool SppPlugin::connectWindowUp() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QProgressDialog*>(widget)) return true;
    return false;
}

corvtest::ModalAnswer SppPlugin::waitForConnectEnd() {
    return corvtest::answerModal([] { EXPECT_TRUE(QTest::qWaitFor([] { return !connectWindowUp(); }, 10000)); },
                                 corvtest::Press::button(QMessageBox::Ok));
}

}  // namespace spptest
