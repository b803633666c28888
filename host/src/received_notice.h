// The notice that a remote device put a file on this computer, with a button that opens
// the folder it went to. It does not block the window and closes itself.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class ReceivedNotice;
}

class ReceivedNotice : public QDialog {
    Q_OBJECT
public:
    // Shows a new notice above the window in front (parent when there is none); it deletes
    // itself when closed.
    static ReceivedNotice* notify(const QString& folder, const QString& file, QWidget* parent);
    ~ReceivedNotice() override;

private:
    ReceivedNotice(const QString& folder, const QString& file, QWidget* parent);
    std::unique_ptr<Ui::ReceivedNotice> ui_;
};
