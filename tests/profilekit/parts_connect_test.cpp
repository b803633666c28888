// The connect of a plug-in behind the shared progress window: the window while the
// worker connects, closed by the worker's report; the warning of a failed connect and of
// a second connect; a cancel that undoes the connection and warns of nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>

#include <QTest>

#include <functional>

#include "cvcommon/shortcut_helpers.h"
#include "modal_answer.h"
#include "parts_fixture.h"
#include "parts_plugin/parts_hooks.h"
#include "profilekit/connect_progress.h"
#include "profilekit/profile_worker.h"

namespace pktest {
namespace {

class Connect : public PartsPlugin {
protected:
    void SetUp() override {
        PartsPlugin::SetUp();
        init();
        connector = entry<PartsConnectFunc>("PartsTestConnect")();
        ASSERT_NE(connector, nullptr);
        shortcut = phoneShortcut();
    }
    // Starts the shortcut's default action; the progress window it leaves up, inspected.
    QString startConnect() {
        QString label;
        const corvtest::ModalAnswer window = corvtest::answerModal(
            [&] { entry<PerformDefaultActionByShortcutFunc>("performDefaultActionByShortcut")(shortcut); },
            corvtest::Press::none(), [&](QWidget* box) {
                if (auto* progress = qobject_cast<QProgressDialog*>(box)) label = progress->labelText();
            });
        EXPECT_TRUE(window.came);
        return label;
    }
    bool waitUntilIdle() {
        return QTest::qWaitFor([&] { return !connector->busy(); }, 10000);
    }
    corvtest::ReplyOverride slowConnect() {
        corvtest::ReplyOverride slow;
        slow.delayMs = 1500;
        slow.times = 1;
        return slow;
    }

    ConnectProgress* connector = nullptr;
    unsigned int shortcut = 0;
};

TEST_F(Connect, TheWindowShowsWhileTheWorkerConnectsAndClosesOnItsReport) {
    std::vector<quint32> outcomes;
    QObject::connect(connector, &ConnectProgress::OperationInd, connector,
                     [&](quint32, quint32 outcome, quint32) { outcomes.push_back(outcome); });
    EXPECT_EQ(startConnect(), QStringLiteral("Connecting to #%1...").arg(shortcut));
    EXPECT_TRUE(connector->busy());
    ASSERT_NE(connector->window(), nullptr);
    EXPECT_TRUE(connector->window()->isModal());
    // No warning comes: nothing is up to answer.
    const corvtest::ModalAnswer warning =
        corvtest::answerModal([&] { EXPECT_TRUE(waitUntilIdle()); }, corvtest::Press::button(QMessageBox::Ok));
    EXPECT_FALSE(warning.came);
    EXPECT_EQ(connector->window(), nullptr);
    EXPECT_EQ(outcomes, std::vector<quint32>{1});
    EXPECT_TRUE(CvCm_IsShortcutConnected(shortcut));
}

TEST_F(Connect, AFailedConnectClosesTheWindowAndWarns) {
    // An error replaces the service's own connect.
    corvtest::ReplyOverride refused;
    refused.error = "org.freedesktop.DBus.Error.Failed";
    refused.message = "refused";
    service.setReply("btsdkshc", "connect_shortcut_ex", refused);
    startConnect();
    QProgressDialog* window = connector->window();
    ASSERT_NE(window, nullptr);
    bool windowGone = false;
    const corvtest::ModalAnswer warning = corvtest::answerModal(
        [&] { EXPECT_TRUE(waitUntilIdle()); }, corvtest::Press::button(QMessageBox::Ok),
        [&](QWidget*) { windowGone = connector->window() == nullptr; });
    EXPECT_TRUE(warning.pressed);
    EXPECT_EQ(warning.text, QStringLiteral("Cannot connect to the remote device."));
    EXPECT_TRUE(windowGone);
    EXPECT_FALSE(CvCm_IsShortcutConnected(shortcut));
}

TEST_F(Connect, ASecondConnectWhileOneRunsIsRefusedWithAWarning) {
    service.setReply("btsdkshc", "connect_shortcut_ex", slowConnect());
    startConnect();
    ConnectProgress::Request second;
    second.opType = kOpConnectShortcut;
    second.wparam = shortcut;
    bool started = true;
    const corvtest::ModalAnswer warning = corvtest::answerModal(
        [&] { started = connector->start(std::make_unique<ProfileWorker>(ProfileWorker::OperationTable{}, 0), second); },
        corvtest::Press::button(QMessageBox::Ok));
    EXPECT_FALSE(started);
    EXPECT_EQ(warning.text, QStringLiteral("A connecting operation is in progress, please try again later."));
    EXPECT_TRUE(connector->busy());
    EXPECT_TRUE(waitUntilIdle());
    EXPECT_TRUE(CvCm_IsShortcutConnected(shortcut));
}

// Each row leaves the world for the next: a running connect, then a connected shortcut.
TEST_F(Connect, TheChecksBeforeAConnectWarnOrStayQuiet) {
    service.setReply("btsdkshc", "connect_shortcut_ex", slowConnect());
    struct Row {
        const char* step;
        unsigned int shortcut;
        std::function<void()> before;
        bool may;
        QString warning;  // empty: no box
    };
    const Row rows[] = {
        {"idle", shortcut, [] {}, true, QString()},
        {"a connect runs", shortcut, [&] { startConnect(); }, false,
         QStringLiteral("A connecting operation is in progress, please try again later.")},
        {"no shortcut", 0, [&] { ASSERT_TRUE(waitUntilIdle()); }, false, QString()},
        {"already connected", shortcut, [] {}, false, QStringLiteral("A connection to this device already exists.")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step);
        row.before();
        bool may = !row.may;
        const corvtest::ModalAnswer answer = corvtest::answerModal(
            [&] { may = connector->mayConnect(row.shortcut); }, corvtest::Press::button(QMessageBox::Ok));
        EXPECT_EQ(may, row.may);
        EXPECT_EQ(answer.text, row.warning);
    }
}

TEST_F(Connect, ACancelledConnectIsUndoneWithoutAWarning) {
    service.setReply("btsdkshc", "connect_shortcut_ex", slowConnect());
    startConnect();
    ASSERT_NE(connector->window(), nullptr);
    QTest::mouseClick(connector->window()->findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_TRUE(connector->cancelled());
    EXPECT_TRUE(connector->worker()->isCancelled());
    const corvtest::ModalAnswer warning =
        corvtest::answerModal([&] { EXPECT_TRUE(waitUntilIdle()); }, corvtest::Press::button(QMessageBox::Ok));
    EXPECT_FALSE(warning.came);
    EXPECT_EQ(connector->window(), nullptr);
    EXPECT_FALSE(CvCm_IsShortcutConnected(shortcut));
}

}  // namespace
}  // namespace pktest
