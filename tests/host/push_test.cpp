// Files dropped on a device or on an object-push shortcut in the manager's window go to the
// device over one connection, through one progress window, and a box sums up what went.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QTreeWidget>
#include <QUrl>

#include <fstream>
#include <memory>

#include "corvclient/btsdk.h"
#include "cvcommon/shortcut_helpers.h"
#include "device_list.h"
#include "harness.h"
#include "host_test_util.h"
#include "main_window.h"
#include "modal_answer.h"
#include "profilekit/com_progress_dlg.h"
#include "profilekit/object_push_slot.h"
#include "push_batch.h"
#include "shortcut_list.h"

namespace {

constexpr unsigned int kPhone = 1, kPhoneObjectPush = 3, kPhoneFileTransfer = 4;  // push_fast.ini

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
    void TearDown() override { QDir(sources).removeRecursively(); }

    static corvtest::StandInService& service() { return corvtest::StandInService::instance(); }

    QString source(const QString& name, const std::string& contents) const {
        QString path = QDir(sources).filePath(name);
        std::ofstream(path.toStdString(), std::ios::binary) << contents;
        return path;
    }
    static std::string inboxFile(const QString& name) {
        std::ifstream in(service().stateDir() + "/devices/phone/inbox/" + name.toStdString(), std::ios::binary);
        return in ? std::string(std::istreambuf_iterator<char>(in), {}) : std::string("<missing>");
    }

    static void emptyInbox() {
        QDir inbox(QString::fromStdString(service().stateDir() + "/devices/phone/inbox"));
        for (const QString& name : inbox.entryList(QDir::Files)) inbox.remove(name);
    }

    // The viewport position of the phone in the device list, or of a shortcut's row.
    QPoint phonePosition() const {
        auto* list = window->findChild<QListWidget*>(QStringLiteral("deviceList"));
        return list->visualItemRect(hosttest::itemNamed(list, QStringLiteral("Nova Phone"))).center();
    }
    QPoint shortcutPosition(unsigned int shortcut) const {
        auto* view = window->findChild<QTreeWidget*>(QStringLiteral("shortcutList"));
        for (int i = 0; i < view->topLevelItemCount(); ++i)
            if (view->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == shortcut)
                return view->visualItemRect(view->topLevelItem(i)).center();
        return {-1, -1};
    }

    // Drags the mime data onto the view and drops it there; whether the drop was taken.
    bool drop(const char* viewName, const QPoint& pos, QMimeData* mime) {
        QWidget* viewport = window->findChild<QAbstractScrollArea*>(QLatin1String(viewName))->viewport();
        QDragEnterEvent enter(pos, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent event(pos, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
        return event.isAccepted();
    }
    static QMimeData* filesMime(const QStringList& paths) {
        auto* mime = new QMimeData;
        QList<QUrl> urls;
        for (const QString& path : paths) urls.append(QUrl::fromLocalFile(path));
        mime->setUrls(urls);
        return mime;
    }
    bool batchOver() const { return window->findChildren<PushBatch*>().isEmpty(); }

    unsigned int pushShortcut = 0, ftpShortcut = 0;
    std::unique_ptr<MainWindow> window;
    QString sources;
};

TEST_F(PushDrop, EachFileArrivesAndOneThatFailedIsNamedInTheSummary) {
    struct Case {
        const char* view;
        bool onShortcut;
    };
    for (const Case& c : {Case{"deviceList", false}, Case{"shortcutList", true}}) {
        SCOPED_TRACE(c.view);
        const std::string binary = std::string("\x00\x01\xFF\xFE\r\n", 6) + std::string(200000, 'x');
        const QStringList files{source(QStringLiteral("first.txt"), "first file\n"),
                                source(QStringLiteral("gone.txt"), "removed before its turn"),
                                source(QStringLiteral("third.bin"), binary)};
        std::unique_ptr<QMimeData> mime(filesMime(files));
        QString titleAtStart;
        corvtest::ModalAnswer summary = corvtest::answerModal(
            [&] {
                ASSERT_TRUE(drop(c.view, c.onShortcut ? shortcutPosition(pushShortcut) : phonePosition(), mime.get()));
                auto* progress = qobject_cast<ComProgressDlg*>(hosttest::visibleWindow(QStringLiteral("pushProgress")));
                ASSERT_TRUE(progress);
                titleAtStart = progress->windowTitle();
                QFile::remove(files.at(1));
                ASSERT_TRUE(hosttest::waitUntil([&] { return batchOver(); }, 15000));
            },
            corvtest::Press::button(QMessageBox::Ok));
        EXPECT_EQ(titleAtStart, QStringLiteral("Connecting to Nova Phone..."));
        EXPECT_TRUE(summary.pressed);
        EXPECT_EQ(summary.text, QStringLiteral("2 of 3 sent to Nova Phone.\nFailed: gone.txt"));
        EXPECT_EQ(inboxFile(QStringLiteral("first.txt")), "first file\n");
        EXPECT_TRUE(inboxFile(QStringLiteral("third.bin")) == binary) << "third.bin differs";
        EXPECT_EQ(inboxFile(QStringLiteral("gone.txt")), "<missing>");
        EXPECT_FALSE(hosttest::visibleWindow(QStringLiteral("pushProgress")));
        EXPECT_TRUE(ObjectPushSlot::take()) << "the batch gave the slot back";
        ObjectPushSlot::release();
        emptyInbox();
    }
}

TEST_F(PushDrop, ProgressWindowFollowsTheFileAndItsCancelEndsItAndTheRest) {
    const QStringList files{source(QStringLiteral("large.bin"), std::string(8 << 20, 'L')),
                            source(QStringLiteral("small.txt"), "small")};
    std::unique_ptr<QMimeData> mime(filesMime(files));
    corvtest::ModalAnswer summary = corvtest::answerModal(
        [&] {
            ASSERT_TRUE(drop("deviceList", phonePosition(), mime.get()));
            auto* progress = qobject_cast<ComProgressDlg*>(hosttest::visibleWindow(QStringLiteral("pushProgress")));
            ASSERT_TRUE(progress);
            auto* bar = progress->findChild<QProgressBar*>(QStringLiteral("progressBar"));
            ASSERT_TRUE(hosttest::waitUntil([&] { return bar->value() > 0; }, 5000));
            EXPECT_EQ(progress->windowTitle(), QStringLiteral("Copying large.bin"));
            EXPECT_EQ(progress->findChild<QLabel*>(QStringLiteral("LabelItem"))->text(), QStringLiteral("Item 1 of 2"));
            EXPECT_EQ(progress->findChild<QLabel*>(QStringLiteral("LabelSrc"))->text(), files.at(0));
            EXPECT_EQ(progress->findChild<QLabel*>(QStringLiteral("LabelDest"))->text(), QStringLiteral("Nova Phone"));
            progress->findChild<QAbstractButton*>(QStringLiteral("BtnCancel"))->click();
            ASSERT_TRUE(hosttest::waitUntil([&] { return batchOver(); }, 5000));
        },
        corvtest::Press::button(QMessageBox::Ok));
    EXPECT_EQ(summary.text, QStringLiteral("0 of 2 sent to Nova Phone.\nNot sent: large.bin, small.txt"));
    EXPECT_EQ(inboxFile(QStringLiteral("small.txt")), "<missing>");
}

TEST_F(PushDrop, OnlyLocalFilesOnAnObjectPushTargetAreTaken) {
    struct Case {
        const char* name;
        const char* view;
        bool onFileTransferShortcut;
        std::function<QMimeData*(const QString& file)> mime;
    };
    const QString file = source(QStringLiteral("card.vcf"), "BEGIN:VCARD");
    const Case cases[] = {
        {"web address", "deviceList", false,
         [](const QString&) {
             auto* mime = new QMimeData;
             mime->setUrls({QUrl(QStringLiteral("https://example.org/card.vcf"))});
             return mime;
         }},
        {"local and web", "deviceList", false,
         [](const QString& path) {
             auto* mime = new QMimeData;
             mime->setUrls({QUrl::fromLocalFile(path), QUrl(QStringLiteral("https://example.org/a"))});
             return mime;
         }},
        {"folder", "deviceList", false, [this](const QString&) { return filesMime({sources}); }},
        {"text only", "deviceList", false,
         [](const QString& path) {
             auto* mime = new QMimeData;
             mime->setText(path);
             return mime;
         }},
        {"file-transfer shortcut", "shortcutList", true, [](const QString& path) { return filesMime({path}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<QMimeData> mime(c.mime(file));
        QPoint pos = c.onFileTransferShortcut ? shortcutPosition(ftpShortcut) : phonePosition();
        EXPECT_FALSE(drop(c.view, pos, mime.get()));
        EXPECT_TRUE(batchOver());
    }
}

TEST_F(PushDrop, WhileAnotherPushRunsTheUserIsToldAndNothingConnects) {
    ASSERT_TRUE(ObjectPushSlot::take());
    const QString file = source(QStringLiteral("note.txt"), "note");
    std::unique_ptr<QMimeData> mime(filesMime({file}));
    service().clearCalls();
    corvtest::ModalAnswer told = corvtest::answerModal([&] { drop("deviceList", phonePosition(), mime.get()); },
                                                       corvtest::Press::button(QMessageBox::Ok));
    ObjectPushSlot::release();
    EXPECT_EQ(told.text, QStringLiteral("A file is being sent already. Try again once that is over."));
    EXPECT_TRUE(batchOver());
    for (const corvtest::RecordedCall& call : service().calls()) EXPECT_NE(call.method, "connect_ex");
}

}  // namespace
