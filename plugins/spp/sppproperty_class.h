// SpppropertyClass: the property dialog of a local serial-port server: the shared
// "General" page with the server's serial device below the description and the
// "Secure Connection" box, which OK writes to the server when it was changed.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class SppPropertyDlg;
}
class ServerGeneralPage;

class SpppropertyClass : public QDialog {
    Q_OBJECT

public:
    SpppropertyClass(unsigned int server, QWidget* parent, int page);
    ~SpppropertyClass() override;

    // The dialog opened through the plug-in, null while none is open.
    static SpppropertyClass* s_pSppProperty;
    // Runs the dialog modally; does nothing while one of these is open.
    static void ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page);

private Q_SLOTS:
    void OnOK();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    std::unique_ptr<Ui::SppPropertyDlg> ui_;
    ServerGeneralPage* m_general;
    unsigned int m_hServer;
    int m_comPort = 255;
};
