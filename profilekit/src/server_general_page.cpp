#include "profilekit/server_general_page.h"

#include <QEvent>
#include <QPixmap>

#include <cstring>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/cv_skin.h"
#include "ui_server_general_page.h"

namespace {

constexpr BTUINT16 kSecurityBits = 0x7, kSecure = 7, kOpen = 0;
constexpr int kPictureProfile = 2, kStateIdle = 4;

}  // namespace

ServerGeneralPage::ServerGeneralPage(unsigned int server, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::ServerGeneralPage>()), m_server(server) {
    ui_->setupUi(this);
    BtsdkLocalServerAttr attr{};
    attr.mask = BTSDK_LSA_MASK_SECURITY;
    Btsdk_GetServerAttributes(m_server, &attr);
    m_svcClass = attr.service_class;
    m_secure = (attr.security & kSecurityBits) != 0;

    BTUINT8 name[64] = {};
    BTUINT16 length = sizeof name;
    if (Btsdk_GetLocalName(name, &length) == BTSDK_OK) {
        const char* text = reinterpret_cast<const char*>(name);
        ui_->label_DevName->setText(QString::fromUtf8(text, static_cast<int>(strnlen(text, sizeof name))));
    }
    ui_->label_ProfileIcon->setPixmap(QPixmap(CCvSkin::GetImgPath(kPictureProfile, m_svcClass, kStateIdle)));
    ui_->checkBox_SecureConnection->setChecked(m_secure);
    retranslateUi();
}

ServerGeneralPage::~ServerGeneralPage() = default;

QString ServerGeneralPage::displayName() const {
    QString name;
    CvCm_GetSvcDisplayName(m_svcClass, &name);
    return name;
}

void ServerGeneralPage::insertRow(QWidget* caption, QWidget* field) {
    const int row = ui_->extraRows->rowCount() - (ui_->extraRows->isEmpty() ? 1 : 0);
    ui_->extraRows->addWidget(caption, row, 0);
    ui_->extraRows->addWidget(field, row, 1);
}

bool ServerGeneralPage::securityChanged() const {
    return ui_->checkBox_SecureConnection->isChecked() != m_secure;
}

bool ServerGeneralPage::applySecurity() {
    if (!securityChanged()) return false;
    BtsdkLocalServerAttr attr{};
    attr.mask = BTSDK_LSA_MASK_SECURITY;
    if (Btsdk_GetServerAttributes(m_server, &attr) != BTSDK_OK) return false;
    attr.mask = BTSDK_LSA_MASK_SECURITY;
    attr.security = ui_->checkBox_SecureConnection->isChecked() ? kSecure : kOpen;
    if (Btsdk_UpdateServerAttributes(m_server, &attr) != BTSDK_OK) return false;
    m_secure = ui_->checkBox_SecureConnection->isChecked();
    return true;
}

void ServerGeneralPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QWidget::changeEvent(event);
}

void ServerGeneralPage::retranslateUi() {
    ui_->retranslateUi(this);
    ui_->label_ProfileName->setText(displayName());
    QString description;
    CvCm_GetLocSvcDesc(m_svcClass, &description);
    ui_->textBrowser->setPlainText(description);
}
