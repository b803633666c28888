// Shortcuts of services_fast.ini: their property records with texts and blocks, the
// lookups, connecting through them, and the file that keeps them across restarts.
#include <fstream>
#include <sstream>
#include <thread>

#include "service_world.h"

using bttest::Answer;
using bttest::Bytes;
using bttest::callArea;
using bttest::handleList;
using bttest::textAt;
using bttest::word16;
using bttest::word32;

namespace {

using Handles = std::vector<uint32_t>;

constexpr size_t kHeader = 284;
constexpr uint16_t kMaskBlock = 0x40;
constexpr uint32_t kPhoneClass = 0x5A020C, kLaptopClass = 0x1A010C;

// The header fields that the tests write; the block length field and the bytes after the
// header are set apart, so that a record may claim a block that it does not carry.
struct Record {
    uint32_t handle = 0, connection = 0, device = 0, service = 0;
    uint8_t flags[4] = {1, 1, 0, 0};
    std::string shortText, name, secondName, serviceName;
    uint16_t serviceClass = 0, mask = 13;
    uint32_t deviceClass = 0;
    uint16_t blockLength = 0;
    Bytes block;

    Bytes image() const {
        Bytes out(kHeader, 0);
        auto put = [&out](size_t offset, uint32_t value, size_t width) {
            for (size_t i = 0; i < width; ++i)
                out[offset + i] = static_cast<uint8_t>(value >> (8 * i));
        };
        auto text = [&out](size_t offset, const std::string& value) {
            std::copy(value.begin(), value.end(),
                      out.begin() + static_cast<std::ptrdiff_t>(offset));
        };
        put(0, handle, 4);
        put(4, connection, 4);
        put(8, device, 4);
        put(12, service, 4);
        out[16] = flags[0];
        out[17] = flags[1];
        out[276] = flags[2];
        out[277] = flags[3];
        text(18, shortText);
        put(24, serviceClass, 2);
        put(26, mask, 2);
        text(28, name);
        text(128, secondName);
        text(192, serviceName);
        put(272, deviceClass, 4);
        put(278, blockLength, 2);
        out.insert(out.end(), block.begin(), block.end());
        return out;
    }
};

Bytes pattern(size_t size, uint8_t seed) {
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 3);
    return bytes;
}

Answer shc(const char* method, GVariant* args) {
    return callArea("btsdkshc", method, args);
}

uint32_t create(const std::string& name, uint32_t service) {
    Answer made = shc("create_shortcut", g_variant_new("(su)", name.c_str(), service));
    EXPECT_EQ(made.u(1), 0u) << name;
    EXPECT_NE(made.u(0), 0u) << name;
    return made.u(0);
}

// get_shortcut_property for the handle, the caller taking a block of `capacity` bytes when
// its mask has the block bit.
Answer property(uint32_t handle, uint16_t mask = 13, uint16_t capacity = 0) {
    Record request;
    request.handle = handle;
    request.mask = mask;
    request.blockLength = capacity;
    return shc("get_shortcut_property", g_variant_new("(@ay)", bttest::bytes(request.image())));
}

Bytes stored(uint32_t handle) {
    Answer answer = property(handle);
    EXPECT_EQ(answer.u(1), 0u) << handle;
    return answer.ay(0);
}

uint32_t setProperty(const Bytes& image) {
    return shc("set_shortcut_property", g_variant_new("(@ay)", bttest::bytes(image))).u(0);
}

Answer createFromRecord(const Bytes& image) {
    return shc("create_shortcut_ex", g_variant_new("(@ay)", bttest::bytes(image)));
}

// The handles of a (count, handles, result) list; the count must match them and the
// result be `result`.
Handles listed(const Answer& answer, uint32_t result = 0) {
    Handles handles = handleList(answer.ay(1));
    EXPECT_EQ(answer.u(0), handles.size());
    EXPECT_EQ(answer.u(2), result);
    return handles;
}

Handles all(uint32_t max = 100) {
    return listed(shc("get_all_shortcuts", g_variant_new("(u)", max)));
}

// A laptop keyboard shortcut made from a record with every user field and a block.
Record keyboardRecord() {
    Record r;
    r.device = bttest::kLaptop;
    r.service = bttest::kLaptopHid;
    r.flags[2] = 7;
    r.flags[3] = 9;
    r.shortText = "Keys";
    r.name = "Desk keyboard";
    r.secondName = "left USB";
    r.serviceName = "not the service's";  // the service's own name is kept
    r.serviceClass = 0x1101;              // so is its class
    r.mask = 13 | kMaskBlock;
    r.blockLength = 20;
    r.block = pattern(20, 5);
    return r;
}

class Shortcuts : public bttest::ServiceWorld {
protected:
    std::string file() const { return service.stateDir() + "/shortcuts"; }
    void restart(const char* scenario = CORVANE_SCENARIOS_DIR "/services_fast.ini") {
        service.stop();
        service.start(scenario);
    }
};

TEST_F(Shortcuts, CreatedFromAServiceHandleTheyDescribeThatService) {
    uint32_t handle = create("Phone files", bttest::kPhoneFtp);
    Bytes record = stored(handle);
    ASSERT_EQ(record.size(), kHeader);
    EXPECT_EQ(word32(record, 0), handle);
    EXPECT_EQ(word32(record, 4), 0u);  // not connected
    EXPECT_EQ(word32(record, 8), bttest::kPhone);
    EXPECT_EQ(word32(record, 12), bttest::kPhoneFtp);
    EXPECT_EQ(record[16], 1);
    EXPECT_EQ(record[17], 1);
    EXPECT_EQ(word16(record, 24), 0x1106);
    EXPECT_EQ(word16(record, 26), 13);
    EXPECT_EQ(textAt(record, 28, 100), "Phone files");
    EXPECT_EQ(textAt(record, 192, 80), "OBEX File Transfer");
    EXPECT_EQ(word32(record, 272), kPhoneClass);
    EXPECT_EQ(word16(record, 278), 0);

    for (uint32_t notAService : {999u, bttest::kPhone, bttest::kServerFtp}) {
        Answer refused = shc("create_shortcut", g_variant_new("(su)", "x", notAService));
        EXPECT_EQ(refused.u(1), 4u) << notAService;
        EXPECT_EQ(refused.u(0), 0u) << notAService;
    }
    EXPECT_EQ(all(), Handles{handle});
}

TEST_F(Shortcuts, RecordsWithTextsAndBlocksGoRoundAndChangeOnlyTheUsersFields) {
    Answer made = createFromRecord(keyboardRecord().image());
    ASSERT_EQ(made.u(1), 0u);
    Bytes reply = made.ay(0);
    ASSERT_EQ(reply.size(), kHeader + 20);
    uint32_t handle = word32(reply, 0);
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(stored(handle), reply);
    EXPECT_EQ(word32(reply, 8), bttest::kLaptop);
    EXPECT_EQ(word32(reply, 12), bttest::kLaptopHid);
    EXPECT_EQ(Bytes(reply.begin() + 16, reply.begin() + 18), (Bytes{1, 1}));
    EXPECT_EQ(Bytes(reply.begin() + 276, reply.begin() + 278), (Bytes{7, 9}));
    EXPECT_EQ(textAt(reply, 18, 6), "Keys");
    EXPECT_EQ(word16(reply, 24), 0x1124);
    EXPECT_EQ(word16(reply, 26), 13 | kMaskBlock);
    EXPECT_EQ(textAt(reply, 28, 100), "Desk keyboard");
    EXPECT_EQ(textAt(reply, 128, 64), "left USB");
    EXPECT_EQ(textAt(reply, 192, 80), "Keyboard");
    EXPECT_EQ(word32(reply, 272), kLaptopClass);
    EXPECT_EQ(word16(reply, 278), 20);
    EXPECT_EQ(Bytes(reply.begin() + kHeader, reply.end()), pattern(20, 5));

    // A change of every field: only the user's fields and the block are taken.
    Record change;
    change.handle = handle;
    change.connection = 77;
    change.device = bttest::kPhone;
    change.service = bttest::kPhoneFtp;
    change.flags[0] = 0;
    change.flags[1] = 2;
    change.flags[2] = 3;
    change.flags[3] = 4;
    change.shortText = "Kbd";
    change.name = std::string(100, 'N');  // fills the field, no NUL
    change.secondName = "right";
    change.serviceClass = 0x1106;
    change.mask = 5 | kMaskBlock;
    change.blockLength = 10;
    change.block = pattern(10, 40);
    ASSERT_EQ(setProperty(change.image()), 0u);
    Bytes changed = stored(handle);
    ASSERT_EQ(changed.size(), kHeader + 10);
    EXPECT_EQ(word32(changed, 0), handle);
    EXPECT_EQ(word32(changed, 4), 0u);
    EXPECT_EQ(word32(changed, 8), bttest::kLaptop);
    EXPECT_EQ(word32(changed, 12), bttest::kLaptopHid);
    EXPECT_EQ(Bytes(changed.begin() + 16, changed.begin() + 18), (Bytes{0, 2}));
    EXPECT_EQ(Bytes(changed.begin() + 276, changed.begin() + 278), (Bytes{3, 4}));
    EXPECT_EQ(textAt(changed, 18, 6), "Kbd");
    EXPECT_EQ(word16(changed, 24), 0x1124);
    EXPECT_EQ(word16(changed, 26), 5 | kMaskBlock);
    EXPECT_EQ(textAt(changed, 28, 100), std::string(99, 'N'));
    EXPECT_EQ(textAt(changed, 128, 64), "right");
    EXPECT_EQ(Bytes(changed.begin() + kHeader, changed.end()), pattern(10, 40));

    // A record that names a block without carrying it keeps the stored one...
    change.block.clear();
    change.name = "Kept block";
    ASSERT_EQ(setProperty(change.image()), 0u);
    EXPECT_EQ(stored(handle).size(), kHeader + 10);
    EXPECT_EQ(textAt(stored(handle), 28, 100), "Kept block");
    // ...and a mask without the block bit removes it.
    change.mask = 5;
    ASSERT_EQ(setProperty(change.image()), 0u);
    Bytes plain = stored(handle);
    EXPECT_EQ(plain.size(), kHeader);
    EXPECT_EQ(word16(plain, 278), 0);

    EXPECT_EQ(shc("delete_shortcut", g_variant_new("(u)", handle)).u(0), 0u);
    Answer gone = property(handle);
    EXPECT_EQ(gone.u(1), 4u);
    EXPECT_EQ(gone.ay(0), Bytes(kHeader, 0));
    EXPECT_EQ(shc("delete_shortcut", g_variant_new("(u)", handle)).u(0), 4u);
    EXPECT_TRUE(all().empty());
}

TEST_F(Shortcuts, RecordsAreRefusedForUnknownHandlesAndWhenShort) {
    Record r = keyboardRecord();
    Bytes shortImage = r.image();
    shortImage.resize(kHeader - 1);
    EXPECT_EQ(createFromRecord(shortImage).u(1), 2u);
    r.device = 99;
    EXPECT_EQ(createFromRecord(r.image()).u(1), 4u);
    r.device = bttest::kPhone;  // the keyboard is the laptop's
    EXPECT_EQ(createFromRecord(r.image()).u(1), 4u);
    r.device = bttest::kLaptop;
    r.service = 999;
    EXPECT_EQ(createFromRecord(r.image()).u(1), 4u);
    EXPECT_TRUE(all().empty());

    // A block named but not carried is not taken.
    r.service = bttest::kLaptopHid;
    r.block.clear();
    Answer made = createFromRecord(r.image());
    ASSERT_EQ(made.u(1), 0u);
    EXPECT_EQ(made.ay(0).size(), kHeader);
    EXPECT_EQ(word16(made.ay(0), 278), 0);

    Record unknown;
    unknown.handle = 999;
    EXPECT_EQ(setProperty(unknown.image()), 4u);
    EXPECT_EQ(setProperty(Bytes(10, 0)), 2u);
    Answer shortGet =
        shc("get_shortcut_property", g_variant_new("(@ay)", bttest::bytes(Bytes(4, 0))));
    EXPECT_EQ(shortGet.u(1), 2u);
}

TEST_F(Shortcuts, ACallersSmallerBlockGetsTheWholeRecordWith775) {
    uint32_t handle = word32(createFromRecord(keyboardRecord().image()).ay(0), 0);
    Bytes whole = stored(handle);
    ASSERT_EQ(whole.size(), kHeader + 20);

    Answer partial = property(handle, 13 | kMaskBlock, 5);
    EXPECT_EQ(partial.u(1), 775u);
    EXPECT_EQ(partial.ay(0), whole);
    // No block taken (the caller learns the length), or one large enough: done.
    for (uint16_t capacity : {0, 20, 30}) {
        Answer answer = property(handle, 13 | kMaskBlock, capacity);
        EXPECT_EQ(answer.u(1), 0u) << capacity;
        EXPECT_EQ(answer.ay(0), whole) << capacity;
    }
    // A length without the block bit asks for no block.
    EXPECT_EQ(property(handle, 13, 5).u(1), 0u);
}

TEST_F(Shortcuts, ListsAndLookupsFindByEveryKeyWithinTheirMaximum) {
    uint32_t files = create("Files", bttest::kPhoneFtp);
    uint32_t push = create("Push", bttest::kPhoneOpp);
    uint32_t keys = create("Keys", bttest::kLaptopHid);
    uint32_t files2 = create("Files 2", bttest::kPhoneFtp);

    EXPECT_EQ(all(), (Handles{files, push, keys, files2}));
    EXPECT_EQ(all(2), (Handles{files, push}));
    Answer total = shc("get_all_shortcuts", g_variant_new("(u)", 0u));
    EXPECT_EQ(total.u(0), 4u);  // max 0 counts them
    EXPECT_TRUE(total.ay(1).empty());
    EXPECT_EQ(total.u(2), 0u);

    auto byName = [](const char* name) {
        return shc("get_shortcut_by_name", g_variant_new("(s)", name)).u(0);
    };
    EXPECT_EQ(byName("Push"), push);
    EXPECT_EQ(byName("Files 2"), files2);
    EXPECT_EQ(byName("Pus"), 0u);

    auto byDefault = [](uint32_t key) {
        return shc("get_default_shortcut", g_variant_new("(u)", key)).u(0);
    };
    EXPECT_EQ(byDefault(0x1106), files);
    EXPECT_EQ(byDefault(0x1124), keys);
    EXPECT_EQ(byDefault(0), files);
    EXPECT_EQ(byDefault(0x1101), 0u);

    auto byClasses = [](const char* method, uint32_t value, uint32_t max) {
        return listed(shc(method, g_variant_new("(uu)", value, max)));
    };
    EXPECT_EQ(byClasses("get_shortcut_by_device_class", kPhoneClass, 10),
              (Handles{files, push, files2}));
    EXPECT_EQ(byClasses("get_shortcut_by_device_class", kLaptopClass, 10), Handles{keys});
    EXPECT_EQ(byClasses("get_shortcut_by_device_class", kPhoneClass & 0xFFFF00, 10), Handles{});
    EXPECT_EQ(byClasses("get_shortcut_by_service_class", 0x1106, 10), (Handles{files, files2}));
    EXPECT_EQ(byClasses("get_shortcut_by_service_class", 0x1106, 1), Handles{files});

    auto byDevice = [](uint32_t device, uint32_t serviceClass, uint32_t max) {
        return shc("get_shortcut_by_device_handle",
                   g_variant_new("(uuu)", device, serviceClass, max));
    };
    EXPECT_EQ(listed(byDevice(bttest::kPhone, 0, 10)), (Handles{files, push, files2}));
    EXPECT_EQ(listed(byDevice(bttest::kPhone, 0, 2)), (Handles{files, push}));
    EXPECT_EQ(listed(byDevice(bttest::kPhone, 0x1105, 10)), Handles{push});
    EXPECT_EQ(listed(byDevice(bttest::kWatch, 0, 10)), Handles{});
    EXPECT_EQ(listed(byDevice(99, 0, 10), 4), Handles{});

    // (result, handles, count)
    auto byService = [](uint32_t device, uint32_t svc, uint32_t max) {
        return shc("get_shortcut_by_service_handle", g_variant_new("(uuu)", device, svc, max));
    };
    Answer both = byService(bttest::kPhone, bttest::kPhoneFtp, 10);
    EXPECT_EQ(both.u(0), 0u);
    EXPECT_EQ(handleList(both.ay(1)), (Handles{files, files2}));
    EXPECT_EQ(both.u(2), 2u);
    Answer first = byService(bttest::kPhone, bttest::kPhoneFtp, 1);
    EXPECT_EQ(handleList(first.ay(1)), Handles{files});
    EXPECT_EQ(first.u(2), 1u);
    Answer wrongDevice = byService(bttest::kLaptop, bttest::kPhoneFtp, 10);
    EXPECT_EQ(wrongDevice.u(0), 4u);
    EXPECT_EQ(wrongDevice.u(2), 0u);
    EXPECT_EQ(byService(bttest::kPhone, bttest::kPhoneSpp, 10).u(2), 0u);
}

TEST_F(Shortcuts, ConnectThroughTheShortcutsServiceAfterTheConnectionsWhile) {
    uint32_t handle = create("Phone files", bttest::kPhoneFtp);
    gint64 before = g_get_monotonic_time();
    Answer made =
        shc("connect_shortcut_ex", g_variant_new("(u@ay)", handle, bttest::bytes(Bytes(772, 0))));
    EXPECT_GE(g_get_monotonic_time() - before, 90 * 1000);  // Connect=100 in the scenario
    ASSERT_EQ(made.u(1), 0u);
    uint32_t connection = made.u(0);
    ASSERT_NE(connection, 0u);
    EXPECT_EQ(word32(stored(handle), 4), connection);
    Answer link =
        callArea("btsdkconn", "get_connection_property", g_variant_new("(u)", connection));
    EXPECT_EQ(word32(link.ay(0), 4), bttest::kPhone);
    EXPECT_EQ(word16(link.ay(0), 12), 0x1106);
    auto byConnection = [](uint32_t of, uint32_t result) {
        return listed(shc("get_shortcut_by_connection_handle", g_variant_new("(uu)", of, 10u)),
                      result);
    };
    EXPECT_EQ(byConnection(connection, 0), Handles{handle});
    EXPECT_EQ(byConnection(999, 4), Handles{});

    // Connected already: the same connection at once.
    before = g_get_monotonic_time();
    Answer again = shc("connect_shortcut_ex", g_variant_new("(u@ay)", handle, bttest::bytes({})));
    EXPECT_LT(g_get_monotonic_time() - before, 90 * 1000);
    EXPECT_EQ(again.u(0), connection);
    EXPECT_EQ(again.u(1), 0u);
    Answer outgoing =
        callArea("btsdkconn", "get_all_outgoing_connections", g_variant_new("(u)", 10u));
    EXPECT_EQ(handleList(outgoing.ay(0)), Handles{connection});

    bttest::SignalRecorder events("com.zel.corvane.btservicecbk.btsdkcbk", "connection_event_ind");
    EXPECT_EQ(shc("disconnect_shortcut", g_variant_new("(u)", handle)).u(0), 0u);
    EXPECT_EQ(word32(stored(handle), 4), 0u);
    EXPECT_EQ(
        callArea("btsdkconn", "get_connection_property", g_variant_new("(u)", connection)).u(1),
        4u);
    EXPECT_EQ(byConnection(connection, 4), Handles{});
    EXPECT_EQ(shc("disconnect_shortcut", g_variant_new("(u)", handle)).u(0), 1u);
    EXPECT_EQ(shc("disconnect_shortcut", g_variant_new("(u)", 999u)).u(0), 4u);
    // The disconnect that ended the connection is told to every client (event 3); the
    // refused ones are not.
    ASSERT_TRUE(events.waitForCount(1));
    std::vector<GVariant*> told = events.take();
    ASSERT_EQ(told.size(), 1u);
    guint endedConnection = 0, event = 0;
    g_variant_get(told[0], "(uu@ay)", &endedConnection, &event, nullptr);
    g_variant_unref(told[0]);
    EXPECT_EQ(endedConnection, connection);
    EXPECT_EQ(event, 3u);
    EXPECT_FALSE(events.waitForCount(1, 200));

    // The plain connect; then the connection ends without the shortcut.
    Answer plain = shc("connect_shortcut", g_variant_new("(u)", handle));
    ASSERT_EQ(plain.u(0), 0u);
    uint32_t second = word32(stored(handle), 4);
    ASSERT_NE(second, 0u);
    EXPECT_EQ(callArea("btsdkconn", "disconnect", g_variant_new("(u)", second)).u(0), 0u);
    EXPECT_EQ(word32(stored(handle), 4), 0u);
    // So does a link that drops.
    ASSERT_EQ(shc("connect_shortcut", g_variant_new("(u)", handle)).u(0), 0u);
    uint32_t third = word32(stored(handle), 4);
    ASSERT_TRUE(bttest::control("DropConnection", g_variant_new("(u)", third)).ok());
    EXPECT_EQ(word32(stored(handle), 4), 0u);
}

TEST_F(Shortcuts, ConnectFailsAsTheConnectionAreaDoes) {
    uint32_t watch = create("Watch", bttest::kWatchSpp);
    uint32_t nap = create("Network", bttest::kLaptopNap);
    EXPECT_EQ(shc("connect_shortcut", g_variant_new("(u)", watch)).u(0), 5u);  // out of range
    Answer unreachable =
        shc("connect_shortcut_ex", g_variant_new("(u@ay)", nap, bttest::bytes(Bytes(8, 0))));
    EXPECT_EQ(unreachable.u(1), 1u);
    EXPECT_EQ(unreachable.u(0), 0u);
    EXPECT_EQ(shc("connect_shortcut", g_variant_new("(u)", 999u)).u(0), 4u);
    EXPECT_EQ(shc("connect_shortcut_ex", g_variant_new("(u@ay)", 999u, bttest::bytes({}))).u(1),
              4u);
    EXPECT_EQ(word32(stored(watch), 4), 0u);
    EXPECT_EQ(word32(stored(nap), 4), 0u);

    // Deleting a connected shortcut ends its connection.
    uint32_t files = create("Files", bttest::kPhoneFtp);
    ASSERT_EQ(shc("connect_shortcut", g_variant_new("(u)", files)).u(0), 0u);
    EXPECT_EQ(shc("delete_shortcut", g_variant_new("(u)", files)).u(0), 0u);
    Answer outgoing =
        callArea("btsdkconn", "get_all_outgoing_connections", g_variant_new("(u)", 10u));
    EXPECT_EQ(outgoing.u(1), 0u);
}

// While one connect through a shortcut is under way a second is refused as busy; a
// shortcut deleted meanwhile keeps no connection.
TEST_F(Shortcuts, ConnectsUnderWayAreNotRepeatedNorOutliveTheirShortcut) {
    // Whether the service has received a connect_shortcut since the last look.
    auto connectArrived = [this] {
        bool arrived = corvtest::waitFor([this] {
            for (const auto& call : service.calls())
                if (call.method == "connect_shortcut")
                    return true;
            return false;
        });
        service.clearCalls();
        return arrived;
    };
    service.clearCalls();
    uint32_t files = create("Files", bttest::kPhoneFtp);
    uint32_t first = 99;
    std::thread pending([&] { first = shc("connect_shortcut", g_variant_new("(u)", files)).u(0); });
    ASSERT_TRUE(connectArrived());  // the second comes within Connect=100
    EXPECT_EQ(shc("connect_shortcut", g_variant_new("(u)", files)).u(0), 3u);
    pending.join();
    EXPECT_EQ(first, 0u);

    uint32_t opp = create("Push", bttest::kPhoneOpp);
    uint32_t late = 99;
    std::thread deleted([&] { late = shc("connect_shortcut", g_variant_new("(u)", opp)).u(0); });
    ASSERT_TRUE(connectArrived());
    EXPECT_EQ(shc("delete_shortcut", g_variant_new("(u)", opp)).u(0), 0u);
    deleted.join();
    EXPECT_EQ(late, 4u);
    Answer outgoing =
        callArea("btsdkconn", "get_all_outgoing_connections", g_variant_new("(u)", 10u));
    EXPECT_EQ(outgoing.u(1), 1u);  // the first shortcut's only
}

TEST_F(Shortcuts, SurviveARestartOfTheService) {
    uint32_t keys = word32(createFromRecord(keyboardRecord().image()).ay(0), 0);
    uint32_t files = create("Files", bttest::kPhoneFtp);
    uint32_t watch = create("Watch", bttest::kWatchSpp);
    ASSERT_EQ(shc("connect_shortcut", g_variant_new("(u)", files)).u(0), 0u);
    Bytes keysRecord = stored(keys);
    Bytes filesRecord = stored(files);

    restart();
    EXPECT_EQ(all(), (Handles{keys, files, watch}));
    EXPECT_EQ(stored(keys), keysRecord);
    Bytes filesAfter = stored(files);
    EXPECT_EQ(word32(filesAfter, 4), 0u);  // connections do not survive
    filesRecord[4] = filesRecord[5] = filesRecord[6] = filesRecord[7] = 0;
    EXPECT_EQ(filesAfter, filesRecord);
    uint32_t next = create("Push", bttest::kPhoneOpp);
    EXPECT_GT(next, std::max({keys, files, watch}));

    // A world without the watch, with the keyboard under another handle.
    restart(CORVANE_SCENARIOS_DIR "/default.ini");
    EXPECT_EQ(all(), (Handles{keys, files, next}));
    constexpr uint32_t kDefaultLaptopHid = 18;  // after default.ini's servers
    EXPECT_EQ(word32(stored(keys), 12), kDefaultLaptopHid);
    EXPECT_EQ(word32(stored(files), 12), bttest::kPhoneFtp);
    restart();
    EXPECT_EQ(all(), (Handles{keys, files, next}));  // the watch's is gone for good
}

TEST_F(Shortcuts, OneOfTwoServicesOfAClassKeepsItsShortcutAcrossARestart) {
    // The fast world with a second serial port on the phone, numbered after every other;
    // its folder of files named from the copy's place.
    const std::string world = service.stateDir() + "/two-serial-ports.ini";
    {
        std::ifstream fast(CORVANE_SCENARIOS_DIR "/services_fast.ini");
        std::ofstream out(world);
        for (std::string line; std::getline(fast, line);)
            out << (line.rfind("Files=", 0) == 0 ? "Files=" CORVANE_SCENARIOS_DIR "/" + line.substr(6) : line)
                << "\n";
        out << "\n[Service phone/second]\nClass=0x1101\nName=Serial Port 2\n";
    }
    constexpr uint32_t kPhoneSecondSpp = 14;
    service.loadScenario(world);
    uint32_t second = create("Second port", kPhoneSecondSpp);
    restart(world.c_str());
    EXPECT_EQ(word32(stored(second), 12), kPhoneSecondSpp);  // not the phone's first port
}

TEST_F(Shortcuts, AResetLeavesNoneAndStoresThat) {
    create("Files", bttest::kPhoneFtp);
    create("Push", bttest::kPhoneOpp);
    service.reset();
    EXPECT_TRUE(all().empty());
    restart();
    EXPECT_TRUE(all().empty());
}

TEST_F(Shortcuts, ACorruptFileIsDroppedWhole) {
    create("Files", bttest::kPhoneFtp);
    service.stop();
    {
        std::ofstream out(file(), std::ios::app);
        out << "5C:F3:70:8A:21:C4 not-hex\n";
    }
    service.start(CORVANE_SCENARIOS_DIR "/services_fast.ini");
    EXPECT_TRUE(all().empty());
    uint32_t fresh = create("Push", bttest::kPhoneOpp);  // the service works on
    restart();
    EXPECT_EQ(all(), Handles{fresh});

    service.stop();
    std::ofstream(file(), std::ios::trunc).close();  // empty
    service.start(CORVANE_SCENARIOS_DIR "/services_fast.ini");
    EXPECT_TRUE(all().empty());
    EXPECT_NE(create("Files", bttest::kPhoneFtp), 0u);
}

}  // namespace
