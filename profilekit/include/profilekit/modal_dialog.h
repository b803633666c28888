// ModalDialog: the one way a plug-in runs a dialog modally. The dialog is made on the
// heap and watched through a QPointer: when its parent is destroyed while the modal loop
// runs, the parent takes the dialog along and exec() returns 0; the holder then deletes
// nothing. (A dialog on the stack would be deleted twice: by its parent and when it goes
// out of scope.)
//
//     ModalDialog<FileOpenDlg> dialog(startPath, parent);
//     dialog.exec();
//     if (FileOpenDlg* alive = dialog.get()) path = alive->selectedPath();  // still alive
//
// SoleModalDialog adds the rule of a plug-in's server property dialog: run it only while
// no dialog opened through the same pointer is open; the pointer names the dialog while
// it runs.
#pragma once

#include <QPointer>

#include <utility>

template <typename Dialog>
class ModalDialog {
public:
    template <typename... Args>
    explicit ModalDialog(Args&&... args) : dialog_(new Dialog(std::forward<Args>(args)...)) {}
    ~ModalDialog() { delete dialog_.data(); }
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // The dialog's result; 0 when it was destroyed during the loop.
    int exec() { return dialog_ ? dialog_->exec() : 0; }
    Dialog* get() const { return dialog_.data(); }
    Dialog* operator->() const { return dialog_.data(); }
    explicit operator bool() const { return !dialog_.isNull(); }

private:
    QPointer<Dialog> dialog_;
};

// Runs the dialog built from args unless `open` names one; `open` is cleared afterwards.
template <typename Dialog, typename... Args>
void SoleModalDialog(Dialog*& open, Args&&... args) {
    if (open) return;
    ModalDialog<Dialog> dialog(std::forward<Args>(args)...);
    open = dialog.get();
    dialog.exec();
    open = nullptr;
}
