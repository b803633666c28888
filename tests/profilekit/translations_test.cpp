// The German catalogue of the library: the texts of the classes and of their forms.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <QTreeWidget>

#include "profilekit/com_progress_dlg.h"
#include "profilekit/file_open_dlg.h"
#include "qt_print.h"

namespace {

class German : public testing::Test {
protected:
    QTranslator german;
    void SetUp() override {
        ASSERT_TRUE(german.load(QStringLiteral("profilekit_de"), QStringLiteral(PROFILEKIT_TRANSLATIONS_DIR)));
        QCoreApplication::installTranslator(&german);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&german); }
};

TEST_F(German, ProgressTextsAreTranslated) {
    EXPECT_EQ(ComProgressDlg::GetTimeString(3903), QStringLiteral("1Stunde5Minuten3Sekunden"));
    EXPECT_EQ(ComProgressDlg::GetTimeString(7322), QStringLiteral("2Stunden2Minuten2Sekunden"));
    EXPECT_EQ(ComProgressDlg::GetSizeString(1023), QStringLiteral("1023Bytes"));
    QString src = QStringLiteral("a"), dest = QStringLiteral("b");
    ComProgressDlg dialog(src, dest);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Kopiere "));
}

TEST_F(German, FileChooserTextsAreTranslated) {
    FileOpenDlg dialog(QStringLiteral(PROFILEKIT_TRANSLATIONS_DIR));
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Datei öffnen"));
    QTreeWidget* list = dialog.findChild<QTreeWidget*>(QStringLiteral("treeWidgetFiles"));
    EXPECT_EQ(list->headerItem()->text(1), QString::fromUtf8("Größe"));
    EXPECT_EQ(list->headerItem()->text(3), QString::fromUtf8("Geändert"));
    // The build folder of the catalogues holds folders of its own.
    EXPECT_FALSE(list->findItems(QStringLiteral("Ordner"), Qt::MatchExactly, 2).isEmpty());
}

}  // namespace
