#include "oppproperty_class.h"

#include <QEvent>
#include <QFileDialog>

#include <cstring>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_ini.h"
#include "opp_server_ext_attr.h"
#include "profilekit/modal_dialog.h"
#include "profilekit/server_general_page.h"
#include "profilekit/settings_confirm.h"
#include "profilekit/settings_file.h"
#include "profilekit/utf8_cut.h"
#include "ui_opp_property_dlg.h"

OpppropertyClass* OpppropertyClass::s_pOppProperty = nullptr;

namespace {

constexpr char kSection[] = "OPPSERVER";
constexpr int kDefaultVcardSupport = 0x303;
constexpr int kSendCardOnRequest = 0x200;

QString setting(const char* key, const QByteArray& path) {
    char value[256] = {};
    GetPrivateProfileString(kSection, key, "", value, sizeof value, path);
    return QString::fromUtf8(value);
}

// The text into a field of the block, cut on a whole character; the bytes written.
QByteArray putText(char (&field)[256], const QString& text) {
    const QByteArray bytes = utf8cut::within(text, int(sizeof field) - 1);
    std::memcpy(field, bytes.constData(), size_t(bytes.size()));
    field[bytes.size()] = '\0';
    return bytes;
}

}  // namespace

OpppropertyClass::OpppropertyClass(unsigned int server, QWidget* parent, int page)
    : QDialog(parent), ui_(std::make_unique<Ui::OppPropertyDlg>()), m_hServer(server) {
    ui_->setupUi(this);
    m_settingsPath = CommonSettingsPath();
    m_general = new ServerGeneralPage(server);
    ui_->tabWidget->insertTab(0, m_general, m_general->windowTitle());
    init_OPP();
    ui_->tabWidget->setCurrentIndex(page);
    retranslateUi();
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &OpppropertyClass::OnOK);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

OpppropertyClass::~OpppropertyClass() = default;

void OpppropertyClass::ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page) {
    SoleModalDialog(s_pOppProperty, server, parent, page);
}

void OpppropertyClass::init_OPP() {
    m_inboxText = setting("INBOXFOLDER", m_settingsPath);
    m_outbox = setting("OUTBOXFOLDER", m_settingsPath);
    m_vcardSupport = GetPrivateProfileInt(kSection, "VCARD_SUPPORT", kDefaultVcardSupport, m_settingsPath);
    const QString separator = m_outbox.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    m_cardText = m_outbox + separator + setting("OWNCARDNAME", m_settingsPath);
    ui_->lineEdit_OPPFolder->setText(m_inboxText);
    ui_->lineEdit_OPPCardPath->setText(m_cardText);
    ui_->checkBox_OppSendCardAsRequest->setChecked(m_vcardSupport & kSendCardOnRequest);
}

void OpppropertyClass::on_toolButton_SelOPPFolder_clicked() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Please select the root folder for incoming files:"), ui_->lineEdit_OPPFolder->text(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!folder.isEmpty()) ui_->lineEdit_OPPFolder->setText(folder);
}

void OpppropertyClass::on_toolButton_SelCardPath_clicked() {
    const QString card = QFileDialog::getOpenFileName(this, tr("Open"), m_outbox, tr("Business card (*.vcf)"));
    if (!card.isEmpty()) ui_->lineEdit_OPPCardPath->setText(card);
}

// A connected device is dropped by changed settings, so the user is asked first.
void OpppropertyClass::OnOK() {
    m_general->applySecurity();
    OppServerExtAttr ext;
    const bool inbox = applyInbox(ext);
    const bool card = applyCard(ext);
    const bool vcard = applyVcardSupport(ext);
    if ((inbox || card || vcard) && SettingsChangeConfirm::ConfirmSettingChange(m_hServer, this)) {
        BtsdkLocalServerAttr attr{};
        attr.mask = BTSDK_LSA_MASK_EXT;
        attr.service_class = m_general->serviceClass();
        attr.ext_attributes = &ext;
        Btsdk_UpdateServerAttributes(m_hServer, &attr);
    }
    accept();
}

bool OpppropertyClass::applyInbox(OppServerExtAttr& ext) {
    const QString text = ui_->lineEdit_OPPFolder->text();
    if (text == m_inboxText) return false;
    ext.mask |= OppServerExtAttr::kInbox;
    const QByteArray folder = putText(ext.inbox, text);
    Btsdk_WritePrivateProfileString(kSection, "INBOXFOLDER", folder.constData(), m_settingsPath);
    return true;
}

// Only a path (one with a "/") names a card: its folder and its file name.
bool OpppropertyClass::applyCard(OppServerExtAttr& ext) {
    const QString text = ui_->lineEdit_OPPCardPath->text();
    const int slash = text.lastIndexOf(QLatin1Char('/'));
    if (text == m_cardText || slash < 0) return false;
    ext.mask |= OppServerExtAttr::kCard;
    const QByteArray folder = putText(ext.outbox, text.left(slash + 1));
    const QByteArray name = putText(ext.cardName, text.mid(slash + 1));
    Btsdk_WritePrivateProfileString(kSection, "OUTBOXFOLDER", folder.constData(), m_settingsPath);
    Btsdk_WritePrivateProfileString(kSection, "OWNCARDNAME", name.constData(), m_settingsPath);
    return true;
}

bool OpppropertyClass::applyVcardSupport(OppServerExtAttr& ext) {
    const bool sendCard = ui_->checkBox_OppSendCardAsRequest->isChecked();
    if (sendCard == bool(m_vcardSupport & kSendCardOnRequest)) return false;
    m_vcardSupport ^= kSendCardOnRequest;
    ext.mask |= OppServerExtAttr::kVcard;
    ext.vcardSupport = quint16(m_vcardSupport);
    Btsdk_WritePrivateProfileInt(kSection, "VCARD_SUPPORT", BTUINT32(m_vcardSupport), m_settingsPath);
    return true;
}

void OpppropertyClass::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void OpppropertyClass::retranslateUi() {
    ui_->retranslateUi(this);
    ui_->tabWidget->setTabText(0, m_general->windowTitle());
    setWindowTitle(tr("%1 Properties").arg(m_general->displayName()));
}
