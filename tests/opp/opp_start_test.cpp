// Start-up: the own business card is named after the host and made in the outbox, the
// inbox and outbox are checked ("USERNAME" in place of a "user" that starts within the
// first seven characters, in that case only), and the server is registered with them.
#include <QDir>
#include <QFile>
#include <QHostInfo>
#include <QTemporaryDir>

#include "opp_fixture.h"

namespace opptest {
namespace {

using Rows = SettingRows;

class Start : public OppPlugin {
protected:
    QTemporaryDir dir;
    QString previous = QDir::currentPath();

    void SetUp() override {
        OppPlugin::SetUp();
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        qputenv("USERNAME", "alice");
        setSetting("INBOXFOLDER", "in");
        setSetting("OUTBOXFOLDER", "out");
        setSetting("OWNCARDNAME", "me.vcf");
    }
    void TearDown() override {
        qunsetenv("USERNAME");
        QDir::setCurrent(previous);
        OppPlugin::TearDown();
    }
    // A plain file where a folder's first part would go, so that it cannot be made.
    void block(const char* name) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // The (inbox, outbox, card name) of each registration.
    Rows registrations() {
        Rows found;
        for (const corvtest::RecordedCall& call : callsOf("register_opp_service"))
            found.push_back({call.s(0), call.s(1), call.s(2)});
        return found;
    }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(Start, WithoutACardNameTheCardIsNamedAfterTheHostAndMade) {
    setSetting("OWNCARDNAME", "");
    service.clearCalls();
    ProfilePlugMng::StartProfileServer();
    const QByteArray host = QHostInfo::localHostName().toUtf8();
    const std::string card = host.toStdString() + ".vcf";
    EXPECT_EQ(settingsWritten(), (Rows{{"OPPSERVER", "OWNCARDNAME", card}}));
    EXPECT_EQ(contents(dir.filePath(QStringLiteral("out/") + QString::fromStdString(card))),
              "BEGIN:VCARD\nVERSION:2.1\nN:" + host + "\nEND:VCARD\n");
    EXPECT_EQ(registrations(), (Rows{{"in", "out", card}}));
}

TEST_F(Start, AnOutboxWhereTheCardCannotBeMadeRegistersNothing) {
    qunsetenv("USERNAME");
    block("out");
    // A blocked folder, and none at all: the card is not made at the root either.
    for (const char* outbox : {"out", ""}) {
        SCOPED_TRACE(outbox);
        setSetting("OUTBOXFOLDER", outbox);
        service.clearCalls();
        ProfilePlugMng::StartProfileServer();
        EXPECT_TRUE(registrations().empty());
        EXPECT_TRUE(callsOf("register_deal_receive_file_cbk").empty());
        EXPECT_FALSE(QFile::exists(QStringLiteral("/me.vcf")));
    }
}

TEST_F(Start, AnInboxThatCannotBeMadeTakesTheUserNameInItsOwnCaseBelowPositionSeven) {
    block("abcdefuser");
    block("abcdeUSER");
    block("abcdefguser");
    struct Row {
        std::string inbox, registered;
        bool written;
    };
    const Row rows[] = {{"abcdefuser/in", "abcdefalice/in", true},
                        {"abcdeUSER/in", "abcdeUSER/in", false},
                        {"abcdefguser/in", "abcdefguser/in", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.inbox);
        setSetting("INBOXFOLDER", row.inbox);
        service.clearCalls();
        ProfilePlugMng::StartProfileServer();
        EXPECT_EQ(registrations(), (Rows{{row.registered, "out", "me.vcf"}}));
        const Rows written = row.written ? Rows{{"OPPSERVER", "INBOXFOLDER", row.registered}} : Rows{};
        EXPECT_EQ(settingsWritten(), written);
        EXPECT_EQ(QDir(dir.filePath(QString::fromStdString(row.registered))).exists(), row.written);
    }
}

}  // namespace
}  // namespace opptest
