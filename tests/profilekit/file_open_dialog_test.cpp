// The file chooser over a real folder tree: the listing, the display form of paths,
// entering and leaving folders, the two roots, choosing a file and cancelling.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "modal_answer.h"
#include "profilekit/file_open_dlg.h"
#include "qt_print.h"
#include "shots.h"

namespace {

using corvtest::Press;

constexpr qint64 kMiB = 1024 * 1024, kGiB = 1024 * kMiB;

class FileOpen : public testing::Test {
protected:
    QTemporaryDir tree;
    QString root = tree.path();

    void SetUp() override {
        ASSERT_TRUE(tree.isValid());
        QDir dir(root);
        ASSERT_TRUE(dir.mkpath(QStringLiteral("docs/inner")) && dir.mkpath(QStringLiteral(".config")));
        makeFile(QStringLiteral("docs/note.txt"), 5);
        makeFile(QStringLiteral(".profile"), 10);
        makeFile(QStringLiteral("a.txt"), 1023);
        makeFile(QStringLiteral("b.bin"), 1024);
        makeFile(QStringLiteral("c.bin"), kMiB);
        makeFile(QStringLiteral("d.iso"), kGiB);  // sparse
        makeFile(QStringLiteral("e.iso"), kGiB + kGiB / 2);
        ASSERT_EQ(mkfifo(QFile::encodeName(root + QStringLiteral("/pipe")).constData(), 0600), 0);
        ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent/target"), root + QStringLiteral("/gone")));
        ASSERT_TRUE(QFile::link(root + QStringLiteral("/docs"), root + QStringLiteral("/link-to-docs")));
    }

    void makeFile(const QString& name, qint64 size) {
        QFile file(root + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(size));
        ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2021, 3, 4), QTime(5, 6)), QFileDevice::FileModificationTime));
    }

    static QTreeWidget* list(QWidget* dialog) {
        return dialog->findChild<QTreeWidget*>(QStringLiteral("treeWidgetFiles"));
    }
    static QComboBox* pathBox(QWidget* dialog) { return dialog->findChild<QComboBox*>(QStringLiteral("rootdir")); }
    static QToolButton* upButton(QWidget* dialog) {
        return dialog->findChild<QToolButton*>(QStringLiteral("upperdir"));
    }
    static QStringList names(QWidget* dialog) {
        QStringList all;
        for (int i = 0; i < list(dialog)->topLevelItemCount(); ++i) all << list(dialog)->topLevelItem(i)->text(0);
        return all;
    }
    static QTreeWidgetItem* item(QWidget* dialog, const QString& name) {
        const QList<QTreeWidgetItem*> found = list(dialog)->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }
    // Double-clicks the entry as a person does; false when it is not listed.
    static bool doubleClick(QWidget* dialog, const QString& name) {
        QTreeWidgetItem* entry = item(dialog, name);
        if (!entry) return false;
        QTreeWidget* view = list(dialog);
        view->scrollToItem(entry);
        const QPoint at = view->visualItemRect(entry).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);  // the press a double-click follows
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        return true;
    }
    static bool click(QWidget* dialog, const QString& name) {
        QTreeWidgetItem* entry = item(dialog, name);
        if (!entry) return false;
        QTest::mouseClick(list(dialog)->viewport(), Qt::LeftButton, {},
                          list(dialog)->visualItemRect(entry).center());
        return true;
    }
    static QStringList pathEntries(QWidget* dialog) {
        QStringList all;
        for (int i = 0; i < pathBox(dialog)->count(); ++i) all << pathBox(dialog)->itemText(i);
        return all;
    }
};

TEST_F(FileOpen, ListsFoldersFirstThenFilesWithSizeTypeAndTime) {
    FileOpenDlg dialog(root);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Open File"));
    // No dot folders, pipes or dangling links; a link to a folder is a folder.
    EXPECT_EQ(names(&dialog), (QStringList{QStringLiteral("docs"), QStringLiteral("link-to-docs"),
                                           QStringLiteral(".profile"), QStringLiteral("a.txt"), QStringLiteral("b.bin"),
                                           QStringLiteral("c.bin"), QStringLiteral("d.iso"), QStringLiteral("e.iso")}));
    QTreeWidgetItem* docs = item(&dialog, QStringLiteral("docs"));
    EXPECT_EQ(docs->text(1), QString());
    EXPECT_EQ(docs->text(2), QStringLiteral("Folder"));
    EXPECT_EQ(docs->text(3), QString());

    const std::pair<const char*, const char*> sizes[] = {
        {"a.txt", "1023 B"}, {"b.bin", "1.0 KB"}, {"c.bin", "1024.0 KB"}, {"d.iso", "1024.0 MB"}, {"e.iso", "1.5 GB"}};
    for (const auto& [name, size] : sizes) EXPECT_EQ(item(&dialog, QLatin1String(name))->text(1), QLatin1String(size));
    QTreeWidgetItem* text = item(&dialog, QStringLiteral("a.txt"));
    EXPECT_EQ(text->text(2), QStringLiteral("txt"));
    EXPECT_EQ(text->text(3), QStringLiteral("2021-03-04 05:06"));
    EXPECT_EQ(text->toolTip(0), QStringLiteral("Name:\ta.txt\nSize:\t1023 B\nType:\ttxt\nModified:\t2021-03-04 05:06"));
    EXPECT_EQ(list(&dialog)->headerItem()->text(3), QStringLiteral("Modified"));
    EXPECT_FALSE(list(&dialog)->rootIsDecorated());
}

TEST_F(FileOpen, RootShowsAsSlashAndGoingUpThereChangesNothing) {
    for (const QString& start : {root, root + QLatin1Char('/')}) {
        FileOpenDlg dialog(start);
        EXPECT_EQ(pathBox(&dialog)->currentText(), QStringLiteral("/"));
        EXPECT_FALSE(upButton(&dialog)->isEnabled());
        const QStringList before = names(&dialog);
        dialog.cdUp();
        EXPECT_EQ(pathBox(&dialog)->currentText(), QStringLiteral("/"));
        EXPECT_EQ(pathEntries(&dialog), QStringList{QStringLiteral("/")});
        EXPECT_EQ(names(&dialog), before);
        EXPECT_FALSE(upButton(&dialog)->isEnabled());
    }
}

TEST_F(FileOpen, FoldersAreEnteredOnDoubleClickAndShownBelowTheRoot) {
    FileOpenDlg dialog(root + QLatin1Char('/'));
    dialog.show();
    ASSERT_TRUE(doubleClick(&dialog, QStringLiteral("docs")));
    EXPECT_EQ(pathBox(&dialog)->currentText(), QStringLiteral("/docs"));
    EXPECT_TRUE(upButton(&dialog)->isEnabled());
    EXPECT_EQ(names(&dialog), (QStringList{QStringLiteral("inner"), QStringLiteral("note.txt")}));
    ASSERT_TRUE(doubleClick(&dialog, QStringLiteral("inner")));
    EXPECT_EQ(pathEntries(&dialog), (QStringList{QStringLiteral("/"), QStringLiteral("/docs"), QStringLiteral("/docs/inner")}));
    EXPECT_TRUE(names(&dialog).isEmpty());
    pktest::saveShot(&dialog, "file-open-inner");

    pathBox(&dialog)->setCurrentIndex(1);  // picking a folder above from the path box
    EXPECT_EQ(names(&dialog), (QStringList{QStringLiteral("inner"), QStringLiteral("note.txt")}));
    dialog.cdUp();
    EXPECT_EQ(pathBox(&dialog)->currentText(), QStringLiteral("/"));
    EXPECT_FALSE(upButton(&dialog)->isEnabled());
    EXPECT_EQ(names(&dialog).first(), QStringLiteral("docs"));

    // The up button's own click, from the folder a link leads to.
    ASSERT_TRUE(doubleClick(&dialog, QStringLiteral("link-to-docs")));
    EXPECT_EQ(pathBox(&dialog)->currentText(), QStringLiteral("/link-to-docs"));
    QTest::mouseClick(upButton(&dialog), Qt::LeftButton);
    EXPECT_EQ(pathBox(&dialog)->currentText(), QStringLiteral("/"));
}

TEST_F(FileOpen, ChoosingAFileReturnsItsFullPath) {
    QString chosen;
    corvtest::ModalAnswer answer = corvtest::answerModal(
        [&] { chosen = FileOpenDlg::getOpenFileName(nullptr, root); }, Press::named(QStringLiteral("Ok")),
        [](QWidget* box) {
            pktest::saveShot(box, "file-open");
            ASSERT_TRUE(doubleClick(box, QStringLiteral("docs")));
            ASSERT_TRUE(click(box, QStringLiteral("note.txt")));
        });
    EXPECT_TRUE(answer.pressed);
    EXPECT_EQ(answer.objectName, QStringLiteral("OpenFileDlg"));
    EXPECT_EQ(chosen, root + QStringLiteral("/docs/note.txt"));

    // A double-click on a file chooses it at once.
    answer = corvtest::answerModal([&] { chosen = FileOpenDlg::getOpenFileName(nullptr, root); }, Press::none(),
                                   [](QWidget* box) { ASSERT_TRUE(doubleClick(box, QStringLiteral("c.bin"))); });
    EXPECT_TRUE(answer.came);
    EXPECT_EQ(chosen, root + QStringLiteral("/c.bin"));

    // OK with nothing selected chooses nothing and leaves the dialog up.
    FileOpenDlg dialog(root);
    dialog.show();
    dialog.OnOK();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.selectedPath(), QString());
}

TEST_F(FileOpen, CancelReturnsAnEmptyString) {
    QString chosen = QStringLiteral("unchanged");
    corvtest::ModalAnswer answer = corvtest::answerModal(
        [&] { chosen = FileOpenDlg::getOpenFileName(nullptr, root); }, Press::named(QStringLiteral("Cancel")),
        [](QWidget* box) { ASSERT_TRUE(click(box, QStringLiteral("a.txt"))); });
    EXPECT_TRUE(answer.pressed);
    EXPECT_EQ(chosen, QString());

    chosen = QStringLiteral("unchanged");
    answer = corvtest::answerModal([&] { chosen = FileOpenDlg::getOpenFileName(nullptr, root); }, Press::none(),
                                   [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_TRUE(answer.came);
    EXPECT_EQ(chosen, QString());
}

TEST_F(FileOpen, EachRootStartsAtItsOwnTop) {
    FileOpenDlg dialog(root);
    dialog.show();
    ASSERT_TRUE(doubleClick(&dialog, QStringLiteral("docs")));

    dialog.ChangeToUsbDevice();
    EXPECT_TRUE(dialog.findChild<QRadioButton*>(QStringLiteral("radioMedia"))->isChecked());
    EXPECT_EQ(pathEntries(&dialog), QStringList{QStringLiteral("/")});
    EXPECT_FALSE(upButton(&dialog)->isEnabled());
    EXPECT_EQ(item(&dialog, QStringLiteral("docs")), nullptr);

    QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("radioLocal")), Qt::LeftButton);
    EXPECT_EQ(pathEntries(&dialog), QStringList{QStringLiteral("/")});
    EXPECT_EQ(names(&dialog).first(), QStringLiteral("docs"));
}

}  // namespace
