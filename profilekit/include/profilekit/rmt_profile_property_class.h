// RmtProfilePropertyClass: the "%1 Properties" window of a remote-service shortcut: the
// profile's picture and name, the remote device and the profile's description on a
// "General" page. Plug-ins add pages of their own with AddTablePage.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

#include "profilekit_api.h"

namespace Ui {
class RmtProfilePropertyDlg;
}

class PROFILEKIT_EXPORT RmtProfilePropertyClass : public QDialog {
    Q_OBJECT

public:
    explicit RmtProfilePropertyClass(unsigned int shortcut, QWidget* parent = nullptr);
    ~RmtProfilePropertyClass() override;

    // Appends `page` as a further tab; the dialog takes it over.
    void AddTablePage(QWidget* page, QString title);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    std::unique_ptr<Ui::RmtProfilePropertyDlg> ui_;
    quint16 m_svcClass = 0;
};
