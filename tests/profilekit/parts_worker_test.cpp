// The entry-point guard, the handle setters and the worker of a plug-in built from the
// shared parts: what every entry point does without the plug-in object, setters that
// leave no handle of an earlier request, and the worker's reports on the user-interface
// thread, its refusal of a second operation and its failures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QThread>

#include <QTest>

#include <algorithm>
#include <atomic>
#include <memory>
#include <tuple>
#include <vector>

#include "corvclient/btsdk.h"
#include "cvcommon/shortcut_helpers.h"
#include "modal_answer.h"
#include "parts_fixture.h"
#include "parts_plugin/parts_hooks.h"
#include "profilekit/profile_handles.h"

namespace pktest {
namespace {

using Report = std::tuple<quint32, quint32, quint32>;

// The reports of a worker as its owner's slot on the user-interface thread sees them.
class Reports : public QObject {
public:
    explicit Reports(ProfileWorker* worker) {
        connect(worker, &ProfileWorker::OperationInd, this, [this](quint32 op, quint32 w, quint32 l) {
            offThread = offThread || QThread::currentThread() != qApp->thread();
            seen.emplace_back(op, w, l);
        });
    }
    bool waitFor(size_t count) {
        return QTest::qWaitFor([&] { return seen.size() >= count; }, 10000);
    }
    std::vector<Report> seen;
    bool offThread = false;
};

using EntryGuard = PartsPlugin;
using Handles = PartsPlugin;
class Worker : public PartsPlugin {
protected:
    void SetUp() override {
        PartsPlugin::SetUp();
        init();
        worker = entry<PartsWorkerFunc>("PartsTestWorker")();
        ASSERT_NE(worker, nullptr);
    }
    ProfileWorker* worker = nullptr;
};

TEST_F(EntryGuard, EveryEntryPointIsEmptyWithoutThePluginObject) {
    auto profileClass = entry<GetPlugProfileClsFunc>("GetPlugProfileCls");
    auto supported = entry<IsSupportedServiceClassFunc>("IsSupportedServiceClass");
    auto tip = entry<GetProfileTipByShortcutFunc>("getProfileTipByShortcut");
    auto handles = entry<PartsHandlesFunc>("PartsTestHandles");
    auto worker = entry<PartsWorkerFunc>("PartsTestWorker");
    auto serverDefault = entry<PerformLocalSvrDefaultActionFunc>("performLocalSvrDefaultAction");
    auto shortcutDefault = entry<PerformDefaultActionByShortcutFunc>("performDefaultActionByShortcut");
    auto properties = entry<ShowSvrPropertyDlgFunc>("ShowSvrPropertyDlg");
    const unsigned int shortcut = phoneShortcut();

    for (bool live : {false, true, false}) {
        SCOPED_TRACE(live ? "with the plug-in object" : "without it");
        if (live) init(); else uninit();
        EXPECT_EQ(profileClass(), live ? 0x1106 : 0);
        EXPECT_EQ(supported(0x1106), live);
        EXPECT_EQ(tip(shortcut, 0).isEmpty(), !live);
        EXPECT_EQ(handles() != nullptr, live);
        EXPECT_EQ(worker() != nullptr, live);
    }
    // Without the object the actions touch neither the server, the settings, nor a window.
    service.clearCalls();
    serverDefault(kServerFtp);
    EXPECT_EQ(serverStatus(kServerFtp), 1);
    EXPECT_TRUE(settingsWritten().empty());
    const corvtest::ModalAnswer answer = corvtest::answerModal(
        [&] {
            shortcutDefault(shortcut);
            properties(kServerFtp, nullptr, 0);
        },
        corvtest::Press::role(QDialogButtonBox::RejectRole));
    EXPECT_FALSE(answer.came);
    EXPECT_FALSE(CvCm_IsShortcutConnected(shortcut));
}

TEST_F(Handles, EverySetterZeroesTheOtherHandles) {
    init();
    ProfileHandles* handles = entry<PartsHandlesFunc>("PartsTestHandles")();
    ASSERT_NE(handles, nullptr);
    const unsigned int shortcut = phoneShortcut();

    handles->SetSeviceHandle(21, 22);
    handles->m_hConnection = 23;
    entry<GetProfileTipByShortcutFunc>("getProfileTipByShortcut")(shortcut, 0);
    EXPECT_EQ(handles->m_hShortcut, shortcut);
    EXPECT_EQ(handles->m_hService[0] | handles->m_hService[1] | handles->m_hConnection | handles->m_hServer, 0u);

    entry<PerformLocalSvrDefaultActionFunc>("performLocalSvrDefaultAction")(kServerOpp);
    EXPECT_EQ(handles->m_hServer, kServerOpp);
    EXPECT_EQ(handles->m_hShortcut, 0u);

    handles->SetConnectionHandle(31);
    EXPECT_EQ(handles->m_hConnection, 31u);
    EXPECT_EQ(handles->m_hServer, 0u);
    handles->SetSeviceHandle(41, 42);
    EXPECT_EQ(handles->m_hService[1], 42u);
    EXPECT_EQ(handles->m_hConnection, 0u);
    handles->SetSvrHandle(51);
    EXPECT_EQ(handles->m_hService[0] | handles->m_hService[1], 0u);
}

TEST_F(Worker, ReportsEachStepOfAnOperationOnTheUserInterfaceThread) {
    Reports reports(worker);
    ASSERT_TRUE(worker->StartOperation(kOpConnect, kPhone, 0x1106));
    ASSERT_TRUE(reports.waitFor(3));
    EXPECT_FALSE(reports.offThread);
    ASSERT_EQ(reports.seen.size(), 3u);
    EXPECT_EQ(reports.seen[0], Report(kOpConnect, 4, 0));
    EXPECT_EQ(reports.seen[1], Report(kOpConnect, 3, 0));
    const auto [op, outcome, connection] = reports.seen[2];
    EXPECT_EQ(op, kOpConnect);
    EXPECT_EQ(outcome, 1u);
    BtsdkConnectionProperty property{};
    EXPECT_EQ(Btsdk_GetConnectionProperty(connection, &property), BTSDK_OK);
    EXPECT_EQ(property.device, kPhone);
}

// While the connect runs, a second operation is reported refused under its own code and
// its record is gone at once; once the worker is idle the same operation runs.
TEST_F(Worker, RefusesASecondOperationUnderItsOwnCodeAndReleasesItsRecord) {
    Reports reports(worker);
    corvtest::ReplyOverride slow;
    slow.delayMs = 1500;
    slow.times = 1;
    service.setReply("btsdkconn", "connect_ex", slow);
    std::atomic<int> live{0};

    ASSERT_TRUE(worker->StartOperation(kOpConnect, kPhone, 0x1106));
    EXPECT_TRUE(worker->busy());
    EXPECT_FALSE(worker->StartOperation(kOpPaired, 0, 0, std::make_unique<PairedRecord>(kStick, &live)));
    EXPECT_EQ(live, 0);
    EXPECT_TRUE(reports.seen.empty());  // queued, not called from inside StartOperation
    ASSERT_TRUE(reports.waitFor(4));
    EXPECT_EQ(reports.seen[0], Report(kOpPaired, 2, 0));
    EXPECT_EQ(std::get<0>(reports.seen[3]), kOpConnect);
    EXPECT_EQ(std::get<1>(reports.seen[3]), 1u);
    EXPECT_EQ(std::count_if(reports.seen.begin(), reports.seen.end(),
                            [](const Report& r) { return std::get<0>(r) == kOpPaired; }),
              1);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !worker->busy(); }, 5000));
    ASSERT_TRUE(worker->StartOperation(kOpPaired, 0, 0, std::make_unique<PairedRecord>(kStick, &live)));
    ASSERT_TRUE(reports.waitFor(5));
    EXPECT_EQ(reports.seen[4], Report(kOpPaired, 1, 1));
    EXPECT_EQ(live, 0);
}

TEST_F(Worker, ReportsAFailureWithItsCodeAndIgnoresAnUnknownOperation) {
    Reports reports(worker);
    corvtest::ReplyOverride refused;
    refused.result = 1;
    service.setReply("btsdkconn", "connect_ex", refused);
    ASSERT_TRUE(worker->StartOperation(kOpConnect, kPhone, 0x1106));
    ASSERT_TRUE(reports.waitFor(3));
    EXPECT_EQ(reports.seen[2], Report(kOpConnect, 2, 1));

    // A record of the wrong type fails the operation; an unknown code is not run.
    std::atomic<int> live{0};
    ASSERT_TRUE(QTest::qWaitFor([&] { return !worker->busy(); }, 5000));
    EXPECT_FALSE(worker->StartOperation(99, 0, 0, std::make_unique<PairedRecord>(kStick, &live)));
    EXPECT_EQ(live, 0);
    ASSERT_TRUE(worker->StartOperation(kOpPaired, 0, 0, std::make_unique<OperationRecord>()));
    ASSERT_TRUE(reports.waitFor(4));
    EXPECT_EQ(reports.seen[3], Report(kOpPaired, 2, 0));
    EXPECT_EQ(reports.seen.size(), 4u);
}

}  // namespace
}  // namespace pktest
