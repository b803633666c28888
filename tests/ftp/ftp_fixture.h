// The file-transfer plug-in in a working folder, loaded by the plug-in manager for each
// test with a host function that records its calls, on the FTP world of the stand-in.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QThread>

#include <memory>
#include <string>
#include <vector>

#include "cvcommon/profile_plug_mng.h"
#include "harness.h"

class QAction;

namespace ftptest {

// ftp_world.ini
constexpr unsigned int kPhone = 1, kPhoneFtp = 2, kServerFtp = 3;

struct HostCall {
    quint32 command = 0, subCode = 0, size = 0;
    QStringList list;
    bool onMainThread = false;
};

class FtpPlugin : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    std::unique_ptr<ProfilePlugMng> manager;

    void SetUp() override;
    void TearDown() override;

    static std::vector<HostCall> hostCalls();
    static unsigned short serverStatus(unsigned int server);
    static std::string settingsFile();
    static std::string setting(const char* section, const char* key);
    // The settings writes the service received: section, key, value (texts and numbers).
    std::vector<std::vector<std::string>> settingsWritten();
    std::vector<corvtest::RecordedCall> callsOf(const std::string& method);
    unsigned int phoneShortcut();
    // Connects the phone to the local FTP server, which then reports status 3.
    void connectPhoneToServer();
    static QStringList texts(const QList<QAction*>& actions);
    // The browser windows on screen.
    static QList<QWidget*> browsers();
};

}  // namespace ftptest
