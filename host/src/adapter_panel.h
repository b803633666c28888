// The local adapter: its picture, name, address and whether Bluetooth is on, with the
// button that turns it on or off.
#pragma once

#include <QObject>

class QLabel;
class QPushButton;
class SdkTasks;

struct AdapterWidgets {
    QLabel* picture;
    QLabel* name;
    QLabel* address;
    QLabel* state;
    QPushButton* power;
};

class AdapterPanel : public QObject {
    Q_OBJECT
public:
    AdapterPanel(const AdapterWidgets& widgets, SdkTasks* tasks, QObject* parent);
    void refresh();
    bool ready() const { return ready_; }

Q_SIGNALS:
    void readyChanged(bool ready);

private:
    void togglePower();
    AdapterWidgets w_;
    SdkTasks* tasks_;
    bool ready_ = false;
};
