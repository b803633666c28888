// The browser's texts and its local file operations: size, type and time texts, folder
// listing rules, free names, and deletes that never follow a link out of their folder.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

#include "browser_fixture.h"
#include "ftp_items.h"
#include "local_files.h"
#include "profilekit/utf8_cut.h"

namespace ftptest {
namespace {

TEST(FtpTexts, SizesChangeUnitAboveEachPowerOf1024) {
    EXPECT_EQ(ftpitems::sizeText(0), QStringLiteral("0 B"));
    EXPECT_EQ(ftpitems::sizeText(1023), QStringLiteral("1023 B"));
    EXPECT_EQ(ftpitems::sizeText(1024), QStringLiteral("1.0 KB"));
    EXPECT_EQ(ftpitems::sizeText(1048576), QStringLiteral("1024.0 KB"));
    EXPECT_EQ(ftpitems::sizeText(1048577), QStringLiteral("1.0 MB"));
    EXPECT_EQ(ftpitems::sizeText(1073741824), QStringLiteral("1024.0 MB"));
    EXPECT_EQ(ftpitems::sizeText(1073741825), QStringLiteral("1.0 GB"));
    EXPECT_EQ(ftpitems::sizeText(4294967295u), QStringLiteral("4.0 GB"));
}

// A name that the device or the settings cut to its field inside a character shows the
// whole characters only; a path put into a field is cut before a character that does not
// fit.
TEST(FtpTexts, TextsCutToAFieldKeepWholeCharacters) {
    const struct {
        const char* bytes;
        const char* shown;
    } cut[] = {
        {"caf\xC3", "caf"},                     // é cut after its first byte
        {"caf\xC3\xA9", "caf\xC3\xA9"},          // é whole
        {"5 \xE2\x82", "5 "},                   // € cut after two of three bytes
        {"smile \xF0\x9F\x98", "smile "},        // an emoji cut after three of four
        {"smile \xF0\x9F\x98\x80", "smile \xF0\x9F\x98\x80"},
    };
    for (const auto& c : cut)
        EXPECT_EQ(utf8cut::decode(c.bytes, int(strlen(c.bytes))), QString::fromUtf8(c.shown)) << c.shown;
    EXPECT_EQ(utf8cut::within(QStringLiteral("ab\u20AC"), 4), QByteArray("ab"));
    EXPECT_EQ(utf8cut::within(QStringLiteral("ab\u20AC"), 5), QByteArray("ab\xE2\x82\xAC"));

    FTP_FIND_DATA entry{};
    const QByteArray name = QByteArray(int(sizeof entry.name) - 2, 'a') + "\xE2\x82";  // the field full
    memcpy(entry.name, name.constData(), sizeof entry.name);
    const ftpitems::RemoteItem item(entry, QIcon(), QIcon());
    EXPECT_EQ(item.text(ftpitems::Name), QString(int(sizeof entry.name) - 2, QLatin1Char('a')));
}

TEST(FtpTexts, TheTypeIsWhatFollowsTheLastDot) {
    EXPECT_EQ(ftpitems::typeText(QStringLiteral("Résumé 2026.v2.final.pdf")), QStringLiteral("pdf"));
    EXPECT_EQ(ftpitems::typeText(QStringLiteral("README")), QString());
    EXPECT_EQ(ftpitems::typeText(QStringLiteral("trailing.")), QString());
    EXPECT_EQ(ftpitems::typeText(QStringLiteral(".bashrc")), QStringLiteral("bashrc"));
}

TEST(FtpTexts, ADeviceTimeIsShownInLocalTimeToTheMinute) {
    const QByteArray saved = qgetenv("TZ");
    qputenv("TZ", "Asia/Kolkata");  // UTC+5:30, no daylight saving
    tzset();
    EXPECT_EQ(ftpitems::remoteTimeText("20080102T030405Z", 16), QStringLiteral("2008-01-02 08:34"));
    EXPECT_EQ(ftpitems::remoteTimeText("20081231T200000Z", 16), QStringLiteral("2009-01-01 01:30"));
    EXPECT_EQ(ftpitems::remoteTimeText("2008010203040", 13), QString());
    EXPECT_EQ(ftpitems::remoteTimeText("20081341T030405Z", 16), QString());
    EXPECT_EQ(ftpitems::remoteTimeText("2008x102T030405Z", 16), QString());
    if (saved.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", saved);
    tzset();
}

class LocalFiles : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(LocalFiles, DotFilesAreHiddenOnlyWhenAskedAndFoldersNever) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral(".config")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Zeta")));
    writeFile(path(QStringLiteral(".hidden")), 1);
    writeFile(path(QStringLiteral("alpha")), 1);
    writeFile(path(QStringLiteral("Beta")), 1);
    QStringList shown;
    for (const QFileInfo& info : localfiles::listFolder(dir.path(), false)) shown << info.fileName();
    EXPECT_EQ(shown, (QStringList{QStringLiteral(".config"), QStringLiteral("Zeta"), QStringLiteral(".hidden"),
                                  QStringLiteral("Beta"), QStringLiteral("alpha")}));
    shown.clear();
    for (const QFileInfo& info : localfiles::listFolder(dir.path(), true)) shown << info.fileName();
    EXPECT_EQ(shown, (QStringList{QStringLiteral(".config"), QStringLiteral("Zeta"), QStringLiteral("Beta"),
                                  QStringLiteral("alpha")}));
}

TEST_F(LocalFiles, AFreeNameSkipsTakenNamesAndDanglingLinks) {
    EXPECT_EQ(localfiles::freeName(dir.path(), QStringLiteral("new file")), QStringLiteral("new file"));
    writeFile(path(QStringLiteral("new file")), 1);
    ASSERT_TRUE(QFile::link(path(QStringLiteral("nowhere")), path(QStringLiteral("new file1"))));
    EXPECT_EQ(localfiles::freeName(dir.path(), QStringLiteral("new file")), QStringLiteral("new file2"));
    for (int i = 2; i <= 50; ++i) writeFile(path(QStringLiteral("new file%1").arg(i)), 0);
    EXPECT_EQ(localfiles::freeName(dir.path(), QStringLiteral("new file")), QString());
}

TEST_F(LocalFiles, DeletingAFolderRemovesItsLinksButNotWhatTheyPointTo) {
    QTemporaryDir outside;
    writeFile(outside.filePath(QStringLiteral("precious")), 4);
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("gone/sub/.deeper"))));
    writeFile(path(QStringLiteral("gone/.dot")), 1);
    writeFile(path(QStringLiteral("gone/sub/.deeper/file")), 1);
    ASSERT_TRUE(QFile::link(outside.path(), path(QStringLiteral("gone/sub/folder link"))));
    ASSERT_TRUE(QFile::link(outside.filePath(QStringLiteral("precious")), path(QStringLiteral("gone/file link"))));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("nowhere")), path(QStringLiteral("gone/dangling"))));
    EXPECT_TRUE(localfiles::deleteDir(path(QStringLiteral("gone"))).ok);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("gone"))));
    EXPECT_EQ(contents(outside.filePath(QStringLiteral("precious"))).size(), 4);

    // A link given as the folder goes, its target stays.
    ASSERT_TRUE(QFile::link(outside.path(), path(QStringLiteral("linked"))));
    EXPECT_TRUE(localfiles::deleteDir(path(QStringLiteral("linked"))).ok);
    EXPECT_FALSE(QFileInfo(path(QStringLiteral("linked"))).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(outside.filePath(QStringLiteral("precious"))));
}

TEST_F(LocalFiles, AMissingEntryOrAReadOnlyFolderIsRefused) {
    EXPECT_FALSE(localfiles::deleteFile(dir.path(), QStringLiteral("absent")).ok);
    if (geteuid() == 0) GTEST_SKIP() << "root may write into any folder";
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("locked/inner"))));
    writeFile(path(QStringLiteral("locked/inner/f")), 1);
    QFile::setPermissions(path(QStringLiteral("locked/inner")), QFile::ReadOwner | QFile::ExeOwner);
    const localfiles::DeleteResult result = localfiles::deleteDir(path(QStringLiteral("locked")));
    QFile::setPermissions(path(QStringLiteral("locked/inner")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.denied);
    EXPECT_FALSE(result.folderEntry);
    EXPECT_EQ(result.folder, path(QStringLiteral("locked/inner")));
    EXPECT_EQ(result.name, QStringLiteral("f"));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("locked/inner/f"))));
}

}  // namespace
}  // namespace ftptest
