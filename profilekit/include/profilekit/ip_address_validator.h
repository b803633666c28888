// IPAddressValidator: the validator of a dotted IPv4 address edit with the input mask
// "000.000.000.000;" (blank as the empty character), and the address arithmetic that
// goes with it (subnet and broadcast addresses, the class-based mask guess).
#pragma once

#include <QString>
#include <QValidator>

#include "profilekit_api.h"

class PROFILEKIT_EXPORT IPAddressValidator : public QValidator {
    Q_OBJECT

public:
    // An address as typed: octets -1 where a field is empty.
    struct PROFILEKIT_EXPORT Address {
        int octets[4] = {-1, -1, -1, -1};
        bool complete = false;  // all four fields hold a number
        int firstInvalid = 4;   // the first empty field, 4 when none
        int lastChanged = -1;   // the last field that holds a number, -1 when none

        bool operator==(const Address& other) const;
        // Four fields of three characters joined by ".": a number left-justified and
        // padded with blanks, three blanks from firstInvalid on ("10 .1  .   .   ").
        QString toString() const;
    };

    // Edit types: 0 broadcast address, 1 host address (and any type above 2), 2 subnet mask.
    IPAddressValidator(QObject* parent, unsigned int type);

    // Keeps the first field within 1 .. the largest first octet of the type (223 for a
    // host address, else 255) and the fields up to the last typed one within 255. Never
    // answers Invalid.
    State validate(QString& input, int& pos) const override;

    // Reads a dotted text; Invalid (out untouched) when it is not four dotted groups of
    // at most three digits or blanks, else Acceptable, even for an incomplete address.
    static State extractAddress(QString text, Address& out);
    // The class-based mask of the address in text form (255.0.0.0 for a first octet of 2
    // to 126, 255.255.0.0 for 127 to 191, 255.255.255.0 from 192); false, mask
    // unchanged, for a first octet of 0 or 1 or an empty one.
    static bool calcSubnet(const QString& ip, QString& mask);
    // Both must be complete, else the default Address.
    static Address calcSubnetAddress(const Address& ip, const Address& mask);
    static Address calcBroadcastAddress(const Address& ip, const Address& mask);
    // The text forms: true when both texts hold complete addresses.
    static bool calcSubnetAddress(const QString& ip, const QString& mask, Address& out);
    static bool calcBroadcastAddress(const QString& ip, const QString& mask, Address& out);
    static Address calcSubnetAddress(const Address& ip, const QString& mask);
    // Whether both subnet addresses could be computed; matches tells whether they agree.
    static bool matchesSubnet(const QString& ip1, const QString& mask1, const QString& ip2,
                              const QString& mask2, bool& matches);

private:
    int m_maxFirstOctet;
};
