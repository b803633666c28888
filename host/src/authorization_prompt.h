// A remote device that is not trusted asks to use a local server (to push a file, say):
// the user accepts, rejects, or accepts and trusts the device from then on. The prompt
// goes above the window in front and does not block it. The service refuses on its own
// after its time limit, so the prompt refuses a little before that by itself; closing it
// refuses too. A trusted device is accepted without asking.
#pragma once

#include <QDialog>
#include <QTimer>

#include <memory>

namespace Ui {
class AuthorizationPrompt;
}

class AuthorizationPrompt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTimeLimitMs = 25000;

    // Answers a trusted device at once (null), else shows a prompt; it deletes itself.
    static AuthorizationPrompt* ask(quint32 service, quint32 device, QWidget* fallbackParent);
    // A prompt still unanswered refuses.
    ~AuthorizationPrompt() override;

private:
    AuthorizationPrompt(quint32 service, quint32 device, QWidget* parent);
    void answer(bool accept, bool always);

    std::unique_ptr<Ui::AuthorizationPrompt> ui_;
    QTimer* timeLimit_;
    const quint32 service_, device_;
    bool answered_ = false;
};
