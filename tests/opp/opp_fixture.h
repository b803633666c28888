// The object-push plug-in in a working folder, loaded by the plug-in manager for each test
// with a host function that records its calls, on the object-push world of the stand-in.
#pragma once

#include "modal_answer.h"
#include "plugin_test.h"

class QFileDialog;
class QWidget;

namespace opptest {

// opp_world.ini
constexpr unsigned int kPhone = 1, kBlank = 2, kPhoneOpp = 3, kBlankOpp = 4, kServerOpp = 5;

using pktest::HostCall;
using pktest::SettingRows;

class OppPlugin : public pktest::PluginTest {
protected:
    void SetUp() override;

    static void setSetting(const char* key, const std::string& value);
    static unsigned int shortcutTo(unsigned int device, unsigned int service);
    // The inbox of a device of the world in the stand-in's state folder.
    QString deviceInbox(const char* device) const;
    // Triggers the shortcut's "&Send File" and chooses the file in the chooser; a warning
    // box that comes instead is answered with OK.
    static corvtest::ModalAnswer sendFile(unsigned int shortcut, const QString& file);
    static void choose(QFileDialog* chooser, const QString& file);
    // The send's progress window while one is up, else null.
    static QWidget* progressWindow();
    // Waits until the send has ended (its window is gone), answering any warning with OK.
    static corvtest::ModalAnswer waitForSendEnd();
};

}  // namespace opptest
