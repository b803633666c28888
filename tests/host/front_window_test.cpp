// A notice of a received file and a device's request come up above the window in front,
// here a modal dialog, and not behind it where the user could not reach them; they stay
// open, above the main window, once that dialog has closed and gone.
#include <gtest/gtest.h>

#include <QDialog>

#include <fstream>

#include "cvcommon/profile_plug_mng.h"
#include "harness.h"
#include "host_test_util.h"
#include "shown_windows.h"
#include "main_window.h"
#include "modal_answer.h"

namespace {

constexpr unsigned int kObjectPushServer = 6;  // push_fast.ini

TEST(FrontWindow, NoticeAndPromptGoAboveAModalDialog) {
    corvtest::StandInService& service = corvtest::StandInService::instance();
    service.loadScenario(hosttest::scenario("push_fast.ini"));
    ProfilePlugMng::StartProfileServer();
    MainWindow window;
    window.show();
    const std::string source = hosttest::workingDir() + "/agenda.txt";
    std::ofstream(source) << "agenda\n";
    auto* dialog = new QDialog(&window);
    dialog->setObjectName(QStringLiteral("someModalDialog"));
    const char* const names[] = {"receivedFileNotice", "authorizationPrompt"};

    corvtest::answerModal([&] { dialog->exec(); }, corvtest::Press::none(), [&](QWidget* modal) {
        ASSERT_EQ(modal, dialog);
        service.act("DevicePutsFile", g_variant_new("(sss)", "tablet", source.c_str(), "agenda.txt"));
        service.act("RequestAuthorization", g_variant_new("(su)", "tablet", kObjectPushServer));
        for (const char* name : names) {
            SCOPED_TRACE(name);
            QWidget* shown = nullptr;
            ASSERT_TRUE(hosttest::waitUntil(
                [&] { return (shown = shownWindow(QLatin1String(name))) != nullptr; }));
            EXPECT_EQ(shown->parentWidget(), dialog);
            EXPECT_FALSE(shown->isModal());
        }
        dialog->reject();
    });
    delete dialog;
    for (const char* name : names) {
        SCOPED_TRACE(name);
        QWidget* shown = shownWindow(QLatin1String(name));
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->parentWidget(), &window);
    }
}

}  // namespace
