#include "profilekit/ip_edit.h"

#include <QKeyEvent>
#include <QStringList>

#include "profilekit/ip_address_validator.h"

namespace {

constexpr unsigned int kBroadcastEdit = 0, kMaskEdit = 2;
constexpr int kFieldWidth = 4;  // three digits and the dot
constexpr int kLastField = 3;

}  // namespace

// The edit starts in the mask's empty form "   .   .   .   ", which is also the state in
// which a mask edit takes the proposed mask.
IPEdit::IPEdit(QWidget* parent, unsigned int type) : QLineEdit(parent), m_type(type) {
    setInputMask(QStringLiteral("000.000.000.000;"));
    setValidator(new IPAddressValidator(this, type));
}

void IPEdit::setIPAddressEdit(IPEdit* ip) {
    follow(m_ipEdit, ip,
           m_type == kMaskEdit        ? &IPEdit::defaultToSubnet
           : m_type == kBroadcastEdit ? &IPEdit::defaultToBroadcast
                                      : nullptr);
}

void IPEdit::setSubnetMaskEdit(IPEdit* mask) {
    follow(m_maskEdit, mask, m_type == kBroadcastEdit ? &IPEdit::defaultToBroadcast : nullptr);
}

// Links `edit`, first dropping the connection of the edit it replaces.
void IPEdit::follow(QPointer<IPEdit>& link, IPEdit* edit, void (IPEdit::*slot)()) {
    if (link) disconnect(link, &IPEdit::lostFocus, this, nullptr);
    link = edit;
    if (edit && slot) connect(edit, &IPEdit::lostFocus, this, slot);
}

void IPEdit::defaultToSubnet() {
    if (m_type != kMaskEdit || displayText() != IPAddressValidator::Address().toString()) return;
    if (!m_ipEdit || !m_ipEdit->hasAcceptableInput()) return;
    QString mask;
    if (IPAddressValidator::calcSubnet(m_ipEdit->displayText(), mask)) setText(mask);
}

void IPEdit::defaultToBroadcast() {
    if (m_type != kBroadcastEdit || !m_ipEdit || !m_maskEdit) return;
    if (!m_ipEdit->hasAcceptableInput() || !m_maskEdit->hasAcceptableInput()) return;
    IPAddressValidator::Address broadcast;
    if (IPAddressValidator::calcBroadcastAddress(m_ipEdit->displayText(), m_maskEdit->displayText(), broadcast))
        setText(broadcast.toString());
}

void IPEdit::keyPressEvent(QKeyEvent* event) {
    // With Shift or Ctrl the keys select or jump by words as in any line edit.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && moveBetweenFields(event->key())) return;
    QLineEdit::keyPressEvent(event);
}

void IPEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    Q_EMIT lostFocus();
}

// Left at the start of a field goes to the end of the previous field's number; Right on
// the last digit of a field's number goes to the start of the next field (and stays in
// the last field); End goes to the end of the last field's number.
bool IPEdit::moveBetweenFields(int key) {
    const QStringList fields = displayText().split(QLatin1Char('.'));
    if (fields.size() != 4) return false;
    const auto digits = [&fields](int field) { return static_cast<int>(fields[field].trimmed().size()); };
    const int field = cursorPosition() / kFieldWidth, offset = cursorPosition() % kFieldWidth;
    switch (key) {
        case Qt::Key_Left:
            if (offset != 0 || field == 0) return false;
            setCursorPosition((field - 1) * kFieldWidth + digits(field - 1));
            return true;
        case Qt::Key_Right:
            if (offset != qMax(digits(field) - 1, 0)) return false;
            if (field < kLastField) setCursorPosition((field + 1) * kFieldWidth);
            return true;
        case Qt::Key_End:
            setCursorPosition(kLastField * kFieldWidth + digits(kLastField));
            return true;
        default:
            return false;
    }
}
