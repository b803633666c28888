// The serial-port plug-in in a working folder, loaded by the plug-in manager for each test
// with a host function that records its calls, on the serial-port world of the stand-in.
#pragma once

#include <QString>

#include "modal_answer.h"
#include "plugin_test.h"
#include "qt_print.h"

namespace spptest {

// spp_world.ini
constexpr unsigned int kPhone = 1, kDongle = 2, kGsm = 3, kPhoneEcho = 4, kPhoneSecond = 5, kDongleSpp = 6,
                       kDongleStale = 7, kGsmModem = 8, kServerSpp = 9;
const QString kName = QStringLiteral("Bluetooth Serial Port");

class SppPlugin : public pktest::PluginTest {
protected:
    void SetUp() override;

    static unsigned int shortcutTo(unsigned int device, unsigned int service);
    // The entry of the list whose text starts with the prefix, triggered; the modal box
    // that came (answered with OK) is returned.
    static corvtest::ModalAnswer trigger(const QList<QAction*>& list, const QString& prefix);
    // Connects the shortcut through its entry and waits until the connect has ended; the
    // warning that came, answered with OK.
    static corvtest::ModalAnswer connectShortcut(unsigned int shortcut);
    static corvtest::ModalAnswer waitForConnectEnd();
    static bool connectWindowUp();
    // A function the plug-in exports, resolved in the loaded library.
    template <typename Func>
    static Func entry(const char* name) {
        return reinterpret_cast<Func>(resolve(name));
    }

private:
    static QFunctionPointer resolve(const char* name);
};

}  // namespace spptest
