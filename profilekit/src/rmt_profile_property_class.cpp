#include "profilekit/rmt_profile_property_class.h"

#include <QEvent>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/shortcut_helpers.h"
#include "skin_pictures.h"
#include "ui_rmt_profile_property_dlg.h"

namespace {

constexpr QSize kIconSize(48, 48);

}  // namespace

RmtProfilePropertyClass::RmtProfilePropertyClass(unsigned int shortcut, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::RmtProfilePropertyDlg>()) {
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    const bool known = CvCm_ReadShortcutProperty(&property);
    if (known) m_svcClass = property.service_class;

    ui_->setupUi(this);
    if (known) ui_->lineEdit_RemoteName->setText(CvCm_GetRmtDevDisplayName(property.device, 128));
    ui_->label_ProfileIcon->setPixmap(profilekit::profilePicture(m_svcClass, kIconSize));
    retranslateUi();
    setWindowFlags(Qt::Window);
}

RmtProfilePropertyClass::~RmtProfilePropertyClass() = default;

void RmtProfilePropertyClass::AddTablePage(QWidget* page, QString title) {
    ui_->tabWidget->addTab(page, title);
}

void RmtProfilePropertyClass::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void RmtProfilePropertyClass::retranslateUi() {
    ui_->retranslateUi(this);
    QString name, description;
    CvCm_GetSvcDisplayName(m_svcClass, &name);
    CvCm_GetRmtSvcDesc(m_svcClass, &description);
    ui_->lineEdit_ProfileName->setText(name);
    ui_->label_ProfileDescription->setText(description);
    setWindowTitle(tr("%1 Properties").arg(name));
}
