// Transfers in the browser against the stand-in: files and whole folders both ways,
// compared byte for byte; the replace question; several items with their summary; cancel;
// a read-only service.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "browser_fixture.h"
#include "cvcommon/shortcut_helpers.h"
#include "modal_answer.h"
#include "profilekit/com_progress_dlg.h"

namespace ftptest {
namespace {

using BrowserTransfers = Browser;

QString slash(const QString& name) { return QLatin1Char('/') + name; }

TEST_F(BrowserTransfers, AFileAndAWholeFolderComeDownByteForByte) {
    focus(remotePane());
    select(remotePane(), {QStringLiteral("Café menü.txt")});
    action("actDownload")->trigger();
    ASSERT_TRUE(waitForStatus(QStringLiteral("Download succeeded.")));
    EXPECT_EQ(contents(localPath(QStringLiteral("Café menü.txt"))), contents(phoneFiles() + slash(QStringLiteral("Café menü.txt"))));
    EXPECT_EQ(window->findChild<ComProgressDlg*>(), nullptr);

    QSignalSpy progress(window.get(), &BtFtpClient::sgnTransStatus);
    select(remotePane(), {QStringLiteral("Pictures")});
    action("actDownload")->trigger();
    EXPECT_NE(window->findChild<ComProgressDlg*>(), nullptr);
    ASSERT_TRUE(waitForStatus(QStringLiteral("Download succeeded.")));
    const auto got = tree(localPath(QStringLiteral("Pictures")));
    EXPECT_EQ(got, tree(phoneFiles() + QStringLiteral("/Pictures")));
    EXPECT_EQ(got.size(), 2u);
    // Each file of the folder starts with its own report.
    int starts = 0;
    for (const QList<QVariant>& report : progress) starts += report.at(0).toUInt() != 0 ? 1 : 0;
    EXPECT_GE(starts, 2);
    // Both panes show the result.
    EXPECT_NE(item(localPane(), QStringLiteral("Pictures")), nullptr);
}

TEST_F(BrowserTransfers, AFileAndAFolderTreeGoUpByteForByte) {
    writeFile(localPath(QStringLiteral("report.bin")), 300000);
    const QString trip = localPath(QStringLiteral("Trip"));
    ASSERT_TRUE(QDir().mkpath(trip + QStringLiteral("/day 1/photos")));
    writeFile(trip + QStringLiteral("/plan.txt"), 1000);
    writeFile(trip + QStringLiteral("/day 1/notes.md"), 70000);
    writeFile(trip + QStringLiteral("/day 1/photos/one.jpg"), 140000);
    window->UpdateLocTree(local.path());
    focus(localPane());
    select(localPane(), {QStringLiteral("report.bin")});
    action("actUpload")->trigger();
    ASSERT_TRUE(waitForStatus(QStringLiteral("Upload succeeded.")));
    EXPECT_EQ(contents(phoneFiles() + QStringLiteral("/report.bin")), contents(localPath(QStringLiteral("report.bin"))));

    window->itemDoubleClickedLocal(item(localPane(), QStringLiteral("Trip")), 0);
    window->cdUpLocal();
    select(localPane(), {QStringLiteral("Trip")});
    action("actUpload")->trigger();
    ASSERT_TRUE(waitForStatus(QStringLiteral("Upload succeeded.")));
    EXPECT_EQ(tree(phoneFiles() + QStringLiteral("/Trip")), tree(trip));
    ASSERT_TRUE(QTest::qWaitFor([&] { return item(remotePane(), QStringLiteral("Trip")) != nullptr; }, 5000));
}

// Only Yes replaces: No, and a box closed without an answer (Escape, the close button, a
// rejection), end the request and leave the file as it was.
TEST_F(BrowserTransfers, OnlyYesToTheReplaceQuestionReplacesTheFile) {
    writeFile(localPath(QStringLiteral("notes.txt")), 3);
    const QByteArray mine = contents(localPath(QStringLiteral("notes.txt")));
    window->UpdateLocTree(local.path());
    focus(remotePane());
    const struct {
        const char* answer;
        std::function<void(QWidget*)> close;
    } keeping[] = {
        {"No", [](QWidget* box) { static_cast<QMessageBox*>(box)->button(QMessageBox::No)->click(); }},
        {"Escape", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }},
        {"close button", [](QWidget* box) { box->close(); }},
        {"rejected", [](QWidget* box) { static_cast<QDialog*>(box)->reject(); }},
    };
    for (const auto& k : keeping) {
        SCOPED_TRACE(k.answer);
        select(remotePane(), {QStringLiteral("notes.txt")});
        const corvtest::ModalAnswer answer =
            corvtest::answerModal([&] { action("actDownload")->trigger(); }, corvtest::Press::none(), k.close);
        EXPECT_EQ(answer.title, QStringLiteral("Confirm File Replace"));
        EXPECT_EQ(answer.text,
                  QStringLiteral("This folder already contains a file named notes.txt\n Would you like to replace it ?"));
        EXPECT_TRUE(callsOf("get_file").empty());
        EXPECT_EQ(contents(localPath(QStringLiteral("notes.txt"))), mine);
        EXPECT_EQ(window->findChild<ComProgressDlg*>(), nullptr);
    }

    select(remotePane(), {QStringLiteral("notes.txt")});
    const corvtest::ModalAnswer yes =
        corvtest::answerModal([&] { action("actDownload")->trigger(); }, corvtest::Press::button(QMessageBox::Yes));
    EXPECT_TRUE(yes.pressed);
    ASSERT_TRUE(waitForStatus(QStringLiteral("Download succeeded.")));
    EXPECT_EQ(contents(localPath(QStringLiteral("notes.txt"))), contents(phoneFiles() + QStringLiteral("/notes.txt")));
}

TEST_F(BrowserTransfers, AnUploadOverAnExistingFolderAsksWithTheFolderText) {
    ASSERT_TRUE(QDir(local.path()).mkdir(QStringLiteral("Documents")));
    window->UpdateLocTree(local.path());
    const corvtest::ModalAnswer no = corvtest::answerModal(
        [&] { window->UploadRequest({pathUrl(localPath(QStringLiteral("Documents")))}); },
        corvtest::Press::button(QMessageBox::No));
    EXPECT_EQ(no.text, QStringLiteral("This folder already contains a folder named Documents\n Would you like to replace it ?"));
    EXPECT_TRUE(callsOf("put_dir").empty());
}

TEST_F(BrowserTransfers, SeveralItemsGoInTurnAndOneFailureDoesNotStopTheRest) {
    // The device loses one file after the listing: its get fails, the others arrive.
    ASSERT_TRUE(QFile::remove(phoneFiles() + QStringLiteral("/Café menü.txt")));
    focus(remotePane());
    select(remotePane(), {QStringLiteral("Documents"), QStringLiteral("Pictures"), QStringLiteral("Café menü.txt"),
                          QStringLiteral("notes.txt")});
    action("actDownload")->trigger();
    auto* dialog = window->findChild<ComProgressDlg*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("LabelItem"))->text(), QStringLiteral("Item 1 of 4"));
    ASSERT_TRUE(waitForStatus(QStringLiteral("3 of 4 downloaded, 1 failed")));
    EXPECT_EQ(tree(localPath(QStringLiteral("Documents"))), tree(phoneFiles() + QStringLiteral("/Documents")));
    EXPECT_EQ(tree(localPath(QStringLiteral("Pictures"))), tree(phoneFiles() + QStringLiteral("/Pictures")));
    EXPECT_EQ(contents(localPath(QStringLiteral("notes.txt"))), contents(phoneFiles() + QStringLiteral("/notes.txt")));
    EXPECT_EQ(window->findChild<ComProgressDlg*>(), nullptr);
}

TEST_F(BrowserTransfers, FileUrlsFromAnotherApplicationAreUploaded) {
    QTemporaryDir elsewhere;
    writeFile(elsewhere.filePath(QStringLiteral("dropped #1.txt")), 2000);
    window->UploadRequest({QUrl::fromLocalFile(elsewhere.filePath(QStringLiteral("dropped #1.txt")))});
    ASSERT_TRUE(waitForStatus(QStringLiteral("Upload succeeded.")));
    EXPECT_EQ(contents(phoneFiles() + QStringLiteral("/dropped #1.txt")).size(), 2000);
}

TEST_F(BrowserTransfers, CancelWorksOnlyWhileATransferRunsAndTheDeviceBrowsesAgain) {
    window->procUserAction(1);
    EXPECT_TRUE(callsOf("cancel_transfer").empty());

    // 8 MiB at the scenario's 1 MiB/s.
    writeFile(localPath(QStringLiteral("large.bin")), 8 * 1024 * 1024);
    QSignalSpy progress(window.get(), &BtFtpClient::sgnTransStatus);
    window->UploadRequest({pathUrl(localPath(QStringLiteral("large.bin")))});
    auto* dialog = window->findChild<ComProgressDlg*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress.size() >= 2; }, 10000));
    dialog->findChild<QAbstractButton*>(QStringLiteral("BtnCancel"))->click();
    ASSERT_TRUE(waitForStatus(QStringLiteral("Upload cancelled.")));
    EXPECT_EQ(callsOf("cancel_transfer").size(), 1u);
    EXPECT_EQ(window->findChild<ComProgressDlg*>(), nullptr);
    window->refreshRemote();
    EXPECT_TRUE(QTest::qWaitFor([&] { return item(remotePane(), QStringLiteral("notes.txt")) != nullptr; }, 5000));
    // And a transfer after the cancel goes through.
    focus(remotePane());
    select(remotePane(), {QStringLiteral("notes.txt")});
    action("actDownload")->trigger();
    EXPECT_TRUE(waitForStatus(QStringLiteral("Download succeeded.")));
}

TEST_F(BrowserTransfers, ClosingDuringATransferCancelsItAndDisconnects) {
    writeFile(localPath(QStringLiteral("large.bin")), 8 * 1024 * 1024);
    QSignalSpy progress(window.get(), &BtFtpClient::sgnTransStatus);
    window->UploadRequest({pathUrl(localPath(QStringLiteral("large.bin")))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress.size() >= 2; }, 10000));
    QElapsedTimer closing;
    closing.start();
    window.reset();
    // The 8 s transfer is cancelled rather than waited for.
    EXPECT_LT(closing.elapsed(), 4000);
    EXPECT_EQ(callsOf("cancel_transfer").size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !CvCm_IsShortcutConnected(shortcut); }, 5000));
}

TEST_F(BrowserTransfers, AReadOnlyServiceRefusesAnUploadWithAWarning) {
    open(FTP_READONLY_WORLD);
    writeFile(localPath(QStringLiteral("refused.txt")), 10);
    const corvtest::ModalAnswer warning = corvtest::answerModal(
        [&] {
            window->UploadRequest({pathUrl(localPath(QStringLiteral("refused.txt")))});
            waitForStatus(QStringLiteral("Upload was not successful."));
        },
        corvtest::Press::button(QMessageBox::Ok));
    EXPECT_EQ(warning.title, QStringLiteral("Upload failed"));
    EXPECT_EQ(warning.text, QStringLiteral("\tUpload failed!\nRemote device may have set its FTP service Read Only."));
    EXPECT_FALSE(QFileInfo::exists(phoneFiles() + QStringLiteral("/refused.txt")));

    ASSERT_TRUE(QTest::qWaitFor([&] { return item(remotePane(), QStringLiteral("notes.txt")) != nullptr; }, 5000));
    select(remotePane(), {QStringLiteral("notes.txt")});
    const corvtest::ModalAnswer refused = corvtest::answerModal(
        [&] {
            window->DeleteRmtRequest({pathUrl(QStringLiteral("/notes.txt"))});
            waitForStatus(QStringLiteral("Delete was not successful."));
        },
        corvtest::Press::button(QMessageBox::Ok));
    EXPECT_EQ(refused.title, QStringLiteral("Delete failed"));
    EXPECT_EQ(refused.text, QStringLiteral("\tDelete failed!\nYou may have not enough permissions to delete."));
    EXPECT_TRUE(QFileInfo::exists(phoneFiles() + QStringLiteral("/notes.txt")));
}

}  // namespace
}  // namespace ftptest
