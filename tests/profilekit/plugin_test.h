// PluginTest: a profile plug-in linked into the working folder and loaded by the plug-in
// manager for each test, with a host function that records its calls, on a world of the
// stand-in service; and what the plug-in tests read back (host calls, settings, the
// service's calls, action texts).
#pragma once

#include <gtest/gtest.h>

#include <QList>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

#include "cvcommon/profile_plug_mng.h"
#include "harness.h"

class QAction;

namespace pktest {

struct HostCall {
    quint32 command = 0, subCode = 0, size = 0;
    QStringList list;
    bool onMainThread = false;
};

using SettingRows = std::vector<std::vector<std::string>>;

class PluginTest : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    std::unique_ptr<ProfilePlugMng> manager;

    // Links the built library into the working folder under the name the manager looks for.
    static void linkPlugin(const QString& library, const QString& name);
    // Forgets the host calls and makes the manager with the recording host function.
    void startManager();
    void TearDown() override;

    static std::vector<HostCall> hostCalls();
    static std::string settingsFile();
    static std::string setting(const char* section, const char* key);
    // The settings writes the service received: section, key, value (texts and numbers).
    SettingRows settingsWritten();
    std::vector<corvtest::RecordedCall> callsOf(const std::string& method);
    static QStringList texts(const QList<QAction*>& actions);
};

}  // namespace pktest
