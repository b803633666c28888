// A remote device asks to use a local server (the stand-in's RequestAuthorization): one
// that is not trusted gets a prompt naming it and what it wants, and the service gets the
// user's answer; "Always" trusts the device too. The prompt refuses by itself in time.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTimer>

#include <memory>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "host_test_util.h"
#include "shown_windows.h"
#include "main_window.h"

namespace {

constexpr unsigned int kPhone = 1, kTablet = 2, kObjectPushServer = 6;  // push_fast.ini

// The answers that the service was given, as (service, device, answer).
std::vector<std::array<uint32_t, 3>> answers() {
    std::vector<std::array<uint32_t, 3>> all;
    for (const corvtest::RecordedCall& call : corvtest::StandInService::instance().calls())
        if (call.method == "authorization_response") all.push_back({call.u(0), call.u(1), call.u(2)});
    return all;
}

TEST(Authorization, TheServiceGetsTheAnswerTheUserGave) {
    struct Case {
        const char* name;
        unsigned int device;
        const char* button;  // null: no prompt is expected; "": the prompt runs out of time
        uint32_t answer;
        bool trustedAfter;
    };
    const Case cases[] = {
        {"accept", kTablet, "acceptButton", 1, false},
        {"reject", kTablet, "rejectButton", 0, false},
        {"always", kTablet, "alwaysButton", 1, true},
        {"time limit", kTablet, "", 0, false},
        {"trusted device", kPhone, nullptr, 1, true},
    };
    corvtest::StandInService& service = corvtest::StandInService::instance();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        service.loadScenario(hosttest::scenario("push_fast.ini"));
        MainWindow window;
        window.show();
        service.clearCalls();
        service.act("RequestAuthorization", g_variant_new("(su)", c.device == kPhone ? "phone" : "tablet",
                                                           kObjectPushServer));
        if (c.button) {
            QWidget* prompt = nullptr;
            ASSERT_TRUE(hosttest::waitUntil(
                [&] { return (prompt = shownWindow(QStringLiteral("authorizationPrompt"))) != nullptr; }));
            EXPECT_EQ(prompt->findChild<QLabel*>(QStringLiteral("promptText"))->text(),
                      QStringLiteral("Slate Tablet wants to send you a file."));
            EXPECT_TRUE(answers().empty());
            if (*c.button) {
                prompt->findChild<QAbstractButton*>(QLatin1String(c.button))->click();
            } else {
                auto* limit = prompt->findChild<QTimer*>(QStringLiteral("answerTimer"));
                ASSERT_TRUE(limit && limit->isActive());
                EXPECT_EQ(limit->interval(), 25000);
                limit->start(1);  // the time runs out now
            }
        }
        ASSERT_TRUE(hosttest::waitUntil([] { return !answers().empty(); }));
        EXPECT_EQ(answers(), (std::vector<std::array<uint32_t, 3>>{{kObjectPushServer, c.device, c.answer}}));
        EXPECT_EQ(bool(Btsdk_IsDeviceTrusted(kObjectPushServer, c.device)), c.trustedAfter);
        EXPECT_TRUE(hosttest::waitUntil([] { return !shownWindow(QStringLiteral("authorizationPrompt")); }));
    }
}

}  // namespace
