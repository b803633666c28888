// The properties window of a remote-service shortcut against the stand-in service: the
// profile and its device, a device without a name, added pages, its buttons and its
// texts in German.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTranslator>

#include "corvclient/btsdk.h"
#include "cvcommon/shortcut_helpers.h"
#include "harness.h"
#include "modal_answer.h"
#include "profilekit/rmt_profile_property_class.h"
#include "qt_print.h"
#include "shots.h"

namespace {

// property_world.ini
constexpr BTDEVHDL kPhone = 1, kBare = 2, kLettered = 3;
constexpr BTSVCHDL kPhoneFtp = 4, kBareOpp = 5, kLetteredDun = 6;

class PropertyDialog : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();

    void SetUp() override { service.loadScenario(PROFILEKIT_WORLD); }

    static unsigned int shortcutOf(BTDEVHDL device, BTSVCHDL remoteService) {
        unsigned int shortcut = 0;
        EXPECT_EQ(CvCm_CreateShortCut(device, remoteService, &shortcut), BTSDK_OK);
        return shortcut;
    }
    static QString shown(QWidget* dialog, const char* name) {
        if (auto* edit = dialog->findChild<QLineEdit*>(QLatin1String(name))) return edit->text();
        return dialog->findChild<QLabel*>(QLatin1String(name))->text();
    }
    static QTabWidget* tabs(QWidget* dialog) { return dialog->findChild<QTabWidget*>(QStringLiteral("tabWidget")); }
};

TEST_F(PropertyDialog, ShowsTheProfileAndItsDevice) {
    RmtProfilePropertyClass dialog(shortcutOf(kPhone, kPhoneFtp));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Bluetooth File Transfer Properties"));
    EXPECT_EQ(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Window);
    EXPECT_EQ(shown(&dialog, "lineEdit_ProfileName"), QStringLiteral("Bluetooth File Transfer"));
    EXPECT_EQ(shown(&dialog, "lineEdit_RemoteName"), QStringLiteral("Nova Phone"));
    EXPECT_EQ(shown(&dialog, "label"), QStringLiteral("Location:"));
    EXPECT_EQ(shown(&dialog, "label_2"), QStringLiteral("Description:"));
    EXPECT_EQ(shown(&dialog, "label_ProfileDescription"), QStringLiteral("Browse and access files and folders shared."));
    EXPECT_EQ(tabs(&dialog)->tabText(0), QStringLiteral("General"));
    const QPixmap icon = dialog.findChild<QLabel*>(QStringLiteral("label_ProfileIcon"))->pixmap(Qt::ReturnByValue);
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(48, 48));
    dialog.show();
    pktest::saveShot(&dialog, "property");
}

TEST_F(PropertyDialog, DeviceWithoutANameShowsItsAddress) {
    BTUINT8 stored[6] = {};
    ASSERT_EQ(Btsdk_GetRemoteDeviceAddress(kBare, stored), BTSDK_OK);
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(stored), 6), QByteArray::fromHex("554433221100"));

    RmtProfilePropertyClass bare(shortcutOf(kBare, kBareOpp));
    EXPECT_EQ(shown(&bare, "lineEdit_RemoteName"), QStringLiteral("00:11:22:33:44:55"));
    EXPECT_EQ(bare.windowTitle(), QStringLiteral("Bluetooth Object Push Properties"));
    bare.show();
    pktest::saveShot(&bare, "property-nameless");
    RmtProfilePropertyClass lettered(shortcutOf(kLettered, kLetteredDun));
    EXPECT_EQ(shown(&lettered, "lineEdit_RemoteName"), QStringLiteral("a4:c3:f0:55:90:1e"));
}

TEST_F(PropertyDialog, UnknownShortcutShowsNoDevice) {
    RmtProfilePropertyClass dialog(999);
    EXPECT_EQ(shown(&dialog, "lineEdit_RemoteName"), QString());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Unrecognized Properties"));
}

TEST_F(PropertyDialog, AddedPagesFollowTheGeneralPage) {
    QPointer<QWidget> page = new QWidget;
    {
        RmtProfilePropertyClass dialog(shortcutOf(kPhone, kPhoneFtp));
        dialog.AddTablePage(page, QStringLiteral("Options"));
        ASSERT_EQ(tabs(&dialog)->count(), 2);
        EXPECT_EQ(tabs(&dialog)->tabText(1), QStringLiteral("Options"));
        EXPECT_EQ(tabs(&dialog)->widget(1), page);
        EXPECT_TRUE(dialog.isAncestorOf(page));
    }
    EXPECT_TRUE(page.isNull());  // the dialog took it over
}

TEST_F(PropertyDialog, OkAcceptsAndCancelRejects) {
    const std::pair<QMessageBox::StandardButton, int> presses[] = {{QMessageBox::Ok, QDialog::Accepted},
                                                                   {QMessageBox::Cancel, QDialog::Rejected}};
    for (const auto& [button, expected] : presses) {
        RmtProfilePropertyClass dialog(shortcutOf(kPhone, kPhoneFtp));
        int result = -1;
        EXPECT_TRUE(corvtest::answerModal([&] { result = dialog.exec(); }, corvtest::Press::button(button)).pressed);
        EXPECT_EQ(result, expected);
    }
}

TEST_F(PropertyDialog, TextsFollowALanguageChange) {
    RmtProfilePropertyClass dialog(shortcutOf(kPhone, kPhoneFtp));
    QTranslator dialogs, names;
    ASSERT_TRUE(dialogs.load(QStringLiteral("profilekit_de"), QStringLiteral(PROFILEKIT_TRANSLATIONS_DIR)));
    ASSERT_TRUE(names.load(QStringLiteral("cvcommon_de"), QStringLiteral(CORVANE_TRANSLATIONS_DIR)));
    QCoreApplication::installTranslator(&dialogs);
    QCoreApplication::installTranslator(&names);
    QCoreApplication::processEvents();  // the language change reaches the dialog
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Eigenschaften von Bluetooth Dateiübertragung"));
    EXPECT_EQ(tabs(&dialog)->tabText(0), QStringLiteral("Allgemein"));
    EXPECT_EQ(shown(&dialog, "label"), QStringLiteral("Ort:"));
    EXPECT_EQ(shown(&dialog, "lineEdit_ProfileName"), QString::fromUtf8("Bluetooth Dateiübertragung"));
    EXPECT_EQ(shown(&dialog, "lineEdit_RemoteName"), QStringLiteral("Nova Phone"));

    QCoreApplication::removeTranslator(&dialogs);
    QCoreApplication::removeTranslator(&names);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Bluetooth File Transfer Properties"));
}

}  // namespace
