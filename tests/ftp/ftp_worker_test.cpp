// The browser's worker against the stand-in: the reports of each operation, the error
// codes they carry, and the transfer kind that labels a cancel.
#include <QFile>

#include <array>
#include <cstring>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "corvclient/btsdk.h"
#include "ftp_operation_record.h"
#include "harness.h"
#include "working_thread.h"

namespace ftptest {
namespace {

constexpr unsigned int kPhone = 1;
constexpr quint32 kFtp = 0x1106;

using Report = std::array<quint32, 3>;

class FtpWorker : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    WorkingThread worker;
    QSignalSpy spy{&worker, &WorkingThread::OperationInd};
    quint32 connection = 0;

    void SetUp() override {
        service.loadScenario(FTP_WORLD);
        ASSERT_TRUE(worker.StartOperation(WorkingThread::Connect, kPhone, kFtp));
        const std::vector<Report> reports = waitReports(3);
        ASSERT_EQ(reports.size(), 3u);
        EXPECT_EQ(reports[0], (Report{1, 4, 0}));
        EXPECT_EQ(reports[1], (Report{1, 3, 0}));
        ASSERT_EQ(reports[2][1], 1u);
        connection = reports[2][2];
        ASSERT_NE(connection, 0u);
    }
    void TearDown() override { Btsdk_Disconnect(connection); }

    // Waits for `count` reports in all, taking them from the spy.
    std::vector<Report> waitReports(int count) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return spy.size() >= count; }, 20000));
        std::vector<Report> reports;
        for (const QList<QVariant>& report : spy)
            reports.push_back({report[0].toUInt(), report[1].toUInt(), report[2].toUInt()});
        spy.clear();
        return reports;
    }
    std::vector<Report> run(WorkingThread::Op op, const QString& remote, const QString& local, bool folder) {
        EXPECT_TRUE(worker.StartOperation(op, 0, 0, std::make_unique<FtpOperationRecord>(connection, remote, local, folder)));
        return waitReports(1);
    }
};

TEST_F(FtpWorker, FailedOperationsReportTheirOutcomeAndOnlyAPutItsCode) {
    QTemporaryDir local;
    EXPECT_EQ(run(WorkingThread::Get, QStringLiteral("missing.txt"), local.filePath(QStringLiteral("m")), false),
              (std::vector<Report>{{2, 2, 0}}));
    EXPECT_EQ(run(WorkingThread::Delete, QStringLiteral("missing.txt"), QString(), false),
              (std::vector<Report>{{6, 2, 0}}));
    const std::vector<Report> put =
        run(WorkingThread::Put, QStringLiteral("x.txt"), local.filePath(QStringLiteral("absent.txt")), false);
    ASSERT_EQ(put.size(), 1u);
    EXPECT_EQ(put[0][0], 3u);
    EXPECT_EQ(put[0][1], 2u);
    EXPECT_NE(put[0][2], 0u);
}

TEST_F(FtpWorker, ACancelAfterACompletedGetReportsTheGet) {
    QTemporaryDir local;
    const QString target = local.filePath(QStringLiteral("notes.txt"));
    EXPECT_EQ(run(WorkingThread::Get, QStringLiteral("notes.txt"), target, false), (std::vector<Report>{{2, 1, 0}}));
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(WorkingThread::transferType(), quint32(WorkingThread::Get));

    WorkingThread canceller;
    QSignalSpy cancelSpy(&canceller, &WorkingThread::OperationInd);
    ASSERT_TRUE(canceller.StartOperation(WorkingThread::Cancel, connection, 0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return cancelSpy.size() == 1; }, 10000));
    EXPECT_EQ(cancelSpy[0][0].toUInt(), 5u);
    EXPECT_EQ(cancelSpy[0][2].toUInt(), quint32(WorkingThread::Get));
    EXPECT_EQ(WorkingThread::transferType(), 0u);
}

TEST_F(FtpWorker, ADisconnectEndsTheConnection) {
    ASSERT_TRUE(worker.StartOperation(WorkingThread::Disconnect, connection, 0));
    EXPECT_EQ(waitReports(1), (std::vector<Report>{{4, 1, 0}}));
    ASSERT_TRUE(worker.StartOperation(WorkingThread::Disconnect, connection, 0));
    EXPECT_EQ(waitReports(1), (std::vector<Report>{{4, 2, 0}}));
    connection = 0;
}

TEST(FtpOperationRecordLayout, PathsAreCutOnWholeCharactersAndTerminated) {
    const QString longName = QString(200, QChar(0x00E9));  // 400 bytes in UTF-8
    FtpOperationRecord record(7, longName, QStringLiteral("/tmp/a"), true);
    EXPECT_EQ(record.data.connection, 7u);
    EXPECT_EQ(record.data.isFolder, 1u);
    EXPECT_EQ(strlen(record.data.remote), 254u);  // 127 whole characters of two bytes
    EXPECT_EQ(QString::fromUtf8(record.data.remote), QString(127, QChar(0x00E9)));
    EXPECT_STREQ(record.data.local, "/tmp/a");
}

}  // namespace
}  // namespace ftptest
