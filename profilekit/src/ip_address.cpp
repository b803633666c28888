#include "profilekit/ip_address_validator.h"

#include <QStringList>

using Address = IPAddressValidator::Address;

bool Address::operator==(const Address& other) const {
    for (int i = 0; i < 4; ++i)
        if (octets[i] != other.octets[i]) return false;
    return complete == other.complete && firstInvalid == other.firstInvalid && lastChanged == other.lastChanged;
}

QString Address::toString() const {
    QStringList fields;
    for (int i = 0; i < 4; ++i) {
        const bool shown = i < firstInvalid && octets[i] >= 0;
        fields << (shown ? QString::number(octets[i]).leftJustified(3, QLatin1Char(' ')) : QStringLiteral("   "));
    }
    return fields.join(QLatin1Char('.'));
}
