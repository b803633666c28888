// The browser's panes: what the remote listing shows, navigation, view modes, the drag
// and drop rules, and the local pane's listing, new entries and renames.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "browser_fixture.h"
#include "ftp_items.h"
#include "modal_answer.h"
#include "my_mime_data.h"

namespace ftptest {
namespace {

using BrowserPanes = Browser;

TEST_F(BrowserPanes, TheRemoteRootShowsFoldersFirstWithTheirTexts) {
    EXPECT_EQ(status(), QStringLiteral("Connected."));
    EXPECT_EQ(names(remotePane()),
              (QStringList{QStringLiteral("Documents"), QStringLiteral("Pictures"), QStringLiteral(".hidden settings"),
                           QStringLiteral("Café menü.txt"), QStringLiteral("notes.txt")}));
    const QTreeWidgetItem* folder = item(remotePane(), QStringLiteral("Documents"));
    EXPECT_EQ(folder->text(ftpitems::Type), QStringLiteral("Folder"));
    EXPECT_TRUE(folder->text(ftpitems::Size).isEmpty());
    const QTreeWidgetItem* notes = item(remotePane(), QStringLiteral("notes.txt"));
    const QFileInfo real(phoneFiles() + QStringLiteral("/notes.txt"));
    EXPECT_EQ(notes->text(ftpitems::Size), ftpitems::sizeText(unsigned(real.size())));
    EXPECT_EQ(notes->text(ftpitems::Type), QStringLiteral("txt"));
    EXPECT_EQ(notes->text(ftpitems::Modified), real.lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm")));
    EXPECT_EQ(notes->toolTip(0), QStringLiteral("Name:\t%1\nSize:\t%2\nType:\t%3\nModified:\t%4")
                                     .arg(notes->text(0), notes->text(1), notes->text(2), notes->text(3)));
    EXPECT_EQ(ftpitems::remoteEntry(notes)->size, unsigned(real.size()));
}

TEST_F(BrowserPanes, RemoteFoldersAreEnteredAndLeft) {
    auto* box = window->findChild<QComboBox*>(QStringLiteral("comboBox_Remote"));
    EXPECT_FALSE(action("actUpRemote")->isEnabled());
    window->itemDoubleClickedRmt(item(remotePane(), QStringLiteral("Documents")), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return remotePane()->topLevelItemCount() == 2; }, 5000));
    EXPECT_EQ(names(remotePane()),
              (QStringList{QStringLiteral("Projects"), QStringLiteral("Résumé 2026.v2.final.pdf")}));
    EXPECT_EQ(item(remotePane(), QStringLiteral("Résumé 2026.v2.final.pdf"))->text(ftpitems::Type),
              QStringLiteral("pdf"));
    EXPECT_EQ(box->currentText(), QStringLiteral("/Documents"));
    EXPECT_TRUE(action("actUpRemote")->isEnabled());

    window->itemDoubleClickedRmt(item(remotePane(), QStringLiteral("Projects")), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return names(remotePane()) == QStringList{QStringLiteral("plan 2026.draft.md")}; }, 5000));
    EXPECT_EQ(box->currentText(), QStringLiteral("/Documents/Projects"));
    window->cdUpRmt();
    ASSERT_TRUE(QTest::qWaitFor([&] { return remotePane()->topLevelItemCount() == 2; }, 5000));
    window->cdUpRmt();
    ASSERT_TRUE(QTest::qWaitFor([&] { return remotePane()->topLevelItemCount() == 5; }, 5000));
    EXPECT_EQ(box->currentText(), QStringLiteral("/"));
    EXPECT_FALSE(action("actUpRemote")->isEnabled());
    // Each folder is in the box once.
    window->UpdateRmtCombox(QStringLiteral("/Documents"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return remotePane()->topLevelItemCount() == 2; }, 5000));
    EXPECT_EQ(box->findText(QStringLiteral("/Documents")), box->currentIndex());
    EXPECT_EQ(box->count(), 3);
}

TEST_F(BrowserPanes, EachPaneKeepsItsOwnViewAndTheActionsShowTheFocusedOne) {
    focus(remotePane());
    action("actDetails")->trigger();
    EXPECT_FALSE(remotePane()->isColumnHidden(ftpitems::Modified));
    EXPECT_TRUE(localPane()->isColumnHidden(ftpitems::Modified));
    EXPECT_TRUE(action("actDetails")->isChecked());
    EXPECT_FALSE(action("actList")->isChecked());
    focus(localPane());
    EXPECT_TRUE(action("actList")->isChecked());
    EXPECT_FALSE(action("actDetails")->isChecked());
    // The remote selection goes when the local pane takes the focus.
    EXPECT_TRUE(remotePane()->selectedItems().isEmpty());
    EXPECT_TRUE(action("actNewFile")->isEnabled());
    focus(remotePane());
    EXPECT_FALSE(action("actNewFile")->isEnabled());
    select(remotePane(), {QStringLiteral("notes.txt")});
    EXPECT_TRUE(action("actDownload")->isEnabled());
    EXPECT_TRUE(action("actDelete")->isEnabled());
    EXPECT_FALSE(action("actUpload")->isEnabled());
    remotePane()->clearSelection();
    EXPECT_FALSE(action("actDownload")->isEnabled());
}

// Sends a drag with the payload over the pane and drops it; true when the pane took it.
bool dropOn(MyTreeWidget* pane, QMimeData* payload) {
    const QPoint at = pane->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, payload, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pane->viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, payload, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pane->viewport(), &drop);
    return enter.isAccepted() && drop.isAccepted();
}

TEST_F(BrowserPanes, DropsAreTakenOnlyFromTheOtherPane) {
    writeFile(localPath(QStringLiteral("a.txt")), 10);
    window->UpdateLocTree(local.path());
    select(localPane(), {QStringLiteral("a.txt")});
    select(remotePane(), {QStringLiteral("notes.txt"), QStringLiteral("Pictures")});
    std::unique_ptr<MyMimeData> fromLocal(localPane()->dragPayload());
    std::unique_ptr<MyMimeData> fromRemote(remotePane()->dragPayload());
    EXPECT_FALSE(fromLocal->hasFormat(QStringLiteral("application/x-Corvane")));
    EXPECT_EQ(fromRemote->data(QStringLiteral("application/x-Corvane")), QByteArray("1"));
    ASSERT_EQ(fromLocal->urls().size(), 1);
    EXPECT_EQ(urlPath(fromLocal->urls().first()), localPath(QStringLiteral("a.txt")));
    EXPECT_EQ(fromRemote->urls().size(), 2);
    for (const QUrl& url : fromRemote->urls()) EXPECT_TRUE(url.toString().startsWith(QLatin1Char('/')));

    QSignalSpy uploads(remotePane(), &MyTreeWidget::UploadRequest);
    QSignalSpy downloads(localPane(), &MyTreeWidget::DownloadRequest);
    EXPECT_FALSE(dropOn(localPane(), fromLocal.get()));
    EXPECT_FALSE(dropOn(remotePane(), fromRemote.get()));
    EXPECT_TRUE(uploads.isEmpty());
    EXPECT_TRUE(downloads.isEmpty());
    MyMimeData noUrls;
    noUrls.setText(QStringLiteral("/notes.txt"));
    EXPECT_FALSE(dropOn(remotePane(), &noUrls));

    // Dropping on the other pane asks for the transfer; the window then refuses a second
    // request while the first runs.
    EXPECT_TRUE(dropOn(localPane(), fromRemote.get()));
    ASSERT_EQ(downloads.size(), 1);
    EXPECT_EQ(downloads.first().first().value<QList<QUrl>>().size(), 2);
    EXPECT_TRUE(dropOn(remotePane(), fromLocal.get()));
    EXPECT_EQ(uploads.size(), 1);
    EXPECT_TRUE(waitForStatus(QStringLiteral("2 of 2 downloaded")));
    EXPECT_TRUE(callsOf("put_file").empty());
    EXPECT_EQ(contents(localPath(QStringLiteral("notes.txt"))), contents(phoneFiles() + QStringLiteral("/notes.txt")));
}

TEST_F(BrowserPanes, TheLocalPaneListsFoldersFirstWithHiddenEntries) {
    ASSERT_TRUE(QDir(local.path()).mkdir(QStringLiteral("b folder")));
    ASSERT_TRUE(QDir(local.path()).mkdir(QStringLiteral(".hidden folder")));
    writeFile(localPath(QStringLiteral("B.txt")), 1048576);
    writeFile(localPath(QStringLiteral("a.tar.gz")), 0);
    writeFile(localPath(QStringLiteral(".profile")), 3);
    window->UpdateLocTree(local.path());
    EXPECT_EQ(names(localPane()), (QStringList{QStringLiteral(".hidden folder"), QStringLiteral("b folder"),
                                               QStringLiteral(".profile"), QStringLiteral("B.txt"),
                                               QStringLiteral("a.tar.gz")}));
    EXPECT_EQ(item(localPane(), QStringLiteral("B.txt"))->text(ftpitems::Size), QStringLiteral("1024.0 KB"));
    EXPECT_EQ(item(localPane(), QStringLiteral("a.tar.gz"))->text(ftpitems::Size), QStringLiteral("0 B"));
    EXPECT_EQ(item(localPane(), QStringLiteral("a.tar.gz"))->text(ftpitems::Type), QStringLiteral("gz"));
    EXPECT_EQ(item(localPane(), QStringLiteral("b folder"))->text(ftpitems::Type), QStringLiteral("Folder"));

    window->itemDoubleClickedLocal(item(localPane(), QStringLiteral("b folder")), 0);
    EXPECT_TRUE(names(localPane()).isEmpty());
    EXPECT_TRUE(action("actUpLocal")->isEnabled());
    window->cdUpLocal();
    EXPECT_EQ(localPane()->currentPath(), local.path());
    EXPECT_EQ(localPane()->topLevelItemCount(), 5);
}

TEST_F(BrowserPanes, LocalFilesOf4GiBAndMoreShowTheirTrueSize) {
    constexpr qint64 kGiB = 1024LL * 1024 * 1024;
    const struct {
        const char* name;
        qint64 size;
        const char* shown;
    } files[] = {{"four.img", 4 * kGiB, "4.0 GB"}, {"five and a half.img", 5 * kGiB + kGiB / 2, "5.5 GB"}};
    for (const auto& f : files) {
        QFile file(localPath(QLatin1String(f.name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(f.size));  // sparse: no disk space taken
    }
    window->UpdateLocTree(local.path());
    for (const auto& f : files)
        EXPECT_EQ(item(localPane(), QLatin1String(f.name))->text(ftpitems::Size), QLatin1String(f.shown)) << f.name;
}

// Commits `text` in the editor that the window opened on a row.
void commitEdit(MyTreeWidget* pane, const QString& text) {
    auto* editor = pane->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
}

// Answers the box that a finished edit opens: the edit is handled a few events later, so
// the step waits until the box has been seen.
corvtest::ModalAnswer answerEditBox(MyTreeWidget* pane, const QString& text, const std::function<void()>& startEdit) {
    bool seen = false;
    return corvtest::answerModal(
        [&] {
            startEdit();
            commitEdit(pane, text);
            EXPECT_TRUE(QTest::qWaitFor([&] { return seen; }, 5000));
        },
        corvtest::Press::button(QMessageBox::Ok), [&](QWidget*) { seen = true; });
}

TEST_F(BrowserPanes, NewLocalEntriesTakeTheFirstFreeNumberAndAreNamedInPlace) {
    writeFile(localPath(QStringLiteral("new file")), 1);
    writeFile(localPath(QStringLiteral("new file1")), 1);
    window->UpdateLocTree(local.path());
    focus(localPane());
    action("actNewFile")->trigger();
    EXPECT_TRUE(QFileInfo::exists(localPath(QStringLiteral("new file2"))));
    ASSERT_NE(localPane()->currentItem(), nullptr);
    EXPECT_EQ(localPane()->currentItem()->text(0), QStringLiteral("new file2"));
    commitEdit(localPane(), QStringLiteral("letter.txt"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(localPath(QStringLiteral("letter.txt"))); }, 2000));
    EXPECT_FALSE(QFileInfo::exists(localPath(QStringLiteral("new file2"))));

    action("actNewFolder")->trigger();
    EXPECT_TRUE(QFileInfo(localPath(QStringLiteral("new folder"))).isDir());
    QApplication::processEvents();
    ASSERT_NE(localPane()->currentItem(), nullptr);
    EXPECT_EQ(localPane()->currentItem()->text(0), QStringLiteral("new folder"));
}

TEST_F(BrowserPanes, ARenameToATakenOrEmptyNameIsRefused) {
    writeFile(localPath(QStringLiteral("one.txt")), 1);
    writeFile(localPath(QStringLiteral("two.txt")), 2);
    window->UpdateLocTree(local.path());
    focus(localPane());
    localPane()->setCurrentItem(item(localPane(), QStringLiteral("one.txt")));
    const corvtest::ModalAnswer taken = answerEditBox(localPane(), QStringLiteral("two.txt"),
                                                      [&] { QTest::keyClick(localPane(), Qt::Key_F2); });
    EXPECT_EQ(taken.title, QStringLiteral("Rename Fail"));
    EXPECT_EQ(taken.text, QStringLiteral("Can't rename the file:one.txt!\nFile with the name 'two.txt' already exists."));
    EXPECT_EQ(contents(localPath(QStringLiteral("two.txt"))).size(), 2);

    localPane()->setCurrentItem(item(localPane(), QStringLiteral("one.txt")));
    const corvtest::ModalAnswer blank = answerEditBox(localPane(), QString(), [&] { window->actionRename(); });
    EXPECT_EQ(blank.text, QStringLiteral("Can't leave the file name blank:one.txt!\n"));
    EXPECT_TRUE(QFileInfo::exists(localPath(QStringLiteral("one.txt"))));
}

TEST_F(BrowserPanes, DeletingALocalFolderLeavesWhatItsLinksPointTo) {
    QTemporaryDir outside;
    writeFile(outside.filePath(QStringLiteral("keep.txt")), 5);
    const QString doomed = localPath(QStringLiteral("doomed"));
    ASSERT_TRUE(QDir().mkpath(doomed + QStringLiteral("/inner")));
    writeFile(doomed + QStringLiteral("/inner/.hidden"), 1);
    ASSERT_TRUE(QFile::link(outside.path(), doomed + QStringLiteral("/to outside")));
    ASSERT_TRUE(QFile::link(outside.filePath(QStringLiteral("keep.txt")), doomed + QStringLiteral("/inner/keep link")));
    writeFile(localPath(QStringLiteral("also.txt")), 1);
    window->UpdateLocTree(local.path());
    focus(localPane());
    select(localPane(), {QStringLiteral("doomed"), QStringLiteral("also.txt")});
    const corvtest::ModalAnswer confirm = corvtest::answerModal(
        [&] { QTest::keyClick(localPane(), Qt::Key_Delete); }, corvtest::Press::button(QMessageBox::Yes));
    EXPECT_EQ(confirm.title, QStringLiteral("Confirm File Delete"));
    EXPECT_EQ(confirm.text, QStringLiteral("Are you sure delete the 2 items?"));
    EXPECT_FALSE(QFileInfo::exists(doomed));
    EXPECT_FALSE(QFileInfo::exists(localPath(QStringLiteral("also.txt"))));
    EXPECT_EQ(contents(outside.filePath(QStringLiteral("keep.txt"))).size(), 5);
    EXPECT_TRUE(names(localPane()).isEmpty());
}

TEST_F(BrowserPanes, ARemoteFolderIsNamedInPlaceAndAnExistingNameIsRefused) {
    focus(remotePane());
    action("actNewFolder")->trigger();
    ASSERT_NE(item(remotePane(), QStringLiteral("new folder")), nullptr);
    EXPECT_EQ(remotePane()->currentItem(), item(remotePane(), QStringLiteral("new folder")));
    const corvtest::ModalAnswer clash = answerEditBox(remotePane(), QStringLiteral("Documents"), [] {});
    EXPECT_EQ(clash.title, QStringLiteral("Create Folder Failed"));
    EXPECT_EQ(clash.text, QStringLiteral("Can't create the folder!\nFile or folder with the name 'Documents' already exists."));
    ASSERT_TRUE(QTest::qWaitFor([&] { return remotePane()->topLevelItemCount() == 5; }, 5000));
    EXPECT_TRUE(callsOf("create_dir").empty());

    action("actNewFolder")->trigger();
    commitEdit(remotePane(), QStringLiteral("Trips"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(phoneFiles() + QStringLiteral("/Trips")).isDir(); }, 5000));
    // The pane is listed again from the device, the new folder among the folders.
    ASSERT_TRUE(QTest::qWaitFor([&] { return remotePane()->topLevelItemCount() == 6; }, 5000));
    EXPECT_EQ(ftpitems::isFolder(item(remotePane(), QStringLiteral("Trips"))), true);
    EXPECT_NE(ftpitems::remoteEntry(item(remotePane(), QStringLiteral("Trips"))), nullptr);
}

TEST_F(BrowserPanes, ARemoteDeleteIsConfirmedAndHidesTheDisconnectMeanwhile) {
    focus(remotePane());
    select(remotePane(), {QStringLiteral("notes.txt")});
    bool confirmingSeen = false;
    const corvtest::ModalAnswer no = corvtest::answerModal(
        [&] { window->actionDelete(); }, corvtest::Press::button(QMessageBox::No),
        [&](QWidget*) { confirmingSeen = window->isConfirmingDelete(); });
    EXPECT_EQ(no.text, QStringLiteral("Are you sure delete the file:notes.txt?"));
    EXPECT_TRUE(confirmingSeen);
    EXPECT_FALSE(window->isConfirmingDelete());
    EXPECT_TRUE(QFileInfo::exists(phoneFiles() + QStringLiteral("/notes.txt")));

    select(remotePane(), {QStringLiteral("Pictures")});
    const corvtest::ModalAnswer yes =
        corvtest::answerModal([&] { window->actionDelete(); }, corvtest::Press::button(QMessageBox::Yes));
    EXPECT_EQ(yes.text, QStringLiteral("Are you sure delete the folder:Pictures?"));
    EXPECT_TRUE(waitForStatus(QStringLiteral("Delete succeeded.")));
    EXPECT_FALSE(QFileInfo::exists(phoneFiles() + QStringLiteral("/Pictures")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return remotePane()->topLevelItemCount() == 4; }, 5000));
}

}  // namespace
}  // namespace ftptest
