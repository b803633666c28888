// Helpers of the manager's tests: the working folder that the test process's session
// started in, and waiting while the user-interface thread goes on running its events.
#pragma once

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace hosttest {

// The working folder of the session: BtSettings.INI, the test plug-in, the shared folder.
const std::string& workingDir();
std::string sharedFolder();
std::string scenario(const char* file);

// Runs the application's events until cond is true or timeoutMs passed; returns cond().
bool waitUntil(const std::function<bool()>& cond, int timeoutMs = 5000);

// The visible top-level widget with this object name, or null.
QWidget* visibleWindow(const QString& objectName);

}  // namespace hosttest
