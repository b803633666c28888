// The address validator and its arithmetic: reading dotted texts, the field limits of
// each edit type, the class-based mask guess, subnet and broadcast addresses.
#include <gtest/gtest.h>

#include "profilekit/ip_address_validator.h"
#include "qt_print.h"

namespace {

using Address = IPAddressValidator::Address;

Address address(int a, int b, int c, int d, bool complete, int firstInvalid, int lastChanged) {
    Address out;
    const int octets[4] = {a, b, c, d};
    for (int i = 0; i < 4; ++i) out.octets[i] = octets[i];
    out.complete = complete;
    out.firstInvalid = firstInvalid;
    out.lastChanged = lastChanged;
    return out;
}

TEST(IpAddress, ReadsNumbersAndEmptyFields) {
    Address out;
    EXPECT_EQ(IPAddressValidator::extractAddress(QStringLiteral("10 .1  .   .   "), out), QValidator::Acceptable);
    EXPECT_EQ(out, address(10, 1, -1, -1, false, 2, 1));
    EXPECT_EQ(out.toString(), QStringLiteral("10 .1  .   .   "));

    EXPECT_EQ(IPAddressValidator::extractAddress(QStringLiteral("192.168.1.20"), out), QValidator::Acceptable);
    EXPECT_EQ(out, address(192, 168, 1, 20, true, 4, 3));
    EXPECT_EQ(out.toString(), QStringLiteral("192.168.1  .20 "));

    // A later field typed while an earlier one is empty: shown from the first empty on
    // as blanks.
    EXPECT_EQ(IPAddressValidator::extractAddress(QStringLiteral("   .   .7  .   "), out), QValidator::Acceptable);
    EXPECT_EQ(out, address(-1, -1, 7, -1, false, 0, 2));
    EXPECT_EQ(out.toString(), QStringLiteral("   .   .   .   "));

    const Address before = out;
    for (const char* bad : {"abc", "1.2.3.4.5", "1234.1.1.1", "1.2.3.x"}) {
        EXPECT_EQ(IPAddressValidator::extractAddress(QLatin1String(bad), out), QValidator::Invalid) << bad;
        EXPECT_EQ(out, before) << bad;  // untouched
    }
    EXPECT_EQ(Address().toString(), QStringLiteral("   .   .   .   "));
}

TEST(IpAddress, ValidatorKeepsFieldsWithinTheirLimits) {
    IPAddressValidator host(nullptr, 1), mask(nullptr, 2), broadcast(nullptr, 0), other(nullptr, 7);
    auto fixed = [](const IPAddressValidator& v, const char* typed, QValidator::State state) {
        QString text = QLatin1String(typed);
        int pos = 0;
        EXPECT_EQ(v.validate(text, pos), state) << typed;
        return text;
    };
    EXPECT_EQ(fixed(host, "0  .   .   .   ", QValidator::Intermediate), QStringLiteral("223.   .   .   "));
    EXPECT_EQ(fixed(other, "0  .   .   .   ", QValidator::Intermediate), QStringLiteral("223.   .   .   "));
    EXPECT_EQ(fixed(host, "224.1  .1  .1  ", QValidator::Acceptable), QStringLiteral("223.1  .1  .1  "));
    EXPECT_EQ(fixed(mask, "0  .   .   .   ", QValidator::Intermediate), QStringLiteral("255.   .   .   "));
    EXPECT_EQ(fixed(broadcast, "256.1  .1  .1  ", QValidator::Acceptable), QStringLiteral("255.1  .1  .1  "));
    EXPECT_EQ(fixed(host, "10 .300.   .   ", QValidator::Intermediate), QStringLiteral("10 .255.   .   "));
    EXPECT_EQ(fixed(host, "10 .1  .2  .999", QValidator::Acceptable), QStringLiteral("10 .1  .2  .255"));
    EXPECT_EQ(fixed(host, "   .   .   .   ", QValidator::Intermediate), QStringLiteral("   .   .   .   "));
    EXPECT_EQ(fixed(host, "not an address", QValidator::Intermediate), QStringLiteral("not an address"));
}

TEST(IpAddress, MaskIsGuessedFromTheFirstOctet) {
    const std::pair<const char*, const char*> guesses[] = {
        {"10.1.2.3", "255.0  .0  .0  "},    {"2.0.0.1", "255.0  .0  .0  "},   {"126.0.0.1", "255.0  .0  .0  "},
        {"127.0.0.1", "255.255.0  .0  "},   {"191.1.1.1", "255.255.0  .0  "}, {"192.168.1.20", "255.255.255.0  "},
        {"223.1.1.1", "255.255.255.0  "},
    };
    for (const auto& [ip, expected] : guesses) {
        QString mask;
        EXPECT_TRUE(IPAddressValidator::calcSubnet(QLatin1String(ip), mask)) << ip;
        EXPECT_EQ(mask, QLatin1String(expected)) << ip;
    }
    for (const char* ip : {"1.2.3.4", "0.1.2.3", "   .   .   .   ", "no address"}) {
        QString mask = QStringLiteral("kept");
        EXPECT_FALSE(IPAddressValidator::calcSubnet(QLatin1String(ip), mask)) << ip;
        EXPECT_EQ(mask, QStringLiteral("kept")) << ip;
    }
}

TEST(IpAddress, SubnetAndBroadcastOfCompleteAddresses) {
    Address out;
    EXPECT_TRUE(IPAddressValidator::calcBroadcastAddress(QStringLiteral("192.168.1.20"), QStringLiteral("255.255.255.0"),
                                                         out));
    EXPECT_EQ(out.toString(), QStringLiteral("192.168.1  .255"));
    EXPECT_TRUE(IPAddressValidator::calcSubnetAddress(QStringLiteral("192.168.1.20"), QStringLiteral("255.255.255.0"),
                                                      out));
    EXPECT_EQ(out.toString(), QStringLiteral("192.168.1  .0  "));
    EXPECT_TRUE(IPAddressValidator::calcBroadcastAddress(QStringLiteral("10.1.2.3"), QStringLiteral("255.0.0.0"), out));
    EXPECT_EQ(out.toString(), QStringLiteral("10 .255.255.255"));

    Address ip;
    IPAddressValidator::extractAddress(QStringLiteral("172.16.5.9"), ip);
    EXPECT_EQ(IPAddressValidator::calcSubnetAddress(ip, QStringLiteral("255.255.0.0")).toString(),
              QStringLiteral("172.16 .0  .0  "));

    // An incomplete address or mask gives the empty address.
    EXPECT_FALSE(IPAddressValidator::calcBroadcastAddress(QStringLiteral("10.1.2.   "), QStringLiteral("255.0.0.0"), out));
    EXPECT_EQ(out, Address());
    EXPECT_EQ(IPAddressValidator::calcSubnetAddress(ip, QStringLiteral("255.255")), Address());

    bool matches = true;
    EXPECT_TRUE(IPAddressValidator::matchesSubnet(QStringLiteral("192.168.1.20"), QStringLiteral("255.255.255.0"),
                                                  QStringLiteral("192.168.1.99"), QStringLiteral("255.255.255.0"),
                                                  matches));
    EXPECT_TRUE(matches);
    EXPECT_TRUE(IPAddressValidator::matchesSubnet(QStringLiteral("192.168.1.20"), QStringLiteral("255.255.255.0"),
                                                  QStringLiteral("192.168.2.1"), QStringLiteral("255.255.255.0"),
                                                  matches));
    EXPECT_FALSE(matches);
    EXPECT_FALSE(IPAddressValidator::matchesSubnet(QStringLiteral("192.168.1.20"), QStringLiteral("255.255.255.0"),
                                                   QStringLiteral("192.168.1"), QStringLiteral("255.255.255.0"),
                                                   matches));
    EXPECT_FALSE(matches);
}

}  // namespace
