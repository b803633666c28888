// The serial-port plug-in in a working folder, loaded by the plug-in manager for each test
// with a host function that records its calls, on the serial-port world of the stand-in.
#pragma once

#include "modal_answer.h"
#include "plugin_test.h"
#include "qt_print.h"

namespace spptest {

// spp_world.ini
constexpr unsigned int kPhone = 1, kDongle = 2, kPhoneEcho = 3, kPhoneSecond = 4, kDongleSpp = 5, kDongleStale = 6,
                       kServerSpp = 7;
const QString kName = QStringLiteral("Bluetooth Serial Port");

class SppPlugin : public pktest::PluginTest {
protected:
    void SetUp() override;

    static unsigned int shortcutTo(unsigned int device, unsigned int service);
    // The port's device in the service's device folder, where the plug-in's texts find it.
    QString portPath(int port) const {
        return QString::fromStdString(service.deviceDir()) + QStringLiteral("/ttyB%1").arg(port);
    }
    // Triggers the entry whose text starts with the prefix; the box that came, answered OK.
    static corvtest::ModalAnswer trigger(const QList<QAction*>& list, const QString& prefix);
    // Connects the shortcut through its entry and waits for the end; the warning that came.
    static corvtest::ModalAnswer connectShortcut(unsigned int shortcut);
    static corvtest::ModalAnswer waitForConnectEnd();
    static bool connectWindowUp();
};

}  // namespace spptest
