#include "profilekit/rmt_profile_property_class.h"

#include <QEvent>

#include <cstring>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "skin_pictures.h"
#include "ui_rmt_profile_property_dlg.h"

namespace {

constexpr QSize kIconSize(48, 48);

// The device's name; when it has none, its address as "00:11:22:33:44:55" (the stored
// bytes from the last to the first); empty when neither can be read.
QString remoteDeviceText(BTDEVHDL device) {
    BTUINT8 name[128] = {};
    BTUINT16 length = sizeof name;
    if (Btsdk_GetRemoteDeviceName(device, name, &length) == BTSDK_OK) {
        // A name that fills the buffer comes without its NUL.
        const char* text = reinterpret_cast<const char*>(name);
        const QString shown = QString::fromUtf8(text, static_cast<int>(strnlen(text, sizeof name)));
        if (!shown.isEmpty()) return shown;
    }
    BTUINT8 address[6] = {};
    if (Btsdk_GetRemoteDeviceAddress(device, address) != BTSDK_OK) return {};
    QString text = QStringLiteral("%1:%2:%3:%4:%5:%6");
    for (int i = 5; i >= 0; --i) text = text.arg(uint(address[i]), 2, 16, QLatin1Char('0'));
    return text;
}

}  // namespace

RmtProfilePropertyClass::RmtProfilePropertyClass(unsigned int shortcut, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::RmtProfilePropertyDlg>()) {
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    const BTRESULT read = Btsdk_GetShortCutProperty(&property);
    const bool known = read == BTSDK_OK || read == BTSDK_SHC_RESULT_PARTIAL;
    if (known) m_svcClass = property.service_class;

    ui_->setupUi(this);
    if (known) ui_->lineEdit_RemoteName->setText(remoteDeviceText(property.device));
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
