// Answering the modal box that a test step opens: the step runs while a timer looks for a
// new modal widget (QApplication::activeModalWidget) of the kind the test answers (one
// with the button to press), shows it to the test and presses the button. Every wait is
// bounded: a box without the button is rejected once it has been up a while, so that no
// test hangs in a modal loop.
#pragma once

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QString>

#include <functional>

class QAbstractButton;
class QWidget;

namespace corvtest {

// Which button of the box to press.
class Press {
public:
    static Press button(QMessageBox::StandardButton which);  // of a message or button box
    static Press role(QDialogButtonBox::ButtonRole role);    // the first with this role
    static Press named(const QString& objectName);           // any button, by object name
    // Leaves the box to the test's inspect; one still up timeoutMs later is rejected.
    static Press none();

    // The button of the box, or null.
    QAbstractButton* find(QWidget* box) const;
    bool pressesNothing() const { return kind_ == Kind::None; }

private:
    enum class Kind { Standard, Role, Named, None };
    Kind kind_ = Kind::None;
    QMessageBox::StandardButton standard_ = QMessageBox::NoButton;
    QDialogButtonBox::ButtonRole role_ = QDialogButtonBox::InvalidRole;
    QString name_;
};

struct ModalAnswer {
    bool came = false;                // a modal widget opened during the step
    bool pressed = false;             // the button was found and clicked
    int others = 0;                   // further boxes of the step, dismissed
    QString objectName, title, text;  // of the box answered; text: a message box's text
};

// Runs step; answers the first modal widget that opens during it (or is open when it
// returns), was not open before and has the button to press (with Press::none(), any).
// inspect, when given, sees the box first. Other modal windows of the step are left
// alone; one still up timeoutMs later is taken as the box (its button is missing, so it
// is rejected) or, after the answer, dismissed. A box that stays up timeoutMs after its
// answer, or that follows the first one, is rejected (closed when it is not a dialog).
ModalAnswer answerModal(const std::function<void()>& step, const Press& press,
                        const std::function<void(QWidget*)>& inspect = {}, int timeoutMs = 5000);

}  // namespace corvtest
