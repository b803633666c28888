// The file-transfer plug-in in a working folder, loaded by the plug-in manager for each
// test with a host function that records its calls, on the FTP world of the stand-in.
#pragma once

#include <QList>

#include "plugin_test.h"

class QWidget;

namespace ftptest {

// ftp_world.ini
constexpr unsigned int kPhone = 1, kPhoneFtp = 2, kServerFtp = 3;

using pktest::HostCall;

class FtpPlugin : public pktest::PluginTest {
protected:
    void SetUp() override;
    void TearDown() override;

    static unsigned short serverStatus(unsigned int server);
    unsigned int phoneShortcut();
    // Connects the phone to the local FTP server, which then reports status 3.
    void connectPhoneToServer();
    // The browser windows on screen.
    static QList<QWidget*> browsers();
};

}  // namespace ftptest
