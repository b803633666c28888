// The main of the dialog tests: one application object and one working folder for the
// process.
#include <gtest/gtest.h>

#include <QApplication>

#include "work_folder.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new pktest::WorkFolderEnvironment);
    return RUN_ALL_TESTS();
}
