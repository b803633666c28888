// The server side of a plug-in built from the shared parts: Enable/Disable and the
// status it writes in the plug-in's section, the General page of the property dialog and
// its secure-connection box, and the confirmation before changed settings are applied.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTextBrowser>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "modal_answer.h"
#include "parts_fixture.h"
#include "profilekit/settings_confirm.h"

namespace pktest {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class Server : public PartsPlugin {
protected:
    void SetUp() override {
        PartsPlugin::SetUp();
        init();
    }
    void switchServer(unsigned int server) {
        entry<PerformLocalSvrDefaultActionFunc>("performLocalSvrDefaultAction")(server);
    }
    static unsigned short security(unsigned int server) {
        BtsdkLocalServerAttr attr{};
        attr.mask = BTSDK_LSA_MASK_SECURITY;
        EXPECT_EQ(Btsdk_GetServerAttributes(server, &attr), BTSDK_OK);
        return attr.security;
    }
    // Opens the server's property dialog, lets change() see it and presses the button.
    corvtest::ModalAnswer properties(unsigned int server, QDialogButtonBox::ButtonRole press,
                                     const std::function<void(QWidget*)>& change) {
        return corvtest::answerModal(
            [&] { entry<ShowSvrPropertyDlgFunc>("ShowSvrPropertyDlg")(server, nullptr, 0); },
            corvtest::Press::role(press), change);
    }
};

TEST_F(Server, EnableAndDisableSwitchTheServerAndWriteThePluginsSection) {
    const std::string file = settingsFile();
    service.clearCalls();
    switchServer(kServerFtp);
    EXPECT_EQ(serverStatus(kServerFtp), 2);
    switchServer(kServerFtp);
    EXPECT_EQ(serverStatus(kServerFtp), 1);
    // A server in use is stopped too; the section is the plug-in's own.
    ASSERT_EQ(serverStatus(kServerSpp), 3);
    switchServer(kServerSpp);
    EXPECT_EQ(serverStatus(kServerSpp), 2);
    EXPECT_EQ(settingsWritten(), (Rows{{"FTPSERVER", "status", "disable", file},
                                       {"FTPSERVER", "status", "enable", file},
                                       {"FTPSERVER", "status", "disable", file}}));
}

// The server's menu makes bold the entry that its default action performs: Enable for a
// stopped server, the plug-in's own entry for a running one; a server in use keeps the
// texts and fonts of the list before.
TEST_F(Server, TheServerMenuMakesTheDefaultEntryBold) {
    auto menu = entry<GetLocalSvrActionListFunc>("GetLocalSvrActionList");
    struct Step {
        unsigned int server;
        unsigned short status;
        const char* enableText;
        int enableWeight, openWeight;
    };
    for (const Step& step : {Step{kServerOpp, 2, "&Enable", 75, 50}, Step{kServerFtp, 1, "&Disable", 50, 75},
                             Step{kServerSpp, 3, "&Disable", 50, 75}, Step{kServerOpp, 2, "&Enable", 75, 50}}) {
        ASSERT_EQ(serverStatus(step.server), step.status);
        const QList<QAction*> actions = menu(step.server);
        ASSERT_EQ(actions.size(), 2);  // the test plug-in's menu has no separators, status or properties
        EXPECT_EQ(actions[1]->text(), QString::fromLatin1(step.enableText)) << step.server;
        EXPECT_EQ(actions[1]->font().weight(), step.enableWeight) << step.server;
        EXPECT_EQ(actions[0]->font().weight(), step.openWeight) << step.server;
    }
}

TEST_F(Server, NothingIsSwitchedWhileBluetoothIsNotReady) {
    ASSERT_EQ(Btsdk_StopBluetooth(), BTSDK_OK);
    ASSERT_FALSE(Btsdk_IsBluetoothReady());
    service.clearCalls();
    switchServer(kServerOpp);
    switchServer(kServerFtp);
    std::vector<std::string> methods;
    for (const corvtest::RecordedCall& call : service.calls()) methods.push_back(call.method);
    EXPECT_EQ(std::count(methods.begin(), methods.end(), "start_server"), 0);
    EXPECT_EQ(std::count(methods.begin(), methods.end(), "stop_server"), 0);
    EXPECT_TRUE(settingsWritten().empty());
    ASSERT_EQ(Btsdk_StartBluetooth(), BTSDK_OK);
}

TEST_F(Server, TheGeneralPageShowsTheServerAndTurnsItsSecurityOnAndOff) {
    ASSERT_EQ(security(kServerFtp), 0);
    QString name, description;
    CvCm_GetSvcDisplayName(0x1106, &name);
    CvCm_GetLocSvcDesc(0x1106, &description);
    struct Step {
        QDialogButtonBox::ButtonRole press;
        bool shownChecked;
        unsigned short after;
    };
    // Turned on, then off, then on again but cancelled.
    for (const Step& step : {Step{QDialogButtonBox::AcceptRole, false, 7}, Step{QDialogButtonBox::AcceptRole, true, 0},
                             Step{QDialogButtonBox::RejectRole, false, 0}}) {
        bool shown = !step.shownChecked;
        QString profileName, devName, text, secureText;
        const corvtest::ModalAnswer answer = properties(kServerFtp, step.press, [&](QWidget* dialog) {
            auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_SecureConnection"));
            ASSERT_NE(box, nullptr);
            shown = box->isChecked();
            secureText = box->text();
            profileName = dialog->findChild<QLabel*>(QStringLiteral("label_ProfileName"))->text();
            devName = dialog->findChild<QLabel*>(QStringLiteral("label_DevName"))->text();
            text = dialog->findChild<QTextBrowser*>(QStringLiteral("textBrowser"))->toPlainText();
            box->setChecked(!box->isChecked());
        });
        EXPECT_TRUE(answer.pressed);
        EXPECT_EQ(shown, step.shownChecked);
        EXPECT_EQ(security(kServerFtp), step.after);
        EXPECT_EQ(profileName, name);
        EXPECT_EQ(devName, QStringLiteral("Corvane PC"));
        EXPECT_EQ(text, description);
        EXPECT_EQ(secureText, QStringLiteral("S&ecure Connection"));
    }
}

TEST_F(Server, ChangedSettingsAreConfirmedOnlyWhileADeviceIsConnected) {
    ASSERT_EQ(serverStatus(kServerSpp), 3);
    for (QMessageBox::StandardButton press : {QMessageBox::Yes, QMessageBox::No}) {
        bool agreed = press != QMessageBox::Yes;
        const corvtest::ModalAnswer answer = corvtest::answerModal(
            [&] { agreed = SettingsChangeConfirm::ConfirmSettingChange(kServerSpp, nullptr); },
            corvtest::Press::button(press));
        EXPECT_TRUE(answer.pressed);
        EXPECT_EQ(agreed, press == QMessageBox::Yes);
        EXPECT_EQ(answer.title, QStringLiteral("Confirm Settings Warning"));
        EXPECT_TRUE(answer.text.startsWith(QStringLiteral("WARNING: A remote device has connected to this service.")));
    }
    // No box for an idle server, none without a server or a readable status.
    struct Case {
        unsigned int server;
        bool agreed;
    };
    for (const Case& c : {Case{kServerFtp, true}, Case{kServerOpp, true}, Case{0, false}, Case{999, false}}) {
        bool agreed = !c.agreed;
        const corvtest::ModalAnswer answer = corvtest::answerModal(
            [&] { agreed = SettingsChangeConfirm::ConfirmSettingChange(c.server, nullptr); },
            corvtest::Press::button(QMessageBox::No));
        EXPECT_FALSE(answer.came) << c.server;
        EXPECT_EQ(agreed, c.agreed) << c.server;
    }
}

}  // namespace
}  // namespace pktest
