// A band above the window's panes that says the Bluetooth service stopped, and for a few
// seconds that it runs again. Hidden while there is nothing to say.
#pragma once

#include <QFrame>
#include <QStyle>
#include <QTimer>

class QLabel;

class ServiceNotice : public QFrame {
    Q_OBJECT
public:
    explicit ServiceNotice(QWidget* parent = nullptr);
    void showStopped();
    void showRunning();
    QString text() const;

private:
    struct Look {
        QStyle::StandardPixmap icon;
        const char* background;
        const char* border;
    };
    void showText(const Look& look, const QString& text);
    QLabel* icon_;
    QLabel* text_;
    QTimer hideClock_;
};
