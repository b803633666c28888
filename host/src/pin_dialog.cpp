#include "pin_dialog.h"

#include <QPushButton>
#include <QRegularExpressionValidator>

#include "ui_pin_dialog.h"

PinDialog::PinDialog(const QString& deviceName, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::PinDialog>()) {
    ui_->setupUi(this);
    ui_->pinPrompt->setText(tr("<b>%1</b> asks for its PIN code to pair with this computer.")
                                .arg(deviceName.toHtmlEscaped()));
    // A PIN is 1 to 16 characters; the devices of everyday use take digits.
    ui_->pinEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Za-z]{1,16}")), this));
    QPushButton* ok = ui_->pinButtons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(ui_->pinEdit, &QLineEdit::textChanged, ok,
            [ok](const QString& text) { ok->setEnabled(!text.isEmpty()); });
}

PinDialog::~PinDialog() = default;

QString PinDialog::pin() const { return ui_->pinEdit->text(); }
