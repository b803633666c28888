#include "sppproperty_class.h"

#include <QEvent>

#include <cstdlib>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/serial_device.h"
#include "cvcommon/service_classes.h"
#include "profilekit/modal_dialog.h"
#include "profilekit/server_general_page.h"
#include "ui_spp_property_dlg.h"

SpppropertyClass* SpppropertyClass::s_pSppProperty = nullptr;

namespace {

constexpr size_t kExtBytes = 8, kPortOffset = 6;

// The byte at offset 6 of the server's extension block; 255 when it cannot be read.
int serverPort(unsigned int server) {
    auto* block = static_cast<BTUINT8*>(calloc(kExtBytes, 1));
    if (!block) return 255;
    BtsdkLocalServerAttr attr{};
    attr.mask = BTSDK_LSA_MASK_EXT;
    attr.service_class = btclass::kSerialPort;  // the class tells the block's size
    attr.ext_attributes = block;
    const int port = Btsdk_GetServerAttributes(server, &attr) == BTSDK_OK ? block[kPortOffset] : 255;
    Btsdk_FreeMemory(block);
    return port;
}

}  // namespace

SpppropertyClass::SpppropertyClass(unsigned int server, QWidget* parent, int page)
    : QDialog(parent), ui_(std::make_unique<Ui::SppPropertyDlg>()), m_hServer(server) {
    ui_->setupUi(this);
    m_general = new ServerGeneralPage(server);
    m_general->insertRow(ui_->label_SerialPort, ui_->label_PortNum);
    ui_->tabWidget->insertTab(0, m_general, m_general->windowTitle());
    ui_->tabWidget->setCurrentIndex(page);
    m_comPort = serverPort(server);
    retranslateUi();
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &SpppropertyClass::OnOK);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

SpppropertyClass::~SpppropertyClass() = default;

void SpppropertyClass::ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page) {
    SoleModalDialog(s_pSppProperty, server, parent, page);
}

void SpppropertyClass::OnOK() {
    m_general->applySecurity();
    accept();
}

void SpppropertyClass::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

// The port is shown as the path of its device, where a terminal program opens it.
void SpppropertyClass::retranslateUi() {
    ui_->retranslateUi(this);
    ui_->tabWidget->setTabText(0, m_general->windowTitle());
    const QString device = CvCm_GetSerialDevicePath(m_comPort);
    ui_->label_PortNum->setText(device);
    QString name;
    CvCm_GetLocSvcDisplayName(m_hServer, &name);
    setWindowTitle(tr("%1 Properties %2").arg(name, device));
}
