// Asks the user for the PIN code that a remote device wants while pairing.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PinDialog;
}

class PinDialog : public QDialog {
    Q_OBJECT
public:
    PinDialog(const QString& deviceName, QWidget* parent);
    ~PinDialog() override;
    QString pin() const;

private:
    std::unique_ptr<Ui::PinDialog> ui_;
};
