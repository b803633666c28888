// A browser window on Nova Phone's file-transfer service, connected and showing the
// phone's root, with the local pane in a fresh temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <QStatusBar>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "bt_ftp_client.h"
#include "harness.h"
#include "my_tree_widget.h"

class QAction;

namespace ftptest {

class Browser : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    QTemporaryDir local;
    unsigned int shortcut = 0;
    std::unique_ptr<BtFtpClient> window;

    void SetUp() override;
    void TearDown() override;
    // Loads the scenario and opens the window on the phone's root.
    void open(const char* scenario);

    MyTreeWidget* localPane() const;
    MyTreeWidget* remotePane() const;
    QAction* action(const char* name) const;
    static QStringList names(const MyTreeWidget* pane);
    QTreeWidgetItem* item(const MyTreeWidget* pane, const QString& name) const;
    QString status() const { return window->statusBar()->currentMessage(); }
    // Gives the pane the keyboard focus, as a click would.
    void focus(MyTreeWidget* pane);
    void select(MyTreeWidget* pane, const QStringList& names);
    bool waitForStatus(const QString& text, int timeoutMs = 20000);
    // The phone's file tree as the service keeps it.
    QString phoneFiles() const;
    QString localPath(const QString& name) const { return local.filePath(name); }
    std::vector<corvtest::RecordedCall> callsOf(const std::string& method);
};

// Writes a file of `bytes` bytes of a repeating pattern.
void writeFile(const QString& path, int bytes);
QByteArray contents(const QString& path);
// The relative paths and contents of every file under a folder, for comparing trees.
std::map<QString, QByteArray> tree(const QString& folder);

}  // namespace ftptest
