// OpppropertyClass: the property dialog of the local object-push server: the shared
// "General" page with its secure-connection box, and the "Options" page with the inbox
// folder, the own business card and whether it is sent on request. OK writes the changed
// settings and applies them to the running server once the user agrees.
#pragma once

#include <QByteArray>
#include <QDialog>

#include <memory>

namespace Ui {
class OppPropertyDlg;
}
class ServerGeneralPage;
struct OppServerExtAttr;

class OpppropertyClass : public QDialog {
    Q_OBJECT

public:
    OpppropertyClass(unsigned int server, QWidget* parent, int page);
    ~OpppropertyClass() override;

    // The dialog opened through the plug-in, null while none is open.
    static OpppropertyClass* s_pOppProperty;
    // Runs the dialog modally; does nothing while one of these is open.
    static void ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page);

private Q_SLOTS:
    void on_toolButton_SelOPPFolder_clicked();
    void on_toolButton_SelCardPath_clicked();
    void OnOK();

protected:
    void changeEvent(QEvent* event) override;

private:
    void init_OPP();
    void retranslateUi();
    // Each fills its part of the block and writes its settings; true when it changed.
    bool applyInbox(OppServerExtAttr& ext);
    bool applyCard(OppServerExtAttr& ext);
    bool applyVcardSupport(OppServerExtAttr& ext);

    std::unique_ptr<Ui::OppPropertyDlg> ui_;
    ServerGeneralPage* m_general;
    unsigned int m_hServer;
    QByteArray m_settingsPath;
    QString m_inboxText;
    QString m_cardText;
    QString m_outbox;
    int m_vcardSupport = 0;
};
