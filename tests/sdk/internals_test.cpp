// The library's internal pieces that need no bus: the time text, the wire images of
// the attribute records, the signature check of the call helpers and failure texts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>

#include "call.h"
#include "records.h"
#include "sdk_test_util.h"
#include "time_string.h"

namespace {

TEST(TimeString, PadsEveryFieldWithZeros) {
    setenv("TZ", "UTC", 1);
    tzset();
    struct tm at {};
    at.tm_year = 2026 - 1900;
    at.tm_mon = 11;
    at.tm_mday = 8;
    at.tm_hour = 9;
    at.tm_min = 5;
    at.tm_sec = 3;
    struct timeval when {timegm(&at), 42};
    char text[32];
    corv::formatTimeString(when, text, sizeof text);
    EXPECT_STREQ(text, "[09:05:03:000042]");

    when.tv_usec = 999999;
    corv::formatTimeString(when, text, sizeof text);
    EXPECT_STREQ(text, "[09:05:03:999999]");

    // The exported function overwrites one buffer with the current time.
    char* first = GetCurrentTimeString();
    EXPECT_EQ(std::strlen(first), 17u);
    EXPECT_EQ(first[0], '[');
    EXPECT_EQ(first[16], ']');
    EXPECT_EQ(GetCurrentTimeString(), first);
}

TEST(Records, LocalServerAttrImageHasTheServiceOffsets) {
    uint8_t ext[264];
    for (size_t i = 0; i < sizeof ext; ++i) ext[i] = static_cast<uint8_t>(i);
    BtsdkLocalServerAttr attr{};
    attr.mask = BTSDK_LSA_MASK_EXT | BTSDK_LSA_MASK_SECURITY;
    attr.service_class = 0x1106;
    std::strcpy(attr.service_name, "File Transfer");
    attr.security = 7;
    attr.server_param = 0xBEEF;
    attr.ext_attributes = ext;
    attr.server_value = 0x01020304;

    std::vector<uint8_t> image = corv::packLocalServerAttr(attr);
    ASSERT_EQ(image.size(), 96u + 264u);
    EXPECT_EQ(corv::getU16(&image[0]), 0x000A);
    EXPECT_EQ(corv::getU16(&image[2]), 0x1106);
    EXPECT_STREQ(reinterpret_cast<const char*>(&image[4]), "File Transfer");
    EXPECT_EQ(corv::getU16(&image[84]), 7);
    EXPECT_EQ(corv::getU16(&image[86]), 0xBEEF);
    EXPECT_EQ(corv::getU32(&image[88]), 0u);  // the pointer slot carries nothing
    EXPECT_EQ(corv::getU32(&image[92]), 0x01020304u);
    EXPECT_EQ(std::memcmp(&image[96], ext, sizeof ext), 0);

    BtsdkLocalServerAttr back{};
    std::vector<uint8_t> backExt;
    corv::unpackLocalServerAttr(image.data(), image.size(), back, backExt);
    EXPECT_EQ(back.service_class, 0x1106);
    EXPECT_STREQ(back.service_name, "File Transfer");
    EXPECT_EQ(back.server_value, 0x01020304u);
    EXPECT_EQ(backExt, std::vector<uint8_t>(ext, ext + sizeof ext));
}

TEST(Records, ExtensionOnlyWhenAskedForAndPointedAt) {
    BtsdkLocalServerAttr attr{};
    attr.service_class = 0x1105;
    EXPECT_EQ(corv::packLocalServerAttr(attr).size(), 96u);  // no extension bit
    attr.mask = BTSDK_LSA_MASK_EXT;
    EXPECT_EQ(corv::packLocalServerAttr(attr).size(), 96u);  // bit but no block
    EXPECT_EQ(corv::localServerExtSize(0x1101), 8u);
    EXPECT_EQ(corv::localServerExtSize(0x1103), 8u);
    EXPECT_EQ(corv::localServerExtSize(0x1105), 784u);
    EXPECT_EQ(corv::localServerExtSize(0x1106), 264u);
    EXPECT_EQ(corv::localServerExtSize(0x1115), 0u);
}

TEST(Records, ShortImagesAndLongNamesStayInBounds) {
    BtsdkLocalServerAttr attr{};
    std::memset(attr.service_name, 'x', sizeof attr.service_name);  // no NUL at all
    std::vector<uint8_t> image = corv::packLocalServerAttr(attr);
    EXPECT_EQ(image[4 + 79], 0);  // the name field stays NUL-terminated

    uint8_t shortImage[10] = {0x08, 0, 0x06, 0x11, 'a', 'b', 0, 0, 0, 0};
    BtsdkLocalServerAttr back{};
    std::vector<uint8_t> ext;
    corv::unpackLocalServerAttr(shortImage, sizeof shortImage, back, ext);
    EXPECT_EQ(back.service_class, 0x1106);
    EXPECT_STREQ(back.service_name, "ab");
    EXPECT_EQ(ext, std::vector<uint8_t>(264, 0));

    BtsdkRemoteServiceAttr remote{};
    remote.mask = BTSDK_RSA_MASK_EXT;
    remote.service_class = 0x1124;
    remote.value = 0xAABBCCDD;
    std::strcpy(remote.service_name, "HID");
    remote.status = 3;
    image = corv::packRemoteServiceAttr(remote);
    ASSERT_EQ(image.size(), 96u);
    EXPECT_EQ(corv::getU32(&image[4]), 0xAABBCCDDu);
    EXPECT_STREQ(reinterpret_cast<const char*>(&image[8]), "HID");
    EXPECT_EQ(corv::getU16(&image[92]), 3);
    BtsdkRemoteServiceAttr remoteBack{};
    corv::unpackRemoteServiceAttr(image.data(), image.size(), remoteBack);
    EXPECT_EQ(remoteBack.value, 0xAABBCCDDu);
    EXPECT_EQ(remoteBack.status, 3);
}

TEST(CallHelpers, SignatureCheckMatchesWholeSignaturesOnly) {
    using corv::InTraits;
    using corv::OutTraits;
    static_assert(corv::signatureIs<InTraits<guint>, InTraits<const corv::ByteArray*>>("uay"));
    static_assert(!corv::signatureIs<InTraits<guint>>("uu"));
    static_assert(!corv::signatureIs<InTraits<guint>, InTraits<guint>>("u"));
    static_assert(corv::signatureIs<>(""));
    static_assert(corv::signatureIs<OutTraits<corv::OutString*>, OutTraits<guint*>>("su"));
    SUCCEED();
}

TEST(CallHelpers, FailureTextFillsTheErrorMessage) {
    GError* error = g_error_new_literal(g_quark_from_static_string("test"), 0, "gone");
    auto out = corvtest::stderrOf([&] {
        corv::printCallFailure("Btsdk_X Error: %s\n", error);
        corv::printCallFailure("Btsdk_Y async error", error);
    });
    EXPECT_EQ(out, "Btsdk_X Error: gone\nBtsdk_Y async error");
    g_error_free(error);
}

TEST(CallHelpers, OutBytesCopiesExactlyTheRecordSize) {
    corv::OutBytes bytes;
    bytes.value = g_array_new(FALSE, FALSE, 1);
    const guint8 two[2] = {9, 8};
    g_array_append_vals(bytes.value, two, 2);
    uint8_t dest[5];
    std::memset(dest, 0xEE, sizeof dest);
    bytes.copyTo(dest, 4);
    EXPECT_EQ(dest[0], 9);
    EXPECT_EQ(dest[1], 8);
    EXPECT_EQ(dest[2], 0);
    EXPECT_EQ(dest[3], 0);
    EXPECT_EQ(dest[4], 0xEE);
}

}  // namespace
