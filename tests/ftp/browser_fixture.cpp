#include "browser_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/settings_paths.h"
#include "cvcommon/shortcut_helpers.h"

namespace ftptest {

namespace {

constexpr unsigned int kPhone = 1, kPhoneFtp = 2;
// Documents, Pictures, .hidden settings, Café menü.txt, notes.txt
constexpr int kRootEntries = 5;

std::string settingsFile() {
    char path[256] = {};
    CvCm_GetCommonSettingFilePath(path, sizeof path);
    return path;
}

}  // namespace

void Browser::SetUp() { open(FTP_WORLD); }

void Browser::open(const char* scenario) {
    window.reset();
    service.loadScenario(scenario);
    ASSERT_TRUE(local.isValid());
    ASSERT_EQ(WritePrivateProfileString("FtpClient", "DefaultLocalFolder", local.path().toUtf8().constData(),
                                        settingsFile().c_str()),
              1);
    ASSERT_EQ(CvCm_CreateShortCut(kPhone, kPhoneFtp, &shortcut), BTSDK_OK);
    window = std::make_unique<BtFtpClient>(0, nullptr);
    window->show();
    window->setShortcutHandle(shortcut);
    ASSERT_TRUE(QTest::qWaitFor([&] { return remotePane()->topLevelItemCount() == kRootEntries; }, 10000))
        << status().toStdString() << ": " << names(remotePane()).join(QLatin1Char(',')).toStdString();
    service.clearCalls();
}

void Browser::TearDown() {
    window.reset();
    service.clearReplies();
}

MyTreeWidget* Browser::localPane() const { return window->findChild<MyTreeWidget*>(QStringLiteral("treeWidget_Local")); }

MyTreeWidget* Browser::remotePane() const {
    return window->findChild<MyTreeWidget*>(QStringLiteral("treeWidget_Remote"));
}

QAction* Browser::action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }

QStringList Browser::names(const MyTreeWidget* pane) {
    QStringList all;
    for (int i = 0; i < pane->topLevelItemCount(); ++i) all << pane->topLevelItem(i)->text(0);
    return all;
}

QTreeWidgetItem* Browser::item(const MyTreeWidget* pane, const QString& name) const {
    for (int i = 0; i < pane->topLevelItemCount(); ++i)
        if (pane->topLevelItem(i)->text(0) == name) return pane->topLevelItem(i);
    return nullptr;
}

void Browser::focus(MyTreeWidget* pane) {
    QApplication::setActiveWindow(window.get());
    pane->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == pane; }, 2000));
}

void Browser::select(MyTreeWidget* pane, const QStringList& wanted) {
    pane->clearSelection();
    for (const QString& name : wanted) {
        // A pane that is being listed again gets its rows a moment later.
        ASSERT_TRUE(QTest::qWaitFor([&] { return item(pane, name) != nullptr; }, 5000)) << name.toStdString();
        QTreeWidgetItem* row = item(pane, name);
        row->setSelected(true);
    }
}

bool Browser::waitForStatus(const QString& text, int timeoutMs) {
    const bool seen = QTest::qWaitFor([&] { return status() == text; }, timeoutMs);
    if (!seen) ADD_FAILURE() << "status: " << status().toStdString() << ", expected " << text.toStdString();
    return seen;
}

QString Browser::phoneFiles() const { return QString::fromStdString(service.stateDir()) + QStringLiteral("/devices/phone/files"); }

std::vector<corvtest::RecordedCall> Browser::callsOf(const std::string& method) {
    std::vector<corvtest::RecordedCall> found;
    for (const corvtest::RecordedCall& call : service.calls())
        if (call.method == method) found.push_back(call);
    return found;
}

void writeFile(const QString& path, int bytes) {
    QByteArray data(bytes, '\0');
    for (int i = 0; i < bytes; ++i) data[i] = char('a' + (i * 7 + i / 251) % 26);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(data), bytes);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

std::map<QString, QByteArray> tree(const QString& folder) {
    std::map<QString, QByteArray> files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[root.relativeFilePath(path)] = contents(path);
    }
    return files;
}

}  // namespace ftptest
