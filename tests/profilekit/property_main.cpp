// The main of the property dialog's tests: the application object, the working folder,
// the private bus with the stand-in service, and the client library started once for the
// process.
#include <gtest/gtest.h>

#include <QApplication>

#include "harness.h"
#include "sdk_test_util.h"
#include "work_folder.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new pktest::WorkFolderEnvironment);
    testing::AddGlobalTestEnvironment(new corvtest::ServiceEnvironment);
    testing::AddGlobalTestEnvironment(new corvtest::ClientEnvironment);
    return RUN_ALL_TESTS();
}
