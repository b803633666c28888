// IPEdit: a line edit for one dotted IPv4 address with a fixed four-field mask. A subnet
// mask edit proposes a mask when its address edit loses focus; a broadcast edit
// recomputes the broadcast address when its address or mask edit loses focus.
#pragma once

#include <QLineEdit>
#include <QPointer>

#include "profilekit_api.h"

class PROFILEKIT_EXPORT IPEdit : public QLineEdit {
    Q_OBJECT

public:
    // Type 0 broadcast address, 1 host address (and any type above 2), 2 subnet mask.
    IPEdit(QWidget* parent, unsigned int type);

    // The address edit this mask or broadcast edit follows; null unlinks.
    void setIPAddressEdit(IPEdit* ip);
    // The mask edit this broadcast edit follows; null unlinks.
    void setSubnetMaskEdit(IPEdit* mask);

Q_SIGNALS:
    void lostFocus();

public Q_SLOTS:
    // Mask edit: the address edit's class-based mask, while this edit is empty.
    void defaultToSubnet();
    // Broadcast edit: the broadcast address of the address and mask edits.
    void defaultToBroadcast();

protected:
    // Left, Right and End move between the fields' numbers.
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void follow(QPointer<IPEdit>& link, IPEdit* edit, void (IPEdit::*slot)());
    bool moveBetweenFields(int key);

    // Linked edits may be destroyed first: the pointers then read null.
    QPointer<IPEdit> m_ipEdit;
    QPointer<IPEdit> m_maskEdit;
    unsigned int m_type;
};
