// The server property dialog: its pages and fields, the settings and the 264-byte
// extended attributes it writes back, the confirmation while a device is connected, and
// a second dialog that does nothing while one is open.
#include <QApplication>
#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

#include <cstring>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "ftp_fixture.h"
#include "modal_answer.h"

namespace ftptest {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class Property : public FtpPlugin {
protected:
    corvtest::ModalAnswer open(int page, QDialogButtonBox::ButtonRole press,
                               const std::function<void(QWidget*)>& change) {
        return open(page, corvtest::Press::role(press), change);
    }
    corvtest::ModalAnswer open(int page, const corvtest::Press& press, const std::function<void(QWidget*)>& change) {
        return corvtest::answerModal([&] { ProfilePlugMng::ShowSvrPropertyDlg(kServerFtp, nullptr, page); }, press,
                                     change);
    }
    // The extended-attribute blocks the service received.
    std::vector<std::vector<uint8_t>> extBlocks() {
        std::vector<std::vector<uint8_t>> blocks;
        for (const corvtest::RecordedCall& call : callsOf("update_server_attributes")) {
            std::vector<uint8_t> image = call.ay(1);
            if (image.size() > 96 && (image[0] & BTSDK_LSA_MASK_EXT))
                blocks.emplace_back(image.begin() + 96, image.end());
        }
        return blocks;
    }
};

TEST_F(Property, TheDialogShowsTheServerAndTheSharedFolder) {
    QString name;
    CvCm_GetSvcDisplayName(0x1106, &name);
    const corvtest::ModalAnswer answer = open(1, QDialogButtonBox::RejectRole, [&](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("FtpPropertyDlg"));
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("%1 Properties").arg(name));
        auto* tabs = dialog->findChild<QTabWidget*>(QStringLiteral("tabWidget"));
        ASSERT_NE(tabs, nullptr);
        ASSERT_EQ(tabs->count(), 2);
        EXPECT_EQ(tabs->widget(0)->objectName(), QStringLiteral("tab_General"));
        EXPECT_EQ(tabs->tabText(0), QStringLiteral("General"));
        EXPECT_EQ(tabs->widget(1)->objectName(), QStringLiteral("tab_FTP"));
        EXPECT_EQ(tabs->tabText(1), QStringLiteral("Options"));
        EXPECT_EQ(tabs->currentIndex(), 1);
        auto* folder = dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit_FTPFolder"));
        ASSERT_NE(folder, nullptr);
        EXPECT_EQ(folder->text(), QStringLiteral("/tmp"));
        EXPECT_TRUE(folder->isReadOnly());
        EXPECT_FALSE(folder->isEnabled());
        EXPECT_NE(dialog->findChild<QToolButton*>(QStringLiteral("toolButton_SelFTPFolder")), nullptr);
        auto* writable = dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_FtpWritable"));
        ASSERT_NE(writable, nullptr);
        EXPECT_TRUE(writable->isChecked());
        EXPECT_EQ(writable->text(), QStringLiteral("A&llow other Bluetooth users to change my files"));
        EXPECT_FALSE(dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_SecureConnection"))->isChecked());
    });
    EXPECT_TRUE(answer.pressed);
    EXPECT_TRUE(settingsWritten().empty());
    EXPECT_TRUE(callsOf("update_server_attributes").empty());
}

TEST_F(Property, OkWritesTheSettingsAndTheExtendedAttributes) {
    const corvtest::ModalAnswer answer = open(0, QDialogButtonBox::AcceptRole, [](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit_FTPFolder"))->setText(QStringLiteral("/tmp/ftp-share"));
        dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_FtpWritable"))->setChecked(false);
    });
    EXPECT_TRUE(answer.pressed);
    EXPECT_EQ(answer.others, 0);
    EXPECT_EQ(settingsWritten(),
              (Rows{{"FTPSERVER", "SHAREFOLDER", "/tmp/ftp-share"}, {"FTPSERVER", "DESIRED_ACCESS", "2"}}));
    std::vector<std::vector<uint8_t>> blocks = extBlocks();
    ASSERT_EQ(blocks.size(), 1u);
    const std::vector<uint8_t>& ext = blocks[0];
    ASSERT_EQ(ext.size(), 264u);
    quint32 size = 0;
    quint16 mask = 0, access = 0;
    std::memcpy(&size, &ext[0], 4);
    std::memcpy(&mask, &ext[4], 2);
    std::memcpy(&access, &ext[6], 2);
    EXPECT_EQ(size, 264u);
    EXPECT_EQ(mask, 3);
    EXPECT_EQ(access, 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&ext[8])), "/tmp/ftp-share");

    // Turned back on: only the access changes, and the block carries the kept folder.
    service.clearCalls();
    open(0, QDialogButtonBox::AcceptRole, [](QWidget* dialog) {
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit_FTPFolder"))->text(),
                  QStringLiteral("/tmp/ftp-share"));
        dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_FtpWritable"))->setChecked(true);
    });
    EXPECT_EQ(settingsWritten(), (Rows{{"FTPSERVER", "DESIRED_ACCESS", "1"}}));
    blocks = extBlocks();
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0][6], 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&blocks[0][8])), "/tmp/ftp-share");
}

TEST_F(Property, WhileADeviceIsConnectedTheChangeWaitsForTheUsersYes) {
    connectPhoneToServer();
    for (QMessageBox::StandardButton press : {QMessageBox::No, QMessageBox::Yes}) {
        service.clearCalls();
        const QString folder = press == QMessageBox::Yes ? QStringLiteral("/tmp") : QStringLiteral("/var/tmp");
        corvtest::ModalAnswer confirm;
        // The dialog's OK opens the confirmation, answered within the dialog's step.
        const corvtest::ModalAnswer answer = open(0, corvtest::Press::none(), [&](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit_FTPFolder"))->setText(folder);
            QAbstractButton* ok = corvtest::Press::button(QMessageBox::Ok).find(dialog);
            ASSERT_NE(ok, nullptr);
            confirm = corvtest::answerModal([ok] { ok->click(); }, corvtest::Press::button(press));
        });
        EXPECT_TRUE(answer.came);
        EXPECT_TRUE(confirm.pressed);
        EXPECT_EQ(confirm.title, QStringLiteral("Confirm Settings Warning"));
        // The settings take the new folder either way; the running server only on Yes.
        EXPECT_EQ(settingsWritten(), (Rows{{"FTPSERVER", "SHAREFOLDER", folder.toStdString()}}));
        const std::vector<std::vector<uint8_t>> blocks = extBlocks();
        ASSERT_EQ(blocks.size(), press == QMessageBox::Yes ? 1u : 0u);
        if (!blocks.empty()) {
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(&blocks[0][8])), "/tmp");
        }
    }
}

TEST_F(Property, TheSecureConnectionBoxIsAppliedWithoutConfirmation) {
    connectPhoneToServer();
    open(0, QDialogButtonBox::AcceptRole, [](QWidget* dialog) {
        dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_SecureConnection"))->setChecked(true);
    });
    BtsdkLocalServerAttr attr{};
    attr.mask = BTSDK_LSA_MASK_SECURITY;
    ASSERT_EQ(Btsdk_GetServerAttributes(kServerFtp, &attr), BTSDK_OK);
    EXPECT_EQ(attr.security, 7);
}

TEST_F(Property, ASecondDialogDoesNothingWhileOneIsOpen) {
    int dialogs = 0;
    const corvtest::ModalAnswer answer = open(0, QDialogButtonBox::RejectRole, [&](QWidget*) {
        ProfilePlugMng::ShowSvrPropertyDlg(kServerFtp, nullptr, 1);
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QStringLiteral("FtpPropertyDlg") && widget->isVisible()) ++dialogs;
    });
    EXPECT_TRUE(answer.pressed);
    EXPECT_EQ(answer.others, 0);
    EXPECT_EQ(dialogs, 1);
    // Once it is closed, the next one opens.
    EXPECT_TRUE(open(0, QDialogButtonBox::RejectRole, {}).came);
}

}  // namespace
}  // namespace ftptest
