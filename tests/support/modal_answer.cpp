#include "modal_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace corvtest {

namespace {

constexpr int kPollMs = 5;

QList<QDialogButtonBox*> buttonBoxes(QWidget* box) { return box->findChildren<QDialogButtonBox*>(); }

// Whether the box is of the kind the test answers: one with the button to press (any box
// when nothing is pressed). Another modal window of the step, such as a progress window
// that is up when a warning is expected, is not the box.
bool fits(const Press& press, QWidget* box) { return press.pressesNothing() || press.find(box) != nullptr; }

// Closes a box without a button of the test's choice: a dialog is rejected.
void dismiss(QWidget* box) {
    if (auto* dialog = qobject_cast<QDialog*>(box))
        dialog->reject();
    else
        box->close();
}

}  // namespace

Press Press::button(QMessageBox::StandardButton which) {
    Press p;
    p.kind_ = Kind::Standard;
    p.standard_ = which;
    return p;
}

Press Press::role(QDialogButtonBox::ButtonRole role) {
    Press p;
    p.kind_ = Kind::Role;
    p.role_ = role;
    return p;
}

Press Press::named(const QString& objectName) {
    Press p;
    p.kind_ = Kind::Named;
    p.name_ = objectName;
    return p;
}

Press Press::none() { return Press(); }

QAbstractButton* Press::find(QWidget* box) const {
    auto* message = qobject_cast<QMessageBox*>(box);
    switch (kind_) {
        case Kind::Standard:
            if (message) return message->button(standard_);
            // The two classes number their standard buttons alike.
            for (QDialogButtonBox* buttons : buttonBoxes(box))
                if (QAbstractButton* b = buttons->button(QDialogButtonBox::StandardButton(int(standard_))))
                    return b;
            return nullptr;
        case Kind::Role:
            if (message) {
                for (QAbstractButton* b : message->buttons())
                    if (message->buttonRole(b) == QMessageBox::ButtonRole(int(role_))) return b;
                return nullptr;
            }
            for (QDialogButtonBox* buttons : buttonBoxes(box))
                for (QAbstractButton* b : buttons->buttons())
                    if (buttons->buttonRole(b) == role_) return b;
            return nullptr;
        case Kind::Named:
            return box->findChild<QAbstractButton*>(name_);
        case Kind::None:
            return nullptr;
    }
    return nullptr;
}

ModalAnswer answerModal(const std::function<void()>& step, const Press& press,
                        const std::function<void(QWidget*)>& inspect, int timeoutMs) {
    QWidget* const before = QApplication::activeModalWidget();
    ModalAnswer answer;
    QPointer<QWidget> answered;
    QElapsedTimer sinceAnswer;
    auto handle = [&](QWidget* box) {
        answer.came = true;
        answer.objectName = box->objectName();
        answer.title = box->windowTitle();
        if (auto* message = qobject_cast<QMessageBox*>(box)) answer.text = message->text();
        answered = box;
        sinceAnswer.start();
        if (inspect) inspect(box);
        if (press.pressesNothing()) return;
        if (QAbstractButton* button = press.find(box)) {
            answer.pressed = true;
            button->click();
        } else {
            dismiss(box);
        }
    };

    // The first new box of the kind is answered, further ones are dismissed. A box of
    // another kind is left alone until it has been up timeoutMs; then it is taken as the
    // answer (its button is missing) or dismissed, and so is the answered box still up
    // timeoutMs after its answer, so that the step comes back.
    QPointer<QWidget> other;
    QElapsedTimer otherSince;
    auto answerOrDismiss = [&](QWidget* box) {
        if (!answer.came) {
            handle(box);
        } else {
            ++answer.others;
            dismiss(box);
        }
    };
    QTimer poll;
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || box == before) return;
        if (box == answered) {
            if (sinceAnswer.elapsed() > timeoutMs) dismiss(box);
        } else if (fits(press, box)) {
            answerOrDismiss(box);
        } else if (box != other) {
            other = box;
            otherSince.start();
        } else if (otherSince.elapsed() > timeoutMs) {
            answerOrDismiss(box);
        }
    });
    poll.start();
    step();
    poll.stop();
    // A box opened without a loop of its own (open(), show()) is up when the step returns.
    if (!answer.came) {
        QWidget* box = QApplication::activeModalWidget();
        if (box && box != before && fits(press, box)) handle(box);
    }
    return answer;
}

}  // namespace corvtest
