// Helpers of the manager's tests: the working folder that the test process's session
// started in, waiting while the user-interface thread goes on running its events, reading
// list views and context menus, and QStrings in failure messages.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <ostream>
#include <string>

class QListWidget;
class QListWidgetItem;
class QMenu;
class QTreeWidget;
class QWidget;

namespace hosttest {

// The working folder of the session: BtSettings.INI, the plug-in, the shared folder, the
// object-push inbox (made by the plug-in).
const std::string& workingDir();
std::string sharedFolder();
std::string inboxFolder();
std::string scenario(const char* file);

// Runs the application's events until cond is true or timeoutMs passed; returns cond().
bool waitUntil(const std::function<bool()>& cond, int timeoutMs = 5000);

// Runs a blocking client-library call on a thread of its own while the user-interface
// thread goes on dispatching the library's signals; returns the call's result.
unsigned int callOffThread(const std::function<unsigned int()>& call);

// The texts of the list's items in their order, and the item with this text (or null).
QStringList names(const QListWidget* list);
QListWidgetItem* itemNamed(const QListWidget* list, const QString& name);

// The text in the column of the tree's row whose first column keeps the handle (empty: none).
QString rowText(const QTreeWidget* view, unsigned int handle, int column);

// The handle of the window's local server listed under this class name (0: none).
unsigned int serverNamed(const QWidget* window, const QString& className);

// The context menu that opens within the timeout (null: none), and the texts of its
// entries, separators left out.
QMenu* waitForMenu();
QStringList menuTexts(const QMenu* menu);

}  // namespace hosttest

// Shows QStrings, and lists of them, as text in the tests' failure messages.
void PrintTo(const QString& text, std::ostream* out);
