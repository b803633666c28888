// FtppropertyClass: the property dialog of the local FTP server: the shared "General"
// page with its secure-connection box, and the "Options" page with the shared folder and
// whether remote users may change files. OK writes the settings and applies a changed
// folder or access to the running server once the user agrees.
#pragma once

#include <QByteArray>
#include <QDialog>

#include <memory>

#include "corvclient/btsdk.h"

namespace Ui {
class FtpPropertyDlg;
}
class ServerGeneralPage;

class FtppropertyClass : public QDialog {
    Q_OBJECT

public:
    FtppropertyClass(unsigned int server, QWidget* parent, int page);
    ~FtppropertyClass() override;

    // The dialog opened through the plug-in's entry point, null while none is open.
    static FtppropertyClass* s_pFtpProperty;
    // Runs the dialog modally; does nothing while one of these is open.
    static void ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page);

private Q_SLOTS:
    void on_toolButton_SelFTPFolder_clicked();
    void OnOK();

protected:
    void changeEvent(QEvent* event) override;

private:
    void init_FTP();
    void retranslateUi();
    void applyExtAttributes();

    std::unique_ptr<Ui::FtpPropertyDlg> ui_;
    ServerGeneralPage* m_general;
    unsigned int m_hServer;
    QByteArray m_settingsPath;
    int m_access = 1;
    QString m_shareFolder;
};
