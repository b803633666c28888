// The manager's main window: the adapter and the local servers, the devices, the
// selected device's services and the shortcuts, with discovery, pairing, browsing and
// shortcut making, and the status and properties windows of the selected server or
// shortcut; files dropped on a device or an object-push shortcut are sent to it; the files
// that remote devices put here are listed, and their requests to use a local server
// answered. Everything here runs on the user-interface thread; the library's
// indications arrive through SdkBridge and the long calls go through SdkTasks. While the
// Bluetooth service is gone (ServiceWatch) the window says so and greys what needs it.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>

#include "received_files.h"

namespace Ui {
class MainWindow;
}

class AdapterPanel;
class DeviceList;
class IncomingSenders;
class Pairing;
class ProfileWindows;
class ReceivedLog;
class SdkTasks;
class ServerList;
class ServiceList;
class ServiceNotice;
class ServiceWatch;
class ShortcutList;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    DeviceList* devices() const { return devices_; }
    ServerList* servers() const { return servers_; }
    ServiceList* services() const { return services_; }
    ShortcutList* shortcuts() const { return shortcuts_; }
    Pairing* pairing() const { return pairing_; }
    ProfileWindows* profileWindows() const { return windows_; }
    ReceivedLog* receivedLog() const { return received_; }

    void discover();
    void browse(quint32 device);
    void pair(quint32 device);
    bool discovering() const { return discovering_; }
    bool browsing() const { return browsing_ != 0; }
    void refresh();
    void showReceivedFiles();

Q_SIGNALS:
    void discoveryFinished();
    void browseFinished(quint32 device, quint32 result);

private:
    void setUpActions();
    void connectIndications();
    void acceptDroppedFiles();
    void fileReceived(const QString& folder, const QString& file);
    void deviceSelected(quint32 device);
    void discoveryDone();
    void endDiscovery();
    void serviceLeft();
    void serviceReturned();
    void browsed(quint32 device, quint32 result);
    void paired(quint32 device, quint32 result);
    void keepOneSelected();
    void showSelectedStatus();
    void updateActions();
    void say(const QString& text);

    std::unique_ptr<Ui::MainWindow> ui_;
    std::unique_ptr<SdkTasks> tasks_;
    AdapterPanel* adapter_ = nullptr;
    DeviceList* devices_ = nullptr;
    ServerList* servers_ = nullptr;
    ServiceList* services_ = nullptr;
    ShortcutList* shortcuts_ = nullptr;
    Pairing* pairing_ = nullptr;
    ProfileWindows* windows_ = nullptr;
    ServiceWatch* watch_ = nullptr;
    ServiceNotice* notice_ = nullptr;
    ReceivedLog* received_ = nullptr;
    IncomingSenders* senders_ = nullptr;
    QPointer<ReceivedFiles> receivedWindow_;
    QTimer discoveryClock_;
    bool discovering_ = false;
    quint32 browsing_ = 0;  // the device being browsed
};
