#include "ftpproperty_class.h"

#include <QEvent>
#include <QFileDialog>

#include <cstring>

#include "cvcommon/profile_ini.h"
#include "ftp_server_ext_attr.h"
#include "profilekit/modal_dialog.h"
#include "profilekit/server_general_page.h"
#include "profilekit/settings_confirm.h"
#include "profilekit/settings_file.h"
#include "ui_ftp_property_dlg.h"

FtppropertyClass* FtppropertyClass::s_pFtpProperty = nullptr;

namespace {

constexpr char kSection[] = "FTPSERVER";
constexpr int kWritable = 1, kReadOnly = 2;
constexpr int kFolderChars = 259;  // of the 260-byte settings buffer, without the NUL

}  // namespace

FtppropertyClass::FtppropertyClass(unsigned int server, QWidget* parent, int page)
    : QDialog(parent), ui_(std::make_unique<Ui::FtpPropertyDlg>()), m_hServer(server) {
    ui_->setupUi(this);
    m_settingsPath = CommonSettingsPath();
    m_general = new ServerGeneralPage(server);
    ui_->tabWidget->insertTab(0, m_general, m_general->windowTitle());
    init_FTP();
    ui_->tabWidget->setCurrentIndex(page);
    retranslateUi();
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &FtppropertyClass::OnOK);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

FtppropertyClass::~FtppropertyClass() = default;

void FtppropertyClass::ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page) {
    SoleModalDialog(s_pFtpProperty, server, parent, page);
}

void FtppropertyClass::init_FTP() {
    char folder[260] = {};
    GetPrivateProfileString(kSection, "SHAREFOLDER", "", folder, sizeof folder, m_settingsPath);
    m_shareFolder = QString::fromUtf8(folder);
    m_access = GetPrivateProfileInt(kSection, "DESIRED_ACCESS", kWritable, m_settingsPath);
    ui_->lineEdit_FTPFolder->setText(m_shareFolder);
    ui_->checkBox_FtpWritable->setChecked(m_access == kWritable);
}

void FtppropertyClass::on_toolButton_SelFTPFolder_clicked() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Please select the folder to be shared:"), m_shareFolder,
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!folder.isEmpty()) ui_->lineEdit_FTPFolder->setText(folder);
}

void FtppropertyClass::OnOK() {
    m_general->applySecurity();
    bool changed = false;
    if (ui_->lineEdit_FTPFolder->text() != m_shareFolder) {
        const QByteArray folder = ui_->lineEdit_FTPFolder->text().toUtf8().left(kFolderChars);
        m_shareFolder = QString::fromUtf8(folder);
        Btsdk_WritePrivateProfileString(kSection, "SHAREFOLDER", folder.constData(), m_settingsPath);
        changed = true;
    }
    const bool writable = ui_->checkBox_FtpWritable->isChecked();
    if ((!writable && m_access == kWritable) || (writable && m_access == kReadOnly)) {
        m_access = writable ? kWritable : kReadOnly;
        Btsdk_WritePrivateProfileInt(kSection, "DESIRED_ACCESS", static_cast<BTUINT32>(m_access), m_settingsPath);
        changed = true;
    }
    if (changed) applyExtAttributes();
    accept();
}

// The running server takes the folder and the access from its extended attributes; a
// connected device is dropped by the change, so the user is asked first.
void FtppropertyClass::applyExtAttributes() {
    FtpServerExtAttr ext;
    ext.access = static_cast<quint16>(m_access);
    const QByteArray folder = m_shareFolder.toUtf8().left(sizeof ext.folder - 1);
    std::memcpy(ext.folder, folder.constData(), static_cast<size_t>(folder.size()));
    if (!SettingsChangeConfirm::ConfirmSettingChange(m_hServer, this)) return;
    BtsdkLocalServerAttr attr{};
    attr.mask = BTSDK_LSA_MASK_EXT;
    attr.service_class = m_general->serviceClass();
    attr.ext_attributes = &ext;
    Btsdk_UpdateServerAttributes(m_hServer, &attr);
}

void FtppropertyClass::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void FtppropertyClass::retranslateUi() {
    ui_->retranslateUi(this);
    ui_->tabWidget->setTabText(0, m_general->windowTitle());
    setWindowTitle(tr("%1 Properties").arg(m_general->displayName()));
}
