// An object that a device pushes reaches the host function as (1, 7, 260, {inbox, file
// name}).
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "opp_fixture.h"

namespace opptest {
namespace {

using Received = OppPlugin;

TEST_F(Received, APushedObjectReachesTheHostWithTheInbox) {
    QTemporaryDir inbox, outbox, sources;
    ASSERT_TRUE(inbox.isValid() && outbox.isValid() && sources.isValid());
    setSetting("INBOXFOLDER", inbox.path().toStdString());
    setSetting("OUTBOXFOLDER", outbox.path().toStdString());
    ProfilePlugMng::StartProfileServer();
    const QString source = sources.filePath(QStringLiteral("note.txt"));
    QFile note(source);
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.write("pushed note\n");
    note.close();

    service.act("DevicePushesFile", g_variant_new("(ss)", "phone", source.toUtf8().constData()));
    ASSERT_TRUE(QTest::qWaitFor([] { return !hostCalls().empty(); }, 10000));
    const std::vector<HostCall> calls = hostCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].command, 1u);
    EXPECT_EQ(calls[0].subCode, 7u);
    EXPECT_EQ(calls[0].size, 260u);
    EXPECT_EQ(calls[0].list, (QStringList{inbox.path(), QStringLiteral("note.txt")}));
    EXPECT_TRUE(QFile::exists(inbox.filePath(QStringLiteral("note.txt"))));
}

}  // namespace
}  // namespace opptest
