#include "pairing.h"

#include <QMessageBox>

#include <functional>
#include <memory>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "pin_dialog.h"
#include "sdk_bridge.h"
#include "sdk_tasks.h"

namespace {

// Calls answer once: with the dialog's outcome when it finishes, with a refusal when it
// is destroyed before.
void answerOnce(QDialog* dialog, std::function<bool(int result)> accepted,
                std::function<void(bool accepted)> answer) {
    auto answered = std::make_shared<bool>(false);
    QObject::connect(dialog, &QDialog::finished, dialog, [=](int result) {
        if (*answered) return;
        *answered = true;
        answer(accepted(result));
    });
    QObject::connect(dialog, &QObject::destroyed, [=] {
        if (!*answered) answer(false);
    });
}

}  // namespace

Pairing::Pairing(SdkTasks* tasks, QWidget* window) : QObject(window), tasks_(tasks), window_(window) {
    SdkBridge& bridge = SdkBridge::instance();
    connect(&bridge, &SdkBridge::pinRequested, this, &Pairing::askPin);
    connect(&bridge, &SdkBridge::confirmationRequested, this, &Pairing::askConfirmation);
    connect(&bridge, &SdkBridge::passkeyShown, this, &Pairing::showPasskey);
    connect(tasks_, &SdkTasks::paired, this, &Pairing::done);
}

void Pairing::pair(quint32 device) {
    if (!device || busy(device)) return;
    pending_.insert(device);
    tasks_->pair(device);
}

void Pairing::askPin(quint32 device) {
    auto* dialog = new PinDialog(CvCm_GetRmtDevDisplayName(device), window_);
    dialog->setObjectName(QStringLiteral("pinDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    answerOnce(
        dialog, [](int result) { return result == QDialog::Accepted; },
        [dialog, device](bool accepted) {
            // A refusal is an empty PIN, which the device turns down at once.
            QByteArray pin = accepted ? dialog->pin().toUtf8() : QByteArray();
            Btsdk_PinCodeReply(device, reinterpret_cast<const BTUINT8*>(pin.constData()),
                               static_cast<BTUINT16>(pin.size()));
        });
    dialog->open();
}

void Pairing::askConfirmation(quint32 device, quint32 value) {
    auto* box = new QMessageBox(QMessageBox::Question, tr("Bluetooth pairing"),
                                tr("Does <b>%1</b> show the number <b>%2</b>?")
                                    .arg(CvCm_GetRmtDevDisplayName(device).toHtmlEscaped())
                                    .arg(value, 6, 10, QLatin1Char('0')),
                                QMessageBox::Yes | QMessageBox::No, window_);
    box->setObjectName(QStringLiteral("confirmDialog"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    answerOnce(
        box, [](int result) { return result == QMessageBox::Yes; },
        [device](bool accepted) { Btsdk_UsrCfmReqReply(device, accepted ? 1 : 0); });
    box->open();
}

void Pairing::showPasskey(quint32 device, quint32 passkey) {
    if (passkeyNotice_) passkeyNotice_->close();
    auto* box = new QMessageBox(QMessageBox::Information, tr("Bluetooth pairing"),
                                tr("Type <b>%1</b> on <b>%2</b>, then press Enter there.")
                                    .arg(passkey, 6, 10, QLatin1Char('0'))
                                    .arg(CvCm_GetRmtDevDisplayName(device).toHtmlEscaped()),
                                QMessageBox::Close, window_);
    box->setObjectName(QStringLiteral("passkeyNotice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
    passkeyNotice_ = box;
}

void Pairing::done(quint32 device, quint32 result) {
    pending_.remove(device);
    if (passkeyNotice_) passkeyNotice_->close();
    Q_EMIT finished(device, result);
}
