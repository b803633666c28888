#include "profilekit/ip_address_validator.h"

#include <QDebug>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStringList>

using Address = IPAddressValidator::Address;

namespace {

constexpr unsigned int kBroadcastEdit = 0, kMaskEdit = 2;
constexpr int kHostMaxFirstOctet = 223, kMaxOctet = 255;

// The address computed from two complete ones, octet by octet.
template <typename Combine>
Address combine(const Address& ip, const Address& mask, Combine octet) {
    Address out;
    if (!ip.complete || !mask.complete) return out;
    for (int i = 0; i < 4; ++i) out.octets[i] = octet(ip.octets[i], mask.octets[i]);
    out.complete = true;
    out.lastChanged = 3;
    return out;
}

// The same from two texts: true when both hold complete addresses.
template <typename Calc>
bool combineTexts(const QString& ip, const QString& mask, Address& out, Calc calc) {
    Address a, m;
    IPAddressValidator::extractAddress(ip, a);
    IPAddressValidator::extractAddress(mask, m);
    out = calc(a, m);
    return a.complete && m.complete;
}

}  // namespace

IPAddressValidator::IPAddressValidator(QObject* parent, unsigned int type)
    : QValidator(parent),
      m_maxFirstOctet(type == kBroadcastEdit || type == kMaskEdit ? kMaxOctet : kHostMaxFirstOctet) {}

QValidator::State IPAddressValidator::validate(QString& input, int&) const {
    Address a;
    if (extractAddress(input, a) != Acceptable) return a.complete ? Acceptable : Intermediate;
    if (a.octets[0] < 1 || a.octets[0] > m_maxFirstOctet) a.octets[0] = m_maxFirstOctet;
    // An empty field (-1) read as unsigned is above 255 too.
    for (int i = 1; i <= qMin(a.lastChanged, 3); ++i)
        if (static_cast<unsigned int>(a.octets[i]) > kMaxOctet) a.octets[i] = kMaxOctet;
    input = a.toString();
    return a.complete ? Acceptable : Intermediate;
}

IPAddressValidator::State IPAddressValidator::extractAddress(QString text, Address& out) {
    const QRegularExpressionValidator shape(QRegularExpression(
        QStringLiteral("[0-9, ]{1,3}\\.[0-9, ]{1,3}\\.[0-9, ]{1,3}\\.[0-9, ]{1,3}")));
    int pos = 0;
    if (shape.validate(text, pos) == Invalid) return Invalid;
    out = Address();
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    int numbers = 0;
    for (int i = 0; i < 4; ++i) {
        // A field of blanks only, or one the text lacks, is empty.
        QString digits = i < parts.size() ? parts[i] : QString();
        digits.remove(QLatin1Char(' '));
        if (digits.isEmpty()) {
            if (out.firstInvalid == 4) out.firstInvalid = i;
            continue;
        }
        out.octets[i] = static_cast<int>(digits.toUInt());
        ++numbers;
        out.lastChanged = i;
    }
    out.complete = numbers == 4;
    return Acceptable;
}

bool IPAddressValidator::calcSubnet(const QString& ip, QString& mask) {
    Address a;
    if (extractAddress(ip, a) != Acceptable) return false;
    const int first = a.octets[0];
    const int fullOctets = first >= 192 ? 3 : first >= 127 ? 2 : first >= 2 ? 1 : 0;
    Address guess;
    for (int i = 0; i < 4; ++i) guess.octets[i] = i < fullOctets ? kMaxOctet : 0;
    guess.complete = true;
    guess.lastChanged = 3;
    QDebug diagnostic = qDebug().nospace().noquote();
    for (int i = 0; i < 4; ++i) diagnostic << "addr[" << i << "]:" << a.octets[i] << ' ';
    diagnostic << "firstInvalid:" << a.firstInvalid << " lastChanged:" << a.lastChanged
               << " SUBNETGUESS:" << (fullOctets ? guess.toString() : QStringLiteral("none"));
    if (fullOctets == 0) return false;
    mask = guess.toString();
    return true;
}

Address IPAddressValidator::calcSubnetAddress(const Address& ip, const Address& mask) {
    return combine(ip, mask, [](int host, int net) { return host & net; });
}

Address IPAddressValidator::calcBroadcastAddress(const Address& ip, const Address& mask) {
    return combine(ip, mask, [](int host, int net) { return (kMaxOctet - net) | (host & net); });
}

bool IPAddressValidator::calcSubnetAddress(const QString& ip, const QString& mask, Address& out) {
    return combineTexts(ip, mask, out, [](const Address& a, const Address& m) { return calcSubnetAddress(a, m); });
}

bool IPAddressValidator::calcBroadcastAddress(const QString& ip, const QString& mask, Address& out) {
    return combineTexts(ip, mask, out,
                        [](const Address& a, const Address& m) { return calcBroadcastAddress(a, m); });
}

Address IPAddressValidator::calcSubnetAddress(const Address& ip, const QString& mask) {
    Address m;
    extractAddress(mask, m);
    return calcSubnetAddress(ip, m);
}

bool IPAddressValidator::matchesSubnet(const QString& ip1, const QString& mask1, const QString& ip2,
                                       const QString& mask2, bool& matches) {
    Address subnet1, subnet2;
    const bool computed = calcSubnetAddress(ip1, mask1, subnet1) && calcSubnetAddress(ip2, mask2, subnet2);
    matches = computed && subnet1 == subnet2;
    return computed;
}
