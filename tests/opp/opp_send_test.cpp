// Sending a file through a shortcut: the chooser, the progress window, the file in the
// device's inbox, a cancel before and during the transfer, and a second send refused.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "opp_fixture.h"
#include "profilekit/object_push_slot.h"

namespace opptest {
namespace {

const QString kBusy = QStringLiteral("A sending operation is in progress, please try again later.");

// Runs a step on the window as it is hidden, still whole, before it is deleted.
class OnHide : public QObject {
public:
    OnHide(QWidget* window, std::function<void()> step) : QObject(window), step_(std::move(step)) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide && step_) std::exchange(step_, nullptr)();
        return false;
    }

private:
    std::function<void()> step_;
};

// The texts of the message boxes shown while it lives.
class MessageWatch : public QObject {
public:
    MessageWatch() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* message = qobject_cast<QMessageBox*>(object)) texts << message->text();
        return false;
    }
    QStringList texts;
};

class Send : public OppPlugin {
protected:
    QTemporaryDir dir;

    void SetUp() override {
        OppPlugin::SetUp();
        ASSERT_TRUE(dir.isValid());
        setSetting("SENDFOLDER", dir.filePath(QStringLiteral("send/from")).toStdString());
    }
    void TearDown() override {
        if (progressWindow()) {
            clickCancel();
            waitForSendEnd();
        }
        OppPlugin::TearDown();
    }
    QString makeFile(const char* name, int size) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        QByteArray bytes(size, '\0');
        for (int i = 0; i < size; ++i) bytes[i] = char((i * 7 + i / 251) & 0xFF);
        file.write(bytes);
        return path;
    }
    static void clickCancel() {
        if (QWidget* window = progressWindow())
            window->findChild<QPushButton*>(QStringLiteral("BtnCancel"))->click();
    }
    QStringList inbox(const char* device) const {
        return QDir(deviceInbox(device)).entryList(QDir::Files);
    }
};

TEST_F(Send, AChosenFileArrivesInTheDeviceInboxWithItsProgress) {
    const QString source = makeFile("photo.jpg", 40000);
    QString chooserTitle, chooserFolder;
    const QList<QAction*> actions = ProfilePlugMng::GetActionListByShortcutHandle(shortcutTo(kPhone, kPhoneOpp));
    ASSERT_FALSE(actions.isEmpty());
    corvtest::answerModal([&] { actions.first()->trigger(); }, corvtest::Press::none(), [&](QWidget* box) {
        auto* chooser = qobject_cast<QFileDialog*>(box);
        ASSERT_NE(chooser, nullptr);
        chooserTitle = chooser->windowTitle();
        chooserFolder = chooser->directory().absolutePath();
        choose(chooser, source);
    });
    EXPECT_EQ(chooserTitle, QStringLiteral("Open File"));
    EXPECT_EQ(chooserFolder, dir.filePath(QStringLiteral("send/from")));
    QWidget* window = progressWindow();
    ASSERT_NE(window, nullptr);
    QStringList titles{window->windowTitle()};
    QObject::connect(window, &QWidget::windowTitleChanged, [&](const QString& title) { titles << title; });
    QString rate;
    int progress = -1;
    new OnHide(window, [&] {
        rate = window->findChild<QLabel*>(QStringLiteral("LabelNum"))->text();
        progress = window->findChild<QProgressBar*>(QStringLiteral("progressBar"))->value();
    });

    EXPECT_FALSE(waitForSendEnd().came);
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Connecting to Nova Phone..."), QStringLiteral("Copying..."),
                                   QStringLiteral("Copying photo.jpg")}));
    EXPECT_TRUE(rate.startsWith(QStringLiteral("Rate: 39.06KB/39.06KB ("))) << rate.toStdString();
    EXPECT_EQ(progress, 100);
    QFile sent(deviceInbox("phone") + QStringLiteral("/photo.jpg")), original(source);
    ASSERT_TRUE(sent.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    EXPECT_EQ(sent.readAll(), original.readAll());
}

TEST_F(Send, ADeviceWithoutANameIsNamedByItsAddress) {
    sendFile(shortcutTo(kBlank, kBlankOpp), makeFile("note.txt", 100));
    ASSERT_NE(progressWindow(), nullptr);
    EXPECT_EQ(progressWindow()->windowTitle(), QStringLiteral("Connecting to 00:11:22:33:44:55..."));
}

// The push ends once the connection is there; no cancel of a transfer is needed.
TEST_F(Send, ACancelBeforeTheConnectionEndsTheSendQuietly) {
    sendFile(shortcutTo(kPhone, kPhoneOpp), makeFile("note.txt", 100));
    ASSERT_NE(progressWindow(), nullptr);
    clickCancel();
    EXPECT_FALSE(waitForSendEnd().came);
    EXPECT_TRUE(callsOf("push_obj").empty());
    EXPECT_TRUE(callsOf("cancel_transfer").empty());
    EXPECT_TRUE(inbox("phone").isEmpty());
}

TEST_F(Send, ACancelDuringTheTransferLeavesNothingInTheInbox) {
    sendFile(shortcutTo(kPhone, kPhoneOpp), makeFile("video.mp4", 262144));
    QWidget* window = progressWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->windowTitle().startsWith(QStringLiteral("Copying")); }, 10000));
    clickCancel();
    EXPECT_FALSE(waitForSendEnd().came);
    EXPECT_EQ(callsOf("cancel_transfer").size(), 1u);
    EXPECT_TRUE(inbox("phone").isEmpty());
}

// Unloading the plug-in during a transfer cancels it and waits for the push to end.
TEST_F(Send, UnloadingThePlugInEndsARunningSend) {
    sendFile(shortcutTo(kPhone, kPhoneOpp), makeFile("video.mp4", 262144));
    QWidget* window = progressWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->windowTitle().startsWith(QStringLiteral("Copying")); }, 10000));
    manager.reset();
    EXPECT_EQ(progressWindow(), nullptr);
    EXPECT_EQ(callsOf("cancel_transfer").size(), 1u);
    EXPECT_EQ(callsOf("disconnect").size(), 1u);
    EXPECT_TRUE(inbox("phone").isEmpty());
}

TEST_F(Send, ASecondSendWhileOneRunsIsRefused) {
    const unsigned int shortcut = shortcutTo(kPhone, kPhoneOpp);
    const QString file = makeFile("note.txt", 100);
    struct Row {
        const char* sender;
        std::function<void()> occupy;
    };
    const Row rows[] = {
        {"this plug-in", [&] { sendFile(shortcut, makeFile("video.mp4", 262144)); }},
        {"the host", [] { ASSERT_TRUE(ObjectPushSlot::take()); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.sender);
        row.occupy();
        // The plug-in's own send has connected before the second one is asked for.
        EXPECT_TRUE(corvtest::waitFor([&] { return callsOf("connect_shortcut_ex").size() == 1u; }));
        QWidget* running = progressWindow();
        MessageWatch warnings;
        const corvtest::ModalAnswer answer = sendFile(shortcut, file);
        EXPECT_TRUE(answer.came);
        EXPECT_EQ(warnings.texts, QStringList{kBusy});
        EXPECT_EQ(progressWindow(), running);
        if (running) {
            clickCancel();
            EXPECT_FALSE(waitForSendEnd().came);
        } else {
            ObjectPushSlot::release();
        }
    }
    EXPECT_EQ(callsOf("connect_shortcut_ex").size(), 1u);
}

}  // namespace
}  // namespace opptest
