#include "authorization_prompt.h"

#include <QStyle>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "front_window.h"
#include "ui_authorization_prompt.h"

namespace {

constexpr BTUINT16 kObjectPush = 0x1105, kFileTransfer = 0x1106;

quint16 serverClass(quint32 server) {
    BtsdkLocalServerAttr attributes{};
    return Btsdk_GetServerAttributes(server, &attributes) == BTSDK_OK ? attributes.service_class : 0;
}

QString request(const QString& device, quint16 serviceClass) {
    if (serviceClass == kObjectPush) return AuthorizationPrompt::tr("%1 wants to send you a file.").arg(device);
    if (serviceClass == kFileTransfer)
        return AuthorizationPrompt::tr("%1 wants to use your shared folder.").arg(device);
    QString name;
    CvCm_GetSvcDisplayName(serviceClass, &name);
    return AuthorizationPrompt::tr("%1 wants to use the service %2.").arg(device, name);
}

}  // namespace

AuthorizationPrompt* AuthorizationPrompt::ask(quint32 service, quint32 device, QWidget* fallbackParent) {
    if (Btsdk_IsDeviceTrusted(service, device)) {
        Btsdk_AuthorizationResponse(service, device, 1);
        return nullptr;
    }
    auto* prompt = new AuthorizationPrompt(service, device, frontWindow(fallbackParent));
    showInFront(prompt, fallbackParent);
    return prompt;
}

AuthorizationPrompt::AuthorizationPrompt(quint32 service, quint32 device, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::AuthorizationPrompt>()),
      timeLimit_(new QTimer(this)),
      service_(service), device_(device) {
    ui_->setupUi(this);
    setObjectName(QStringLiteral("authorizationPrompt"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    ui_->promptIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    ui_->promptText->setText(request(CvCm_GetRmtDevDisplayName(device), serverClass(service)));
    connect(ui_->acceptButton, &QPushButton::clicked, this, [this] { answer(true, false); });
    connect(ui_->alwaysButton, &QPushButton::clicked, this, [this] { answer(true, true); });
    connect(ui_->rejectButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { answer(false, false); });
    timeLimit_->setObjectName(QStringLiteral("answerTimer"));
    timeLimit_->setSingleShot(true);
    timeLimit_->setInterval(kTimeLimitMs);
    connect(timeLimit_, &QTimer::timeout, this, &QDialog::reject);
    timeLimit_->start();
}

AuthorizationPrompt::~AuthorizationPrompt() { answer(false, false); }

void AuthorizationPrompt::answer(bool accept, bool always) {
    if (answered_) return;
    answered_ = true;
    timeLimit_->stop();
    if (always) Btsdk_SetTrustedDevice(service_, device_, 1);
    Btsdk_AuthorizationResponse(service_, device_, accept ? 1 : 0);
    if (accept) QDialog::accept();
}
