// ServerGeneralPage: the "General" page ("tab_General") of a local server's property
// dialog: the service's icon and display name, the local device's name, the class's
// description and the "Secure Connection" box, checked while the server's security word
// has any of the bits 0x7. A property dialog adds it first to its tab widget
// (addTab(page, page->windowTitle())); SPP adds its serial-port row with insertRow. In
// its OK handler the dialog calls applySecurity(), which writes 7 (checked) or 0 to the
// server's security when the box was changed, with no confirmation.
#pragma once

#include <QWidget>

#include <memory>

#include "profilekit_api.h"

namespace Ui {
class ServerGeneralPage;
}

class PROFILEKIT_EXPORT ServerGeneralPage : public QWidget {
    Q_OBJECT

public:
    explicit ServerGeneralPage(unsigned int server, QWidget* parent = nullptr);
    ~ServerGeneralPage() override;

    unsigned short serviceClass() const { return m_svcClass; }
    // The class's display name, as the dialog's title shows it.
    QString displayName() const;
    // Adds a row (caption and field) below the description.
    void insertRow(QWidget* caption, QWidget* field);
    // Whether the box differs from the security read when the page was made.
    bool securityChanged() const;
    // Writes the box's choice to the server when it changed; false when nothing was
    // written or the service refused it.
    bool applySecurity();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    std::unique_ptr<Ui::ServerGeneralPage> ui_;
    unsigned int m_server = 0;
    unsigned short m_svcClass = 0;
    bool m_secure = false;
};
