// Pairing from the main window: the device's PIN request opens the PIN dialog, whose
// answer goes to the service; a cancelled dialog refuses; a numeric value is confirmed in
// a question box.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>

#include "corvclient/btsdk.h"
#include "device_list.h"
#include "harness.h"
#include "host_test_util.h"
#include "main_window.h"
#include "pairing.h"
#include "pin_dialog.h"

namespace {

class PairingDialogs : public testing::Test {
protected:
    void SetUp() override {
        service.loadScenario(hosttest::scenario("devices_fast.ini"));
        service.clearCalls();
        window = std::make_unique<MainWindow>();
        window->show();
        QObject::connect(window->pairing(), &Pairing::finished, window.get(),
                         [this](quint32, quint32 result) { results.push_back(result); });
    }

    // Asks to pair with the device and waits for the dialog of that name.
    template <typename Dialog>
    Dialog* pairUntil(const QString& deviceName, const QString& dialogName) {
        quint32 device = window->devices()->deviceNamed(deviceName);
        EXPECT_NE(device, 0u);
        window->devices()->select(device);
        window->pair(device);
        Dialog* dialog = nullptr;
        hosttest::waitUntil([&] {
            dialog = window->findChild<Dialog*>(dialogName);
            return dialog && dialog->isVisible();
        });
        return dialog;
    }

    bool paired(const QString& deviceName) {
        BTUINT8 flag = 0;
        return Btsdk_IsDevicePaired(window->devices()->deviceNamed(deviceName), &flag) == BTSDK_OK && flag;
    }

    std::vector<uint8_t> pinReplied() {
        for (const corvtest::RecordedCall& call : service.calls())
            if (call.method == "pin_code_reply") return call.ay(1);
        return {{0xFF}};
    }

    // The result of the pairing, once it has ended.
    quint32 pairingResult() {
        EXPECT_TRUE(hosttest::waitUntil([&] { return !results.empty(); }));
        return results.empty() ? BTSDK_ER_FAIL : results.front();
    }

    corvtest::StandInService& service = corvtest::StandInService::instance();
    std::unique_ptr<MainWindow> window;
    std::vector<quint32> results;
};

TEST_F(PairingDialogs, ThePinTypedInTheDialogPairsTheDevice) {
    auto* dialog = pairUntil<PinDialog>(QStringLiteral("Nova Phone"), QStringLiteral("pinDialog"));
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->findChild<QLabel*>(QStringLiteral("pinPrompt"))->text().contains(QStringLiteral("Nova Phone")));
    auto* ok = dialog->findChild<QDialogButtonBox*>(QStringLiteral("pinButtons"))->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());  // nothing typed yet
    dialog->findChild<QLineEdit*>(QStringLiteral("pinEdit"))->setText(QStringLiteral("1234"));
    ASSERT_TRUE(ok->isEnabled());
    QPointer<PinDialog> watched(dialog);
    ok->click();
    EXPECT_EQ(pairingResult(), BTSDK_OK);

    EXPECT_TRUE(paired(QStringLiteral("Nova Phone")));
    EXPECT_EQ(pinReplied(), (std::vector<uint8_t>{'1', '2', '3', '4'}));
    EXPECT_TRUE(hosttest::waitUntil([&] { return watched.isNull(); })) << "the dialog closes for good";
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Paired with Nova Phone"));
}

TEST_F(PairingDialogs, ACancelledPinDialogRefusesThePairing) {
    auto* dialog = pairUntil<PinDialog>(QStringLiteral("Nova Phone"), QStringLiteral("pinDialog"));
    ASSERT_TRUE(dialog);
    dialog->findChild<QLineEdit*>(QStringLiteral("pinEdit"))->setText(QStringLiteral("1234"));
    dialog->findChild<QDialogButtonBox*>(QStringLiteral("pinButtons"))->button(QDialogButtonBox::Cancel)->click();
    EXPECT_NE(pairingResult(), BTSDK_OK);

    EXPECT_FALSE(paired(QStringLiteral("Nova Phone")));
    EXPECT_EQ(pinReplied(), std::vector<uint8_t>{}) << "a refusal is an empty PIN";
}

TEST_F(PairingDialogs, TheNumberShownIsConfirmedInAQuestion) {
    auto* box = pairUntil<QMessageBox>(QStringLiteral("Work Laptop"), QStringLiteral("confirmDialog"));
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->text().contains(QStringLiteral("482916"))) << box->text().toStdString();
    box->button(QMessageBox::Yes)->click();
    EXPECT_EQ(pairingResult(), BTSDK_OK);
    EXPECT_TRUE(paired(QStringLiteral("Work Laptop")));
}

}  // namespace
