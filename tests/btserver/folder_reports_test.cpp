// The reports of folder transfers: a tree of files in nested folders, put onto a device
// and got back, is reported file by file in the order of their paths, each named by its
// path under the folder and reported first, after each chunk with the chunk's bytes, and
// last; the transfer's very first and very last reports carry 0x101.
#include <filesystem>
#include <map>

#include "transfer_world.h"

namespace fs = std::filesystem;

using bttest::callArea;
using bttest::completions;
using bttest::contentsOf;
using bttest::SignalRecorder;
using bttest::Status;
using bttest::statusOf;
using bttest::write;

namespace {

constexpr const char* kFtp = "com.zel.corvane.btservice.btsdkftp";

class FolderReports : public bttest::TransferWorld {
protected:
    FolderReports() : TransferWorld("corvtest-folders") {}

    uint32_t connection = 0;

    // A phone with an empty tree, whose transfers move 1000 bytes at a time.
    void SetUp() override {
        write(local + "/chunks.ini",
              "[Timing]\nConnect=10\nTransferRate=0\nTransferChunk=1000\n"
              "[Device phone]\n[Service phone/ftp]\nClass=0x1106\n");
        service.loadScenario(local + "/chunks.ini");
        connection = connect(1, 0x1106);
    }
    // Makes the file of `size` bytes, its last letter repeated, under the local folder.
    void file(const std::string& path, size_t size) {
        fs::create_directories(fs::path(local + "/" + path).parent_path());
        write(local + "/" + path, std::string(size, path.back()));
    }
    // The reports of a get_dir or put_dir, which must complete with 0.
    std::vector<Status> reportsOf(const char* method, const std::string& from,
                                  const std::string& to, size_t expected) {
        SignalRecorder status(kFtp, "signal_ftp_file_transfer_status");
        SignalRecorder complete(kFtp, "signal_ftp_transfer_complete");
        EXPECT_EQ(callArea("btsdkftp", method,
                           g_variant_new("(uss)", connection, from.c_str(), to.c_str()))
                      .u(0),
                  0u);
        EXPECT_EQ(completions(complete), (std::vector<uint32_t>{0}));
        EXPECT_TRUE(status.waitForCount(expected));
        return statusOf(status);
    }
};

TEST_F(FolderReports, ATreePutAndGotBackIsReportedFileByFile) {
    file("tree/a.txt", 2500);
    file("tree/empty.dat", 0);
    file("tree/sub/b.bin", 1000);
    file("tree/sub/deeper/c.bin", 3001);
    file("tree/sub/deeper/d.txt", 1);
    fs::create_directories(local + "/tree/sub/empty folder");
    file("tree/z/e.txt", 999);
    const std::string a = "tree/a.txt", empty = "tree/empty.dat", b = "tree/sub/b.bin",
                      c = "tree/sub/deeper/c.bin", d = "tree/sub/deeper/d.txt", e = "tree/z/e.txt";
    const std::vector<Status> expected{
        {0x101, 0, a, 2500, 0}, {0, 0, a, 2500, 1000}, {0, 0, a, 2500, 1000}, {0, 0, a, 2500, 500},
        {0, 1, a, 2500, 0},     {1, 0, empty, 0, 0},   {0, 1, empty, 0, 0},   {1, 0, b, 1000, 0},
        {0, 0, b, 1000, 1000},  {0, 1, b, 1000, 0},    {1, 0, c, 3001, 0},    {0, 0, c, 3001, 1000},
        {0, 0, c, 3001, 1000},  {0, 0, c, 3001, 1000}, {0, 0, c, 3001, 1},    {0, 1, c, 3001, 0},
        {1, 0, d, 1, 0},        {0, 0, d, 1, 1},       {0, 1, d, 1, 0},       {1, 0, e, 999, 0},
        {0, 0, e, 999, 999},    {0, 0x101, e, 999, 0}};

    EXPECT_EQ(reportsOf("put_dir", local + "/tree", "/", expected.size()), expected);
    std::string tree = service.stateDir() + "/devices/phone/files/tree";
    EXPECT_TRUE(fs::is_directory(tree + "/sub/empty folder"));

    fs::create_directory(local + "/back");
    EXPECT_EQ(reportsOf("get_dir", "/tree", local + "/back", expected.size()), expected);
    for (const std::string& name : {a, empty, b, c, d, e})
        EXPECT_EQ(contentsOf(local + "/back/" + name), contentsOf(local + "/" + name)) << name;
    EXPECT_TRUE(fs::is_directory(local + "/back/tree/sub/empty folder"));
}

TEST_F(FolderReports, TheChunksOfEveryTransferredFileAddUpToItsSize) {
    file("sizes/odd.bin", 4321);
    file("sizes/even.bin", 3000);
    file("sizes/tiny.txt", 7);
    struct Case {
        const char* method;
        std::string from, to;
        size_t reports, files;
    };
    for (const Case& c : {Case{"put_dir", local + "/sizes", "/", 15, 3},
                          Case{"get_dir", "/sizes", local + "/back", 15, 3},
                          Case{"get_file", "/sizes/odd.bin", local + "/odd copy.bin", 7, 1},
                          Case{"put_file", local + "/sizes/tiny.txt", "/tiny copy.txt", 3, 1}}) {
        SCOPED_TRACE(c.method);
        std::vector<Status> reports = reportsOf(c.method, c.from, c.to, c.reports);
        EXPECT_EQ(reports.size(), c.reports);
        std::map<std::string, uint64_t> sizes, sums;
        for (const Status& report : reports) {
            sizes[report.name] = report.size;
            if (report.first || report.last)
                EXPECT_EQ(report.chunk, 0u) << report;  // only chunk reports carry bytes
            else
                sums[report.name] += report.chunk;
        }
        EXPECT_EQ(sizes.size(), c.files);
        EXPECT_EQ(sums, sizes);
    }
}

TEST_F(FolderReports, AFolderOfOneFileMarksItsFirstAndLastReportsBoth) {
    file("one/only.txt", 1500);
    EXPECT_EQ(reportsOf("put_dir", local + "/one", "/", 4),
              (std::vector<Status>{{0x101, 0, "one/only.txt", 1500, 0},
                                   {0, 0, "one/only.txt", 1500, 1000},
                                   {0, 0, "one/only.txt", 1500, 500},
                                   {0, 0x101, "one/only.txt", 1500, 0}}));
    // Files are named under the name of the folder they come from, whatever the copy is
    // called.
    EXPECT_EQ(reportsOf("put_dir", local + "/one", "/copy", 4).front(),
              (Status{0x101, 0, "one/only.txt", 1500, 0}));
    EXPECT_EQ(reportsOf("get_dir", "/copy", local + "/got", 4).back(),
              (Status{0, 0x101, "copy/only.txt", 1500, 0}));
}

}  // namespace
