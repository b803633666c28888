// The shared-folder check: a folder that can be made is kept; one that cannot is tried
// with "USERNAME" in place of a "user" starting within its first seven characters, with
// the caller's case rule.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>
#include <string>

#include "profilekit/share_folder_check.h"

namespace {

class ShareFolder : public testing::Test {
protected:
    QTemporaryDir dir;
    QString previous = QDir::currentPath();

    // Relative folders, so that "user" can start near the beginning: each one's first
    // part is a plain file, so it cannot be made.
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        qputenv("USERNAME", "ann");
    }
    void TearDown() override {
        QDir::setCurrent(previous);
        qunsetenv("USERNAME");
    }
    static void blockWith(const char* file) {
        QFile blocker(QString::fromLatin1(file));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    struct Checked {
        bool changed;
        std::string folder;
    };
    static Checked check(const char* folder, Qt::CaseSensitivity userCase) {
        char buffer[kShareFolderSize];
        std::memset(buffer, 'x', sizeof buffer);
        std::strcpy(buffer, folder);
        const bool changed = CheckShareFolder(buffer, userCase);
        return {changed, buffer};
    }
};

TEST_F(ShareFolder, AFolderThatExistsOrCanBeMadeIsKept) {
    for (const char* folder : {"", "made/inbox", "user/inbox"}) {
        const Checked result = check(folder, Qt::CaseInsensitive);
        EXPECT_FALSE(result.changed) << folder;
        EXPECT_EQ(result.folder, folder);
    }
    EXPECT_TRUE(QDir(QStringLiteral("made/inbox")).exists());
    EXPECT_FALSE(CheckShareFolder(nullptr, Qt::CaseSensitive));
}

TEST_F(ShareFolder, UserWithinTheFirstSevenCharactersIsReplaced) {
    struct Case {
        const char* blocker;
        const char* folder;
        const char* result;  // null: left as it was
    };
    for (const Case& c : {Case{"userfile", "userfile/in", "annfile/in"},
                          Case{"abcdefuser", "abcdefuser/in", "abcdefann/in"},
                          Case{"abcdefguser", "abcdefguser/in", nullptr},
                          Case{"nothing", "nothing/in", nullptr}}) {
        SCOPED_TRACE(c.folder);
        blockWith(c.blocker);
        const Checked result = check(c.folder, Qt::CaseSensitive);
        EXPECT_EQ(result.changed, c.result != nullptr);
        EXPECT_EQ(result.folder, c.result ? c.result : c.folder);
        if (c.result) {
            EXPECT_TRUE(QDir(QString::fromLatin1(c.result)).exists());
        }
    }
}

TEST_F(ShareFolder, TheCaseRuleIsTheCallersAndUsernameMustBeSet) {
    blockWith("USERdata");
    EXPECT_EQ(check("USERdata/in", Qt::CaseSensitive).folder, "USERdata/in");
    const Checked insensitive = check("USERdata/in", Qt::CaseInsensitive);
    EXPECT_TRUE(insensitive.changed);
    EXPECT_EQ(insensitive.folder, "anndata/in");

    qunsetenv("USERNAME");
    blockWith("userx");
    const Checked unset = check("userx/in", Qt::CaseInsensitive);
    EXPECT_FALSE(unset.changed);
    EXPECT_EQ(unset.folder, "userx/in");
}

TEST_F(ShareFolder, AReplacementThatCannotBeMadeOrDoesNotFitIsNotTaken) {
    blockWith("userz");
    blockWith("annz");
    EXPECT_FALSE(check("userz/in", Qt::CaseSensitive).changed);
    qputenv("USERNAME", QByteArray(300, 'n'));
    EXPECT_EQ(check("userz/in", Qt::CaseSensitive).folder, "userz/in");
}

}  // namespace
