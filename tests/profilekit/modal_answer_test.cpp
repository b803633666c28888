// The helper that answers a step's modal box: message boxes by standard button, dialogs
// by button role or name, and the cases that must not hang a test.
#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "modal_answer.h"
#include "qt_print.h"

namespace {

using corvtest::answerModal;
using corvtest::Press;

// A dialog with OK and Cancel in a button box and a button of its own.
class Choice : public QDialog {
public:
    Choice() {
        setObjectName(QStringLiteral("choice"));
        auto* column = new QVBoxLayout(this);
        auto* retry = new QPushButton(QStringLiteral("Retry"), this);
        retry->setObjectName(QStringLiteral("retry"));
        connect(retry, &QPushButton::clicked, this, [this] { done(7); });
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        column->addWidget(retry);
        column->addWidget(buttons);
    }
};

TEST(ModalAnswer, PressesAMessageBoxButtonAndTellsWhatTheBoxSaid) {
    QMessageBox::StandardButton chosen = QMessageBox::NoButton;
    const corvtest::ModalAnswer answer = answerModal(
        [&] {
            chosen = QMessageBox::question(nullptr, QStringLiteral("Delete"), QStringLiteral("Delete 3 files?"));
        },
        Press::button(QMessageBox::No));
    EXPECT_TRUE(answer.came);
    EXPECT_TRUE(answer.pressed);
    EXPECT_EQ(answer.title, QStringLiteral("Delete"));
    EXPECT_EQ(answer.text, QStringLiteral("Delete 3 files?"));
    EXPECT_EQ(chosen, QMessageBox::No);
}

TEST(ModalAnswer, PressesDialogButtonsByRoleStandardButtonOrName) {
    const std::pair<Press, int> presses[] = {
        {Press::role(QDialogButtonBox::RejectRole), QDialog::Rejected},
        {Press::role(QDialogButtonBox::AcceptRole), QDialog::Accepted},
        {Press::button(QMessageBox::Ok), QDialog::Accepted},
        {Press::named(QStringLiteral("retry")), 7},
    };
    for (const auto& [press, expected] : presses) {
        Choice dialog;
        int result = -1;
        const corvtest::ModalAnswer answer = answerModal([&] { result = dialog.exec(); }, press);
        EXPECT_TRUE(answer.pressed);
        EXPECT_EQ(answer.objectName, QStringLiteral("choice"));
        EXPECT_EQ(result, expected);
    }
}

TEST(ModalAnswer, StepsWithoutABoxOrWithAMissingButtonComeBack) {
    EXPECT_FALSE(answerModal([] {}, Press::button(QMessageBox::Ok)).came);

    Choice dialog;
    int result = -1;
    corvtest::ModalAnswer answer = answerModal([&] { result = dialog.exec(); }, Press::named(QStringLiteral("help")));
    EXPECT_TRUE(answer.came);
    EXPECT_FALSE(answer.pressed);
    EXPECT_EQ(result, QDialog::Rejected);

    // A box left up by the test is closed once the wait is over.
    answer = answerModal([&] { result = dialog.exec(); }, Press::none(), {}, 50);
    EXPECT_TRUE(answer.came);
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST(ModalAnswer, BoxesAfterTheFirstAreDismissed) {
    int first = -1, second = -1;
    const corvtest::ModalAnswer answer = answerModal(
        [&] {
            Choice one, two;
            first = one.exec();
            second = two.exec();
        },
        Press::role(QDialogButtonBox::AcceptRole));
    EXPECT_EQ(first, QDialog::Accepted);
    EXPECT_EQ(second, QDialog::Rejected);
    EXPECT_EQ(answer.others, 1);
}

// A modal window of the step that lacks the button (a progress window up before the
// expected warning) is not taken for the box, nor closed.
TEST(ModalAnswer, AnotherKindOfModalWindowIsLeftAlone) {
    QDialog progress;
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &progress);
    cancel->setObjectName(QStringLiteral("BtnCancel"));
    progress.setModal(true);
    QMessageBox::StandardButton chosen = QMessageBox::NoButton;
    const corvtest::ModalAnswer answer = answerModal(
        [&] {
            progress.show();
            QTest::qWait(100);  // the answerer looks at the progress window meanwhile
            chosen = QMessageBox::warning(nullptr, QStringLiteral("Upload failed"), QStringLiteral("Read only."));
        },
        Press::button(QMessageBox::Ok));
    EXPECT_EQ(answer.title, QStringLiteral("Upload failed"));
    EXPECT_EQ(chosen, QMessageBox::Ok);
    EXPECT_EQ(answer.others, 0);
    EXPECT_TRUE(progress.isVisible());
}

TEST(ModalAnswer, BoxOpenedWithoutALoopIsAnsweredWhenTheStepReturns) {
    Choice dialog;
    const corvtest::ModalAnswer answer = answerModal([&] { dialog.open(); }, Press::role(QDialogButtonBox::AcceptRole));
    EXPECT_TRUE(answer.pressed);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
