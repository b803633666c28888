// The object-push plug-in in a working folder, loaded by the plug-in manager for each test
// with a host function that records its calls, on the object-push world of the stand-in.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>
#include <string>
#include <vector>

#include "cvcommon/profile_plug_mng.h"
#include "harness.h"
#include "modal_answer.h"

class QAction;
class QWidget;

namespace opptest {

// opp_world.ini
constexpr unsigned int kPhone = 1, kBlank = 2, kPhoneOpp = 3, kBlankOpp = 4, kServerOpp = 5;

struct HostCall {
    quint32 command = 0, subCode = 0, size = 0;
    QStringList list;
};

class OppPlugin : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    std::unique_ptr<ProfilePlugMng> manager;

    void SetUp() override;
    void TearDown() override;

    static std::vector<HostCall> hostCalls();
    static std::string settingsFile();
    static void setSetting(const char* key, const std::string& value);
    // The settings writes the service received: section, key, value (texts and numbers).
    std::vector<std::vector<std::string>> settingsWritten();
    std::vector<corvtest::RecordedCall> callsOf(const std::string& method);
    static unsigned int shortcutTo(unsigned int device, unsigned int service);
    static QStringList texts(const QList<QAction*>& actions);
    // The inbox of a device of the world in the stand-in's state folder.
    QString deviceInbox(const char* device) const;
    // Triggers the shortcut's "&Send File" and chooses the file in the chooser; a warning
    // box that comes instead is answered with OK.
    corvtest::ModalAnswer sendFile(unsigned int shortcut, const QString& file);
    // The send's progress window while one is up, else null.
    static QWidget* progressWindow();
    // Waits until the send has ended (its window is gone), answering any warning with OK.
    corvtest::ModalAnswer waitForSendEnd();
};

}  // namespace opptest
