// Files dropped on a device or on an object-push shortcut in the manager's window go to the
// device over one connection, through one progress window, and a box sums up what went.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QTreeWidget>
#include <QUrl>

#include <fstream>
#include <memory>

#include "cvcommon/shortcut_helpers.h"
#include "harness.h"
#include "host_test_util.h"
#include "shown_windows.h"
#include "main_window.h"
#include "modal_answer.h"
#include "profilekit/com_progress_dlg.h"
#include "profilekit/object_push_slot.h"
#include "push_batch.h"

namespace {

constexpr unsigned int kPhone = 1, kPhoneObjectPush = 3, kPhoneFileTransfer = 4;  // push_fast.ini
const QString kProgress = QStringLiteral("pushProgress");

class PushDrop : public testing::Test {
protected:
    void SetUp() override {
        service().loadScenario(hosttest::scenario("push_fast.ini"));
        ASSERT_EQ(CvCm_CreateShortCut(kPhone, kPhoneObjectPush, &pushShortcut), 0);
        ASSERT_EQ(CvCm_CreateShortCut(kPhone, kPhoneFileTransfer, &ftpShortcut), 0);
        window = std::make_unique<MainWindow>();
        window->show();
        sources = QDir(QString::fromStdString(hosttest::workingDir())).filePath(QStringLiteral("outgoing"));
        QDir(sources).removeRecursively();
        QDir().mkpath(sources);
    }

    static corvtest::StandInService& service() { return corvtest::StandInService::instance(); }
    static QString inbox() { return QString::fromStdString(service().stateDir() + "/devices/phone/inbox"); }
    static QByteArray inboxFile(const char* name) {
        QFile file(QDir(inbox()).filePath(QLatin1String(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QUrl source(const char* name, const std::string& contents) const {
        QString path = QDir(sources).filePath(QLatin1String(name));
        std::ofstream(path.toStdString(), std::ios::binary) << contents;
        return QUrl::fromLocalFile(path);
    }

    // Drags the URLs (none: a text) onto the phone in the device list, or onto the
    // shortcut's row, and drops them there; whether the drop was taken.
    bool drop(const QList<QUrl>& urls, unsigned int shortcut = 0) {
        QMimeData mime;
        urls.isEmpty() ? mime.setText(QStringLiteral("card.vcf")) : mime.setUrls(urls);
        QAbstractItemView* view = nullptr;
        QRect row;
        if (shortcut) {
            auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("shortcutList"));
            for (int i = 0; i < tree->topLevelItemCount(); ++i)
                if (tree->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == shortcut)
                    row = tree->visualItemRect(tree->topLevelItem(i));
            view = tree;
        } else {
            auto* list = window->findChild<QListWidget*>(QStringLiteral("deviceList"));
            row = list->visualItemRect(hosttest::itemNamed(list, QStringLiteral("Nova Phone")));
            view = list;
        }
        QDragEnterEvent enter(row.center(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(row.center(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &dropped);
        return dropped.isAccepted();
    }
    bool batchOver() const { return window->findChildren<PushBatch*>().isEmpty(); }

    unsigned int pushShortcut = 0, ftpShortcut = 0;
    std::unique_ptr<MainWindow> window;
    QString sources;
};

TEST_F(PushDrop, EachFileArrivesAndOneThatFailedIsNamedInTheSummary) {
    for (bool onShortcut : {false, true}) {
        SCOPED_TRACE(onShortcut ? "shortcut" : "device");
        const std::string binary = std::string("\x00\x01\xFF\xFE\r\n", 6) + std::string(200000, 'x');
        const QList<QUrl> files{source("first.txt", "first file\n"), source("gone.txt", "removed before its turn"),
                                source("third.bin", binary)};
        QString titleAtStart;
        corvtest::ModalAnswer summary = corvtest::answerModal(
            [&] {
                ASSERT_TRUE(drop(files, onShortcut ? pushShortcut : 0));
                QWidget* progress = shownWindow(kProgress);
                ASSERT_TRUE(progress);
                titleAtStart = progress->windowTitle();
                QFile::remove(files.at(1).toLocalFile());
                ASSERT_TRUE(hosttest::waitUntil([&] { return batchOver(); }, 15000));
            },
            corvtest::Press::button(QMessageBox::Ok));
        EXPECT_EQ(titleAtStart, QStringLiteral("Connecting to Nova Phone..."));
        EXPECT_EQ(summary.text, QStringLiteral("2 of 3 sent to Nova Phone.\nFailed: gone.txt"));
        EXPECT_EQ(inboxFile("first.txt"), QByteArray("first file\n"));
        EXPECT_TRUE(inboxFile("third.bin") == QByteArray::fromStdString(binary)) << "third.bin differs";
        EXPECT_EQ(inboxFile("gone.txt"), QByteArray("<missing>"));
        EXPECT_FALSE(shownWindow(kProgress));
        EXPECT_TRUE(ObjectPushSlot::take()) << "the batch gave the slot back";
        ObjectPushSlot::release();
        for (const QString& name : QDir(inbox()).entryList(QDir::Files)) QDir(inbox()).remove(name);
    }
}

TEST_F(PushDrop, ProgressWindowFollowsTheFileAndItsCancelEndsItAndTheRest) {
    const QList<QUrl> files{source("large.bin", std::string(8 << 20, 'L')), source("small.txt", "small")};
    corvtest::ModalAnswer summary = corvtest::answerModal(
        [&] {
            ASSERT_TRUE(drop(files));
            auto* progress = qobject_cast<ComProgressDlg*>(shownWindow(kProgress));
            ASSERT_TRUE(progress);
            auto* bar = progress->findChild<QProgressBar*>(QStringLiteral("progressBar"));
            ASSERT_TRUE(hosttest::waitUntil([&] { return bar->value() > 0; }));
            EXPECT_EQ(progress->windowTitle(), QStringLiteral("Copying large.bin"));
            QStringList labels;
            for (const char* label : {"LabelItem", "LabelSrc", "LabelDest"})
                labels.append(progress->findChild<QLabel*>(QLatin1String(label))->text());
            EXPECT_EQ(labels, (QStringList{QStringLiteral("Item 1 of 2"), files.at(0).toLocalFile(),
                                           QStringLiteral("Nova Phone")}));
            progress->findChild<QAbstractButton*>(QStringLiteral("BtnCancel"))->click();
            ASSERT_TRUE(hosttest::waitUntil([&] { return batchOver(); }));
        },
        corvtest::Press::button(QMessageBox::Ok));
    EXPECT_EQ(summary.text, QStringLiteral("0 of 2 sent to Nova Phone.\nNot sent: large.bin, small.txt"));
    EXPECT_EQ(inboxFile("small.txt"), QByteArray("<missing>"));
}

TEST_F(PushDrop, OnlyLocalFilesOnAnObjectPushTargetAreTaken) {
    const QUrl card = source("card.vcf", "BEGIN:VCARD"), web(QStringLiteral("https://example.org/card.vcf"));
    struct Case {
        const char* name;
        QList<QUrl> urls;
        bool onFileTransferShortcut;
    };
    const Case cases[] = {
        {"web address", {web}, false},
        {"local file and web address", {card, web}, false},
        {"folder", {QUrl::fromLocalFile(sources)}, false},
        {"text", {}, false},
        {"file-transfer shortcut", {card}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(drop(c.urls, c.onFileTransferShortcut ? ftpShortcut : 0));
        EXPECT_TRUE(batchOver());
    }
}

TEST_F(PushDrop, WhileAnotherPushRunsTheUserIsToldAndNothingConnects) {
    ASSERT_TRUE(ObjectPushSlot::take());
    const QList<QUrl> files{source("note.txt", "note")};
    service().clearCalls();
    corvtest::ModalAnswer told =
        corvtest::answerModal([&] { drop(files); }, corvtest::Press::button(QMessageBox::Ok));
    ObjectPushSlot::release();
    EXPECT_EQ(told.text, QStringLiteral("A file is being sent already. Try again once that is over."));
    EXPECT_TRUE(batchOver());
    for (const corvtest::RecordedCall& call : service().calls()) EXPECT_NE(call.method, "connect_ex");
}

}  // namespace
