// A 64 MiB file, got from the phone of the default world or put onto it at that world's
// TransferRate (eight minutes), is cancelled while it moves; the part written, under a
// temporary name beside the file's, goes, and the connection browses and transfers again
// as before.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "transfer_parts.h"
#include "transfer_world.h"

namespace fs = std::filesystem;

using bttest::Answer;
using bttest::callArea;
using bttest::completions;
using bttest::contentsOf;
using bttest::SignalRecorder;
using bttest::Status;
using bttest::statusOf;

namespace {

constexpr const char* kFtp = "com.zel.corvane.btservice.btsdkftp";
constexpr uint32_t kSize = 64u << 20;
constexpr uint32_t kDefaultChunk = 8192;

Answer ftp(const char* method, GVariant* args) {
    return callArea("btsdkftp", method, args);
}

void makeLarge(const std::string& path) {
    std::ofstream created(path);
    created.close();
    fs::resize_file(path, kSize);  // sparse: no 64 MiB of disk
}

class LargeTransfer : public bttest::TransferWorld {
protected:
    LargeTransfer() : TransferWorld("corvtest-large") {}

    uint32_t connection = 0;
    std::string tree;

    void SetUp() override {
        service.loadScenario(CORVANE_SCENARIOS_DIR "/default.ini");
        tree = service.stateDir() + "/devices/phone/files";
        connection = connect(1, 0x1106);
    }
    // The names that browsing the root lists, in order of name; the test fails unless
    // they are those of the tree's root.
    std::vector<std::string> browsed() {
        std::vector<std::string> expected;
        for (const fs::directory_entry& entry : fs::directory_iterator(tree))
            expected.push_back(entry.path().filename().string());
        std::sort(expected.begin(), expected.end());
        SignalRecorder entries(kFtp, "signal_ftp_show_browse_file");
        EXPECT_EQ(ftp("browse_folder", g_variant_new("(usu)", connection, "/", 0u)).u(0), 0u);
        EXPECT_TRUE(entries.waitForCount(expected.size()));
        std::vector<std::string> names;
        for (GVariant* args : entries.take()) {
            GVariant* record = g_variant_get_child_value(args, 0);
            gsize size = 0;
            auto* data = static_cast<const char*>(g_variant_get_fixed_array(record, &size, 1));
            if (size == 324)
                names.emplace_back(data + 4, strnlen(data + 4, 296));
            g_variant_unref(record);
            g_variant_unref(args);
        }
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, expected);
        return names;
    }
};

TEST_F(LargeTransfer, AGetOrPutOf64MiBIsCancelledWhileItMovesAndTheConnectionGoesOn) {
    makeLarge(tree + "/large.bin");
    makeLarge(local + "/upload.bin");
    std::vector<std::string> before = browsed();
    ASSERT_NE(std::find(before.begin(), before.end(), "large.bin"), before.end());
    struct Case {
        const char* method;
        std::string from, to, written, name;
    };
    for (const Case& c :
         {Case{"get_file", "/large.bin", local, local + "/large.bin", "large.bin"},
          Case{"put_file", local + "/upload.bin", "/", tree + "/upload.bin", "upload.bin"}}) {
        SCOPED_TRACE(c.method);
        SignalRecorder status(kFtp, "signal_ftp_file_transfer_status");
        SignalRecorder complete(kFtp, "signal_ftp_transfer_complete");
        ASSERT_EQ(
            ftp(c.method, g_variant_new("(uss)", connection, c.from.c_str(), c.to.c_str())).u(0),
            0u);
        ASSERT_TRUE(status.waitForCount(2));
        std::vector<Status> reports = statusOf(status);
        EXPECT_EQ(reports.at(0), (Status{0x101, 0, c.name, kSize, 0}));
        EXPECT_EQ(reports.at(1), (Status{0, 0, c.name, kSize, kDefaultChunk}));
        EXPECT_FALSE(fs::exists(c.written));  // not whole yet
        EXPECT_EQ(corvtest::transferPartsIn(fs::path(c.written).parent_path()), 1u);

        EXPECT_EQ(ftp("cancel_transfer", g_variant_new("(u)", connection)).u(0), 0u);
        EXPECT_EQ(completions(complete), (std::vector<uint32_t>{8}));
        EXPECT_FALSE(fs::exists(c.written));
        EXPECT_EQ(corvtest::transferPartsIn(fs::path(c.written).parent_path()), 0u);  // the part written goes
        for (const Status& report : statusOf(status)) {
            EXPECT_EQ(report.name, c.name);
            EXPECT_LE(report.chunk, kDefaultChunk);
            EXPECT_EQ(report.last, 0u);
        }

        // Nothing runs on the connection any more: it browses as before and moves a file.
        EXPECT_EQ(browsed(), before);
        std::string small = local + "/notes from " + c.method + ".txt";
        ASSERT_EQ(
            ftp("get_file", g_variant_new("(uss)", connection, "/notes.txt", small.c_str())).u(0),
            0u);
        EXPECT_EQ(completions(complete), (std::vector<uint32_t>{0}));
        EXPECT_EQ(contentsOf(small), "Buy milk.\n");
    }
}

}  // namespace
