// The address edit as a person uses it: typing into the fields, the mask proposed when
// the address edit loses focus, the broadcast address that follows both, and the keys
// that move between the fields.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

#include "profilekit/ip_edit.h"
#include "qt_print.h"
#include "shots.h"

namespace {

constexpr unsigned int kBroadcast = 0, kHost = 1, kMask = 2;

TEST(IpEdit, StartsEmptyAndTypedFieldsStayWithinLimits) {
    IPEdit edit(nullptr, kHost);
    EXPECT_EQ(edit.displayText(), QStringLiteral("   .   .   .   "));
    EXPECT_EQ(edit.inputMask(), QStringLiteral("000.000.000.000"));  // blanks as the empty character
    QTest::keyClicks(&edit, QStringLiteral("10.300"));
    EXPECT_EQ(edit.text(), QStringLiteral("10.255.."));
    EXPECT_FALSE(edit.hasAcceptableInput());
    QTest::keyClicks(&edit, QStringLiteral(".1.2"));
    EXPECT_EQ(edit.text(), QStringLiteral("10.255.1.2"));
    EXPECT_TRUE(edit.hasAcceptableInput());

    IPEdit first(nullptr, kHost);
    QTest::keyClicks(&first, QStringLiteral("0"));
    EXPECT_EQ(first.displayText(), QStringLiteral("223.   .   .   "));
    IPEdit mask(nullptr, kMask);
    QTest::keyClicks(&mask, QStringLiteral("0"));
    EXPECT_EQ(mask.text(), QStringLiteral("255..."));
}

// A window with an address, a mask and a broadcast edit, linked as the dial-up and
// network dialogs link them, with real focus changes.
class LinkedEdits : public testing::Test {
protected:
    QWidget window;
    IPEdit* ip = new IPEdit(&window, kHost);
    IPEdit* mask = new IPEdit(&window, kMask);
    IPEdit* broadcast = new IPEdit(&window, kBroadcast);
    IPEdit* elsewhere = new IPEdit(&window, kHost);

    void SetUp() override {
        auto* column = new QVBoxLayout(&window);
        for (QWidget* edit : {static_cast<QWidget*>(ip), static_cast<QWidget*>(mask),
                              static_cast<QWidget*>(broadcast), static_cast<QWidget*>(elsewhere)})
            column->addWidget(edit);
        mask->setIPAddressEdit(ip);
        broadcast->setIPAddressEdit(ip);
        broadcast->setSubnetMaskEdit(mask);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Gives the edit the focus and takes it away again.
    static void visit(QWidget* edit, QWidget* next) {
        edit->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }, 2000));
        next->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return next->hasFocus(); }, 2000));
    }
};

TEST_F(LinkedEdits, MaskIsProposedOnlyIntoAnEmptyMaskEdit) {
    const std::pair<const char*, const char*> proposals[] = {
        {"10.1.2.3", "255.0.0.0"}, {"127.0.0.1", "255.255.0.0"}, {"192.168.1.20", "255.255.255.0"}, {"1.2.3.4", "..."}};
    for (const auto& [address, proposed] : proposals) {
        mask->clear();
        ip->setText(QLatin1String(address));
        visit(ip, elsewhere);
        EXPECT_EQ(mask->text(), QLatin1String(proposed)) << address;
    }

    mask->clear();
    ip->setText(QStringLiteral("10.1"));  // incomplete: nothing to go by
    visit(ip, elsewhere);
    EXPECT_EQ(mask->text(), QStringLiteral("..."));

    mask->setFocus();
    QTest::keyClicks(mask, QStringLiteral("255.255.0.0"));
    ip->setText(QStringLiteral("10.1.2.3"));
    visit(ip, elsewhere);
    EXPECT_EQ(mask->text(), QStringLiteral("255.255.0.0"));  // a typed mask stays
    pktest::saveShot(&window, "ip-edits");
}

TEST_F(LinkedEdits, BroadcastFollowsTheAddressAndTheMask) {
    ip->setText(QStringLiteral("192.168.1.20"));
    mask->setText(QStringLiteral("255.255.255.0"));
    visit(ip, elsewhere);
    EXPECT_EQ(broadcast->text(), QStringLiteral("192.168.1.255"));
    mask->setText(QStringLiteral("255.255.0.0"));
    visit(mask, elsewhere);
    EXPECT_EQ(broadcast->text(), QStringLiteral("192.168.255.255"));  // replaced
    mask->setText(QStringLiteral("255.255"));
    visit(mask, elsewhere);
    EXPECT_EQ(broadcast->text(), QStringLiteral("192.168.255.255"));  // an incomplete mask changes nothing
}

TEST_F(LinkedEdits, LinksCanBeReplacedAndOutliveTheirEdits) {
    auto replacement = std::make_unique<IPEdit>(&window, kHost);
    window.layout()->addWidget(replacement.get());
    mask->setIPAddressEdit(replacement.get());
    ip->setText(QStringLiteral("10.1.2.3"));
    visit(ip, elsewhere);
    EXPECT_EQ(mask->text(), QStringLiteral("..."));  // the old edit no longer counts
    replacement->setText(QStringLiteral("127.0.0.1"));
    visit(replacement.get(), elsewhere);
    EXPECT_EQ(mask->text(), QStringLiteral("255.255.0.0"));

    broadcast->setIPAddressEdit(replacement.get());
    replacement.reset();  // destroyed while linked
    mask->setText(QStringLiteral("255.0.0.0"));
    visit(mask, elsewhere);
    EXPECT_EQ(broadcast->text(), QStringLiteral("..."));
}

TEST(IpEdit, ArrowsAndEndMoveBetweenTheFieldsNumbers) {
    IPEdit edit(nullptr, kHost);
    edit.setText(QStringLiteral("10.1.2.3"));  // "10 .1  .2  .3  "
    auto after = [&edit](int from, Qt::Key key, Qt::KeyboardModifiers held = Qt::NoModifier) {
        edit.deselect();
        edit.setCursorPosition(from);
        QTest::keyClick(&edit, key, held);
        return edit.cursorPosition();
    };
    EXPECT_EQ(after(4, Qt::Key_Left), 2);   // to the end of "10"
    EXPECT_EQ(after(8, Qt::Key_Left), 5);   // to the end of "1"
    EXPECT_EQ(after(5, Qt::Key_Left), 4);   // within a field as usual
    EXPECT_EQ(after(0, Qt::Key_Left), 0);
    EXPECT_EQ(after(0, Qt::Key_Right), 1);  // not yet on the last digit of "10"
    EXPECT_EQ(after(1, Qt::Key_Right), 4);  // on it: to the next field
    EXPECT_EQ(after(4, Qt::Key_Right), 8);
    EXPECT_EQ(after(12, Qt::Key_Right), 12);  // the last field keeps the cursor
    EXPECT_EQ(after(0, Qt::Key_End), 13);
    EXPECT_EQ(after(0, Qt::Key_End, Qt::ShiftModifier), 15);  // selecting is left alone
    EXPECT_EQ(edit.selectedText(), edit.displayText());

    edit.setText(QStringLiteral("10"));  // "10 .   .   .   "
    EXPECT_EQ(after(8, Qt::Key_Left), 4);  // an empty field: to its start
    EXPECT_EQ(after(4, Qt::Key_Right), 8);
    EXPECT_EQ(after(2, Qt::Key_End), 12);
}

}  // namespace
