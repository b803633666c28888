// File transfer over the devices' trees of transfer_fast.ini: browse entries, moving
// through folders without leaving the tree, folders got and put back whole, the reports
// and the completion of transfers, cancelling, read-only trees, deleting and making
// entries, and files that a device puts into the local shared folder.
#include <utime.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "transfer_world.h"
#include "service_world.h"
#include "temporary_dir.h"

namespace fs = std::filesystem;

using bttest::Answer;
using bttest::Bytes;
using bttest::callArea;
using bttest::completions;
using bttest::contentsOf;
using bttest::write;
using bttest::control;
using bttest::recordsOf;
using bttest::SignalRecorder;
using bttest::Status;
using bttest::statusOf;
using bttest::word32;

namespace {

constexpr const char* kFtp = "com.zel.corvane.btservice.btsdkftp";
constexpr const char* kShippedPhone = CORVANE_SCENARIOS_DIR "/files/phone";
constexpr const char* kPicture = "/Pictures/Holiday 2025/Sunset over the bay.bmp";
// transfer_fast.ini: devices 1-2, their services 3-6.
constexpr uint32_t kPhone = 1, kLaptop = 2;

// Every folder and file under the root by its path there; a file with its bytes.
std::map<std::string, std::string> treeOf(const std::string& root) {
    std::map<std::string, std::string> tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        std::string relative = fs::relative(entry.path(), root).string();
        tree[relative] = entry.is_directory() ? "<folder>" : contentsOf(entry.path());
    }
    return tree;
}

Answer ftp(const char* method, GVariant* args) { return callArea("btsdkftp", method, args); }

Answer onPath(const char* method, uint32_t connection, const std::string& path) {
    return ftp(method, g_variant_new("(us)", connection, path.c_str()));
}

Answer copy(const char* method, uint32_t connection, const std::string& first,
            const std::string& second) {
    return ftp(method, g_variant_new("(uss)", connection, first.c_str(), second.c_str()));
}

std::string folderOf(uint32_t connection) {
    Answer answer = ftp("get_rmt_dir", g_variant_new("(u)", connection));
    EXPECT_EQ(answer.u(1), 0u);
    return answer.s(0);
}

class FileTransfer : public bttest::TransferWorld {
protected:
    FileTransfer() : TransferWorld("corvtest-ftp") {}

    uint32_t connect(uint32_t device, uint32_t serviceClass = 0x1106) {
        return TransferWorld::connect(device, serviceClass);
    }
    std::string tree(const std::string& device) {
        return service.stateDir() + "/devices/" + device + "/files";
    }
    // A connection to the phone of a world in which getting kPicture takes three seconds
    // (64 KiB/s in chunks of 4 KiB).
    uint32_t connectSlowly() {
        std::string scenario = local + "/slow.ini";
        write(scenario, std::string("[Timing]\nConnect=10\nTransferRate=65536\nTransferChunk=4096\n"
                                    "[Device phone]\n[Service phone/ftp]\nClass=0x1106\nFiles=") +
                            kShippedPhone + "\n");
        service.loadScenario(scenario);
        return connect(1);
    }
    // The 324-byte entries that browsing the folder sends.
    std::vector<Bytes> browse(uint32_t connection, const std::string& folder, size_t expected) {
        SignalRecorder entries(kFtp, "signal_ftp_show_browse_file");
        EXPECT_EQ(ftp("browse_folder", g_variant_new("(usu)", connection, folder.c_str(), 0u)).u(0), 0u);
        EXPECT_TRUE(entries.waitForCount(expected));
        std::vector<Bytes> records = recordsOf(entries);
        EXPECT_EQ(records.size(), expected);
        return records;
    }
};

std::string nameOf(const Bytes& entry) { return bttest::textAt(entry, 4, 296); }

TEST_F(FileTransfer, BrowseEntriesDescribeTheFolderByteForByte) {
    uint32_t connection = connect(kPhone);
    // 2026-03-14 09:26:53 UTC
    const std::string cafe = "Caf\xC3\xA9 men\xC3\xBC.txt";
    utimbuf stamp{1773480413, 1773480413};
    ASSERT_EQ(utime((tree("phone") + "/" + cafe).c_str(), &stamp), 0);

    std::vector<Bytes> entries = browse(connection, "/", 5);
    std::vector<std::string> names;
    for (const Bytes& entry : entries) {
        EXPECT_EQ(entry.size(), 324u);
        names.push_back(nameOf(entry));
    }
    // Folders first, then files, each by name.
    EXPECT_EQ(names, (std::vector<std::string>{"Documents", "Pictures", ".hidden settings", cafe,
                                               "notes.txt"}));
    Bytes expected(324, 0);
    uint32_t size = static_cast<uint32_t>(fs::file_size(std::string(kShippedPhone) + "/" + cafe));
    for (int i = 0; i < 4; ++i) expected[i] = static_cast<uint8_t>(size >> (8 * i));
    std::copy(cafe.begin(), cafe.end(), expected.begin() + 4);
    const std::string time = "20260314T092653Z";
    std::copy(time.begin(), time.end(), expected.begin() + 300);
    EXPECT_EQ(entries[3], expected);

    EXPECT_EQ(word32(entries[0], 0), 0u);
    EXPECT_EQ(word32(entries[0], 320), 1u);  // a folder
    EXPECT_EQ(bttest::textAt(entries[0], 300, 20).size(), 16u);
    EXPECT_EQ(word32(entries[4], 320), 0u);
    EXPECT_EQ(word32(entries[4], 0), 10u);  // "Buy milk.\n"

    std::vector<Bytes> documents = browse(connection, "Documents", 2);
    EXPECT_EQ(nameOf(documents[0]), "Projects");
    EXPECT_EQ(nameOf(documents[1]), "R\xC3\xA9sum\xC3\xA9 2026.v2.final.pdf");
    // As the browser window does it: into the folder, then the folder's own name.
    ASSERT_EQ(onPath("set_rmt_dir", connection, "/Documents").u(0), 0u);
    EXPECT_EQ(nameOf(browse(connection, "Documents", 2)[0]), "Projects");
}

TEST_F(FileTransfer, NavigationMovesThroughTheTreeButNeverOutOfIt) {
    uint32_t connection = connect(kPhone);
    EXPECT_EQ(folderOf(connection), "/");
    EXPECT_EQ(onPath("set_rmt_dir", connection, "Pictures/Holiday 2025").u(0), 0u);
    EXPECT_EQ(folderOf(connection), "/Pictures/Holiday 2025");
    EXPECT_EQ(onPath("set_rmt_dir", connection, "..").u(0), 0u);
    EXPECT_EQ(folderOf(connection), "/Pictures");
    EXPECT_EQ(onPath("set_rmt_dir", connection, "../Documents/./Projects/").u(0), 0u);
    EXPECT_EQ(folderOf(connection), "/Documents/Projects");
    EXPECT_EQ(ftp("back_dir", g_variant_new("(u)", connection)).u(0), 0u);
    EXPECT_EQ(folderOf(connection), "/Documents");
    EXPECT_EQ(onPath("set_rmt_dir", connection, "../..").u(0), 2u);
    EXPECT_EQ(onPath("set_rmt_dir", connection, "/../etc").u(0), 2u);
    EXPECT_EQ(onPath("set_rmt_dir", connection, "missing").u(0), 1u);
    EXPECT_EQ(onPath("set_rmt_dir", connection, "/notes.txt").u(0), 1u);  // a file
    EXPECT_EQ(folderOf(connection), "/Documents");                          // unchanged
    EXPECT_EQ(ftp("browse_folder", g_variant_new("(usu)", connection, "../../x", 0u)).u(0), 2u);

    EXPECT_EQ(onPath("set_rmt_dir", connection, "/").u(0), 0u);
    EXPECT_EQ(ftp("back_dir", g_variant_new("(u)", connection)).u(0), 2u);
    EXPECT_EQ(folderOf(connection), "/");

    // Each connection has its own current folder; only file-transfer connections count.
    uint32_t other = connect(kPhone);
    EXPECT_EQ(onPath("set_rmt_dir", other, "Pictures").u(0), 0u);
    EXPECT_EQ(folderOf(connection), "/");
    uint32_t push = connect(kPhone, 0x1105);
    EXPECT_EQ(ftp("get_rmt_dir", g_variant_new("(u)", push)).u(1), 4u);
    EXPECT_EQ(ftp("get_rmt_dir", g_variant_new("(u)", 999u)).u(1), 4u);
    EXPECT_EQ(onPath("set_rmt_dir", 999, "/").u(0), 4u);
}

TEST_F(FileTransfer, AFolderTreeGotAndPutBackIsTheSameByteForByte) {
    uint32_t connection = connect(kPhone);
    SignalRecorder complete(kFtp, "signal_ftp_transfer_complete");
    ASSERT_EQ(copy("get_dir", connection, "/", local + "/copy").u(0), 0u);
    ASSERT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    EXPECT_EQ(treeOf(local + "/copy"), treeOf(kShippedPhone));

    ASSERT_EQ(copy("put_dir", connection, local + "/copy", "/Backup").u(0), 0u);
    ASSERT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    EXPECT_EQ(treeOf(tree("phone") + "/Backup"), treeOf(kShippedPhone));
    // A folder put onto an existing folder goes inside it under its own name.
    ASSERT_EQ(copy("put_dir", connection, local + "/copy/Pictures", "/Backup").u(0), 0u);
    ASSERT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    EXPECT_EQ(treeOf(tree("phone") + "/Backup/Pictures"),
              treeOf(std::string(kShippedPhone) + "/Pictures"));

    // A file into a local folder keeps its name; into a new path takes that name.
    ASSERT_EQ(onPath("set_rmt_dir", connection, "Documents").u(0), 0u);
    const std::string pdf = "R\xC3\xA9sum\xC3\xA9 2026.v2.final.pdf";
    ASSERT_EQ(copy("get_file", connection, pdf, local).u(0), 0u);
    ASSERT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    ASSERT_EQ(copy("get_file", connection, "/notes.txt", local + "/renamed.txt").u(0), 0u);
    ASSERT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    EXPECT_EQ(contentsOf(local + "/" + pdf), contentsOf(std::string(kShippedPhone) + "/Documents/" + pdf));
    EXPECT_EQ(contentsOf(local + "/renamed.txt"), "Buy milk.\n");
    // Put into the current folder when no remote name is given.
    ASSERT_EQ(copy("put_file", connection, local + "/renamed.txt", "").u(0), 0u);
    ASSERT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    EXPECT_EQ(contentsOf(tree("phone") + "/Documents/renamed.txt"), "Buy milk.\n");
}

TEST_F(FileTransfer, TransfersReportEachFileFirstByChunkAndLastThenComplete) {
    uint32_t connection = connect(kPhone);
    SignalRecorder status(kFtp, "signal_ftp_file_transfer_status");
    SignalRecorder complete(kFtp, "signal_ftp_transfer_complete");
    const std::string name = "Sunset over the bay.bmp";
    ASSERT_EQ(copy("get_file", connection, "/Pictures/Holiday 2025/" + name, local).u(0), 0u);
    ASSERT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    const uint32_t size = 201654;  // chunks of 65536 in transfer_fast.ini
    ASSERT_TRUE(status.waitForCount(6));
    EXPECT_EQ(statusOf(status), (std::vector<Status>{{0x101, 0, name, size, 0},
                                                     {0, 0, name, size, 65536},
                                                     {0, 0, name, size, 65536},
                                                     {0, 0, name, size, 65536},
                                                     {0, 0, name, size, size - 3 * 65536},
                                                     {0, 0x101, name, size, 0}}));

    // A folder reports file by file, named by their path under it.
    ASSERT_EQ(copy("get_dir", connection, "/Pictures", local).u(0), 0u);
    ASSERT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    ASSERT_TRUE(status.waitForCount(9));
    std::vector<Status> reports = statusOf(status);
    ASSERT_EQ(reports.size(), 9u);
    EXPECT_EQ(reports[0], (Status{0x101, 0, "Pictures/Holiday 2025/" + name, size, 0}));
    EXPECT_EQ(reports[5], (Status{0, 1, "Pictures/Holiday 2025/" + name, size, 0}));
    EXPECT_EQ(reports[6], (Status{1, 0, "Pictures/Screenshots/screen 01.png", 1798, 0}));
    EXPECT_EQ(reports[7], (Status{0, 0, "Pictures/Screenshots/screen 01.png", 1798, 1798}));
    EXPECT_EQ(reports[8], (Status{0, 0x101, "Pictures/Screenshots/screen 01.png", 1798, 0}));
    EXPECT_EQ(treeOf(local + "/Pictures"), treeOf(std::string(kShippedPhone) + "/Pictures"));
}

TEST_F(FileTransfer, RefusedTransfersCompleteAtOnceWithTheirResult) {
    uint32_t connection = connect(kPhone);
    SignalRecorder complete(kFtp, "signal_ftp_transfer_complete");
    EXPECT_EQ(copy("get_file", connection, "../notes.txt", local + "/x").u(0), 2u);
    EXPECT_EQ(copy("get_file", connection, "notes.txt", "relative/x").u(0), 2u);
    EXPECT_EQ(copy("get_file", connection, "missing.txt", local).u(0), 1u);
    EXPECT_EQ(copy("get_dir", connection, "notes.txt", local).u(0), 1u);  // not a folder
    EXPECT_EQ(copy("put_file", connection, local + "/missing", "/").u(0), 1u);
    EXPECT_EQ(copy("put_file", connection, local, "/").u(0), 1u);  // a folder
    EXPECT_EQ(completions(complete, 6), (std::vector<uint32_t>{2, 2, 1, 1, 1, 1}));
    EXPECT_FALSE(fs::exists(local + "/x"));
}

TEST_F(FileTransfer, TransfersOnNoConnectionCompleteAtOnceWith4) {
    uint32_t connection = connect(kPhone);
    write(local + "/new.txt", "new");
    SignalRecorder complete(kFtp, "signal_ftp_transfer_complete");
    EXPECT_EQ(copy("get_file", 999, "notes.txt", local).u(0), 4u);
    EXPECT_EQ(copy("put_file", 999, local + "/new.txt", "/").u(0), 4u);
    EXPECT_EQ(copy("put_dir", connect(kPhone, 0x1105), local, "/").u(0), 4u);  // object push
    EXPECT_EQ(completions(complete, 3), (std::vector<uint32_t>{4, 4, 4}));

    // A connection that has just dropped.
    ASSERT_TRUE(control("DropConnection", g_variant_new("(u)", connection)).ok());
    EXPECT_EQ(copy("get_file", connection, "notes.txt", local).u(0), 4u);
    EXPECT_EQ(copy("put_file", connection, local + "/new.txt", "/").u(0), 4u);
    EXPECT_EQ(completions(complete, 2), (std::vector<uint32_t>{4, 4}));
    EXPECT_FALSE(fs::exists(local + "/notes.txt"));
    EXPECT_FALSE(fs::exists(tree("phone") + "/new.txt"));
}

TEST_F(FileTransfer, ABusyGetSendsNoCompletionAndTheRunningOneCompletes) {
    uint32_t connection = connectSlowly();
    write(local + "/new.txt", "new");
    SignalRecorder status(kFtp, "signal_ftp_file_transfer_status");
    SignalRecorder complete(kFtp, "signal_ftp_transfer_complete");
    ASSERT_EQ(copy("get_file", connection, kPicture, local + "/picture.bmp").u(0), 0u);
    ASSERT_TRUE(status.waitForCount(2));  // under way
    EXPECT_EQ(copy("get_file", connection, "/notes.txt", local).u(0), 3u);
    EXPECT_EQ(copy("put_file", connection, local + "/new.txt", "/").u(0), 3u);
    // A completion of the busy calls would have come before the running transfer's.
    EXPECT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    EXPECT_EQ(contentsOf(local + "/picture.bmp"),
              contentsOf(std::string(kShippedPhone) + kPicture));
    EXPECT_FALSE(fs::exists(local + "/notes.txt"));
    EXPECT_FALSE(fs::exists(tree("phone") + "/new.txt"));
}

TEST_F(FileTransfer, ACancelledSlowTransferFailsAndTheNextOneWorks) {
    uint32_t connection = connectSlowly();
    SignalRecorder status(kFtp, "signal_ftp_file_transfer_status");
    SignalRecorder complete(kFtp, "signal_ftp_transfer_complete");
    ASSERT_EQ(copy("get_file", connection, kPicture, local + "/picture.bmp").u(0), 0u);
    ASSERT_TRUE(status.waitForCount(3));
    // The service goes on answering while it transfers, and one transfer at a time.
    auto asked = std::chrono::steady_clock::now();
    EXPECT_EQ(folderOf(connection), "/");
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(500));
    EXPECT_EQ(copy("get_file", connection, "/notes.txt", local).u(0), 3u);

    EXPECT_EQ(ftp("cancel_transfer", g_variant_new("(u)", connection)).u(0), 0u);
    EXPECT_EQ(completions(complete), (std::vector<uint32_t>{8}));
    EXPECT_FALSE(fs::exists(local + "/picture.bmp"));  // the part written is removed
    EXPECT_FALSE(fs::exists(local + "/notes.txt"));    // the busy call did nothing
    EXPECT_EQ(ftp("cancel_transfer", g_variant_new("(u)", connection)).u(0), 1u);
    EXPECT_EQ(ftp("cancel_transfer", g_variant_new("(u)", 999u)).u(0), 4u);

    ASSERT_EQ(copy("get_file", connection, "/notes.txt", local).u(0), 0u);
    EXPECT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    EXPECT_EQ(contentsOf(local + "/notes.txt"), "Buy milk.\n");

    // A link that drops under a transfer fails it.
    ASSERT_EQ(copy("get_file", connection, kPicture, local + "/picture.bmp").u(0), 0u);
    ASSERT_TRUE(control("DropConnection", g_variant_new("(u)", connection)).ok());
    EXPECT_EQ(completions(complete), (std::vector<uint32_t>{1}));
    EXPECT_FALSE(fs::exists(local + "/picture.bmp"));
}

TEST_F(FileTransfer, AReadOnlyTreeRefusesChangesButGivesItsFiles) {
    uint32_t connection = connect(kLaptop);
    SignalRecorder complete(kFtp, "signal_ftp_transfer_complete");
    write(local + "/new.txt", "new");
    EXPECT_EQ(copy("put_file", connection, local + "/new.txt", "/").u(0), 1729u);
    EXPECT_EQ(copy("put_dir", connection, local, "/").u(0), 1729u);
    EXPECT_EQ(completions(complete, 2), (std::vector<uint32_t>{1729, 1729}));
    EXPECT_EQ(onPath("delete_file", connection, "todo.txt").u(0), 1729u);
    EXPECT_EQ(onPath("delete_dir", connection, "Reports").u(0), 1729u);
    EXPECT_EQ(onPath("create_dir", connection, "New").u(0), 1729u);
    EXPECT_TRUE(fs::exists(tree("laptop") + "/todo.txt"));
    EXPECT_FALSE(fs::exists(tree("laptop") + "/new.txt"));

    ASSERT_EQ(copy("get_file", connection, "todo.txt", local).u(0), 0u);
    EXPECT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    EXPECT_EQ(contentsOf(local + "/todo.txt"), contentsOf(CORVANE_SCENARIOS_DIR "/files/laptop/todo.txt"));
}

TEST_F(FileTransfer, DeletingAndMakingChangeOnlyTheCopyUntilAReset) {
    uint32_t connection = connect(kPhone);
    EXPECT_EQ(onPath("create_dir", connection, "New folder").u(0), 0u);
    EXPECT_EQ(onPath("create_dir", connection, "New folder").u(0), 1u);  // exists
    EXPECT_EQ(onPath("create_dir", connection, "no/such/parent").u(0), 1u);
    EXPECT_EQ(onPath("create_dir", connection, "/").u(0), 2u);
    EXPECT_EQ(nameOf(browse(connection, "/", 6)[1]), "New folder");

    EXPECT_EQ(onPath("delete_file", connection, "notes.txt").u(0), 0u);
    EXPECT_EQ(onPath("delete_file", connection, "notes.txt").u(0), 1u);
    EXPECT_EQ(onPath("delete_file", connection, "Documents").u(0), 1u);  // a folder
    EXPECT_EQ(onPath("delete_dir", connection, "Caf\xC3\xA9 men\xC3\xBC.txt").u(0), 1u);  // a file
    EXPECT_EQ(onPath("delete_dir", connection, "/").u(0), 2u);
    EXPECT_EQ(onPath("delete_file", connection, "../notes.txt").u(0), 2u);

    // A folder goes with what it holds; a connection inside it moves to its parent.
    ASSERT_EQ(onPath("set_rmt_dir", connection, "/Pictures/Holiday 2025").u(0), 0u);
    EXPECT_EQ(onPath("delete_dir", connection, "/Pictures").u(0), 0u);
    EXPECT_EQ(folderOf(connection), "/");
    EXPECT_FALSE(fs::exists(tree("phone") + "/Pictures"));
    EXPECT_FALSE(fs::exists(tree("phone") + "/notes.txt"));
    EXPECT_TRUE(fs::exists(std::string(kShippedPhone) + "/notes.txt"));
    EXPECT_TRUE(fs::exists(std::string(kShippedPhone) + "/Pictures/Holiday 2025"));

    service.reset();
    EXPECT_EQ(treeOf(tree("phone")), treeOf(kShippedPhone));
}

TEST_F(FileTransfer, TheSharedFolderReceivesWhatADevicePuts) {
    std::string shared = local + "/shared", source = local + "/report.txt";
    fs::create_directory(shared);
    write(source, std::string(5000, 'r'));
    auto put = [&](const char* name) {
        return control("DevicePutsFile", g_variant_new("(sss)", "phone", source.c_str(), name));
    };
    EXPECT_FALSE(put("").ok());  // no folder registered
    auto registerFolder = [](uint32_t access, const std::string& folder) {
        return ftp("register_ftp_service", g_variant_new("(us)", access, folder.c_str())).u(0);
    };
    EXPECT_EQ(registerFolder(1, ""), 2u);
    EXPECT_EQ(registerFolder(1, local + "/missing"), 1u);
    ASSERT_EQ(registerFolder(0, shared), 0u);
    Answer readOnly = put("");
    EXPECT_FALSE(readOnly.ok());
    EXPECT_NE(readOnly.message().find("access"), std::string::npos) << readOnly.message();

    ASSERT_EQ(registerFolder(1, shared), 0u);
    SignalRecorder received(kFtp, "signal_ftp_deal_receive_file");
    SignalRecorder status(kFtp, "signal_ftp_file_transfer_status");
    const std::string name = "Re\xC3\xA7u 2026.txt";
    Answer done = put(name.c_str());
    ASSERT_TRUE(done.ok()) << done.message();
    EXPECT_EQ(contentsOf(shared + "/" + name), std::string(5000, 'r'));
    ASSERT_TRUE(received.waitForCount(1));
    Bytes record = recordsOf(received).at(0);
    EXPECT_EQ(record.size(), 272u);
    EXPECT_EQ(word32(record, 0), 5000u);
    EXPECT_EQ(word32(record, 4), kPhone);
    EXPECT_EQ(word32(record, 8), 0x06A00300u);
    EXPECT_EQ(bttest::textAt(record, 12, 260), name);
    ASSERT_TRUE(status.waitForCount(3));
    EXPECT_EQ(statusOf(status), (std::vector<Status>{{0x101, 0, name, 5000, 0},
                                                     {0, 0, name, 5000, 5000},
                                                     {0, 0x101, name, 5000, 0}}));

    EXPECT_FALSE(put("../escape.txt").ok());
    EXPECT_FALSE(control("DevicePutsFile", g_variant_new("(sss)", "nobody", source.c_str(), "")).ok());
    EXPECT_EQ(ftp("unregister_ftp_service", nullptr).u(0), 0u);
    EXPECT_FALSE(put("again.txt").ok());
    EXPECT_FALSE(fs::exists(shared + "/again.txt"));
}

}  // namespace
