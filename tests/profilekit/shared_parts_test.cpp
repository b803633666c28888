// The plug-in parts that need no service: modal dialogs whose parent goes away during
// their loop, the progress channel from a library thread to the transferring window, the
// cancel worker, and the hand-over of received files to the host.
#include <gtest/gtest.h>

#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstring>
#include <thread>
#include <tuple>
#include <vector>

#include "profilekit/modal_dialog.h"
#include "profilekit/profile_worker.h"
#include "profilekit/received_file.h"
#include "profilekit/transfer_cancel.h"
#include "profilekit/transfer_status.h"

namespace {

// Destroying the parent while the dialog's loop runs takes the dialog along; the holder
// then deletes nothing (ASan reports a second delete).
TEST(ModalDialogs, AParentDestroyedDuringTheLoopEndsItOnce) {
    auto* parent = new QWidget;
    ModalDialog<QDialog> dialog(parent);
    QTimer::singleShot(0, [parent] { delete parent; });
    EXPECT_EQ(dialog.exec(), 0);
    EXPECT_FALSE(dialog);
}

TEST(ModalDialogs, ASecondDialogThroughTheSamePointerIsNotOpened) {
    QDialog* open = nullptr;
    int opened = 0;
    QTimer::singleShot(0, [&] {
        QDialog* first = open;
        ++opened;
        SoleModalDialog(open, nullptr);  // refused: first is open
        EXPECT_EQ(open, first);
        first->accept();
    });
    SoleModalDialog(open, nullptr);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(open, nullptr);
    // A dialog that was deleted during its loop clears the pointer too.
    auto* parent = new QWidget;
    QTimer::singleShot(0, [parent] { delete parent; });
    SoleModalDialog(open, parent);
    EXPECT_EQ(open, nullptr);
}

using Report = std::tuple<quint8, quint8, QByteArray, quint32, quint32>;

std::vector<std::pair<BTCONNHDL, BtsdkFtpStatusCallback>> g_registered;
void recordRegistration(BTCONNHDL connection, BtsdkFtpStatusCallback callback) {
    g_registered.emplace_back(connection, callback);
}
void statusCallback(BTUINT8, BTUINT8, const char*, BTUINT32, BTUINT32) {}

// Reports of a library thread reach the relay that receives, queued to its thread, with
// the name copied; a released or destroyed relay gets none.
TEST(TransferStatus, ReportsReachOnlyTheReceivingRelayOnItsThread) {
    TransferStatusChannel channel(recordRegistration, statusCallback);
    g_registered.clear();
    channel.registerFor(42);
    ASSERT_EQ(g_registered.size(), 1u);
    EXPECT_EQ(g_registered[0].first, 42u);
    EXPECT_EQ(g_registered[0].second, &statusCallback);

    TransferStatusRelay first(channel), second(channel);
    auto* gone = new TransferStatusRelay(channel);
    std::vector<Report> toFirst, toSecond;
    bool offThread = false;
    QObject receiver;
    QObject::connect(&first, &TransferStatusRelay::statusReported, &receiver,
                     [&](quint8 a, quint8 b, const QByteArray& n, quint32 s, quint32 c) {
                         offThread |= QThread::currentThread() != receiver.thread();
                         toFirst.emplace_back(a, b, n, s, c);
                     });
    QObject::connect(&second, &TransferStatusRelay::statusReported, &receiver,
                     [&](quint8 a, quint8 b, const QByteArray& n, quint32 s, quint32 c) {
                         toSecond.emplace_back(a, b, n, s, c);
                     });
    auto fromLibrary = [&](BTUINT8 begin, BTUINT8 end, BTUINT32 chunk) {
        std::thread([&, begin, end, chunk] {
            char name[] = "photo.jpg";
            channel.report(begin, end, name, 4096, chunk);
            std::memset(name, 0, sizeof name);  // the library's buffer is gone after the call
        }).join();
    };
    fromLibrary(1, 0, 0);  // nobody receives yet
    gone->receive();
    delete gone;
    fromLibrary(1, 0, 0);
    EXPECT_EQ(channel.receiver(), nullptr);
    first.receive();
    fromLibrary(1, 0, 0);
    fromLibrary(0, 0, 1024);
    second.receive();
    first.release();  // not the receiver: changes nothing
    fromLibrary(0, 1, 0);
    second.release();
    fromLibrary(0, 0, 7);
    QTest::qWait(50);
    EXPECT_FALSE(offThread);
    EXPECT_EQ(toFirst, (std::vector<Report>{{1, 0, "photo.jpg", 4096, 0}, {0, 0, "photo.jpg", 4096, 1024}}));
    EXPECT_EQ(toSecond, (std::vector<Report>{{0, 1, "photo.jpg", 4096, 0}}));
}

std::atomic<int> g_cancels{0};

class CancelWorker : public ProfileWorker {
public:
    CancelWorker()
        : ProfileWorker({{5, [](OperationJob& job) {
                              g_cancels += static_cast<int>(job.wparam);
                              return OperationOutcome::success();
                          }}},
                        0) {}
    ~CancelWorker() override { finish(); }
};

TEST(TransferCancelTest, RunsTheNamedOperationOnAWorkerDeletedWhenItEnds) {
    g_cancels = 0;
    TransferCancel cancel([] { return std::make_unique<CancelWorker>(); }, 5);
    EXPECT_FALSE(cancel.running());
    cancel.start(3);
    EXPECT_TRUE(cancel.running());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cancel.running(); }, 5000));
    EXPECT_EQ(g_cancels, 3);
    cancel.start(4);
    cancel.finish();
    EXPECT_FALSE(cancel.running());
    EXPECT_EQ(g_cancels, 7);
}

struct HostCall {
    quint32 command, subCode, size;
    QStringList list;
    bool onMainThread;
};
std::vector<HostCall> g_hostCalls;
quint32 host(quint32 command, quint32 subCode, quint32 size, void* bytes) {
    g_hostCalls.push_back({command, subCode, size, *static_cast<QStringList*>(bytes),
                           QThread::currentThread() == qApp->thread()});
    return 77;
}

// On the plug-in's thread the host answers at once; from a library thread the file is
// queued there and 0 answered; a closed hand-over or one without a host calls nobody.
TEST(ReceivedFiles, EachFileReachesTheHostOnThePluginsThread) {
    g_hostCalls.clear();
    ReceivedFileHandOver handOver;
    QObject plugin;
    QObject* seen = nullptr;
    auto reader = [&](const char* file, HostInvokeFunc function) {
        return [&seen, file, function](QObject* object) {
            seen = object;
            return ReceivedFileHandOver::File{function, {QStringLiteral("/srv/share"), QString::fromUtf8(file)}};
        };
    };
    EXPECT_EQ(handOver.handOver(reader("early.txt", host)), 0u);  // not open yet
    handOver.open(&plugin);
    EXPECT_EQ(handOver.handOver(reader("direct.txt", host)), 77u);
    EXPECT_EQ(seen, &plugin);
    quint32 fromLibrary = 1;
    std::thread([&] {
        fromLibrary = handOver.handOver(reader("one.txt", host)) + handOver.handOver(reader("two.txt", host)) +
                      handOver.handOver(reader("none.txt", nullptr));
    }).join();
    EXPECT_EQ(fromLibrary, 0u);
    ASSERT_TRUE(QTest::qWaitFor([] { return g_hostCalls.size() >= 3; }, 5000));
    handOver.close();
    EXPECT_EQ(handOver.handOver(reader("late.txt", host)), 0u);
    QTest::qWait(20);
    ASSERT_EQ(g_hostCalls.size(), 3u);
    const char* files[] = {"direct.txt", "one.txt", "two.txt"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(g_hostCalls[i].command, 1u);
        EXPECT_EQ(g_hostCalls[i].subCode, 7u);
        EXPECT_EQ(g_hostCalls[i].size, 260u);
        EXPECT_TRUE(g_hostCalls[i].onMainThread);
        EXPECT_EQ(g_hostCalls[i].list, (QStringList{QStringLiteral("/srv/share"), QString::fromUtf8(files[i])}));
    }
}

// A file queued to a plug-in object that is deleted before it is handled is dropped.
TEST(ReceivedFiles, AFileQueuedToAPluginThatIsGoneIsDropped) {
    g_hostCalls.clear();
    ReceivedFileHandOver handOver;
    auto* plugin = new QObject;
    handOver.open(plugin);
    std::thread([&] {
        handOver.handOver([](QObject*) { return ReceivedFileHandOver::File{host, {QStringLiteral("/"), QStringLiteral("x")}}; });
    }).join();
    handOver.close();
    delete plugin;
    QTest::qWait(20);
    EXPECT_TRUE(g_hostCalls.empty());
}

}  // namespace
