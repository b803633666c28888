// The manager's start and stop around its window: the working directory, the client
// library, the library's indications, the skin, the plug-in manager and the local
// servers, and at exit the same in reverse.
#pragma once

#include <QString>

#include <memory>

class ProfilePlugMng;

class HostSession {
public:
    // Null, with the reason in *error, when the Bluetooth service's bus cannot be reached.
    static std::unique_ptr<HostSession> start(const QString& workingDir, QString* error);
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

private:
    HostSession() = default;
    std::unique_ptr<ProfilePlugMng> plugins_;
};
