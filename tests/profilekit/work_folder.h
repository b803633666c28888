// The working folder that the host sets up before any dialog opens: the shipped common
// settings and skin in a fresh temporary folder, removed at the end.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

namespace pktest {

class WorkFolderEnvironment : public testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

}  // namespace pktest
