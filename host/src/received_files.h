// The window of received files: each file with its sender, time and size, the newest
// first, with Open (the file) and Open folder for the selected one.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class ReceivedFiles;
}

class ReceivedLog;
struct ReceivedEntry;

class ReceivedFiles : public QDialog {
    Q_OBJECT
public:
    ReceivedFiles(ReceivedLog* log, QWidget* parent);
    ~ReceivedFiles() override;

private:
    void addRow(const ReceivedEntry& entry);
    void openSelected(bool folder);
    void updateButtons();

    std::unique_ptr<Ui::ReceivedFiles> ui_;
};
