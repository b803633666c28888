#include "host_test_util.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMenu>
#include <QThread>
#include <QTreeWidget>
#include <QWidget>

#include <atomic>
#include <thread>

namespace hosttest {

std::string scenario(const char* file) { return std::string(CORVANE_SCENARIOS_DIR "/") + file; }

std::string sharedFolder() { return workingDir() + "/shared"; }
std::string inboxFolder() { return workingDir() + "/inbox"; }

bool waitUntil(const std::function<bool()>& cond, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!cond()) {
        if (clock.elapsed() > timeoutMs) return cond();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        // What an event loop deletes when control returns to it (closed dialogs).
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(2);
    }
    return true;
}

unsigned int callOffThread(const std::function<unsigned int()>& call) {
    std::atomic<bool> done{false};
    unsigned int result = 0;
    std::thread client([&] {
        result = call();
        done = true;
    });
    waitUntil([&] { return done.load(); }, 60000);
    client.join();
    return result;
}

QStringList names(const QListWidget* list) {
    QStringList all;
    for (int i = 0; i < list->count(); ++i) all.append(list->item(i)->text());
    return all;
}

QListWidgetItem* itemNamed(const QListWidget* list, const QString& name) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == name) return list->item(i);
    return nullptr;
}

QString rowText(const QTreeWidget* view, unsigned int handle, int column) {
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        if (view->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == handle) return view->topLevelItem(i)->text(column);
    return {};
}

unsigned int serverNamed(const QWidget* window, const QString& className) {
    auto* servers = window->findChild<QTreeWidget*>(QStringLiteral("serverList"));
    for (int i = 0; servers && i < servers->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = servers->topLevelItem(i);
        // A serial server's name ends in its device: " (ttyB3)".
        if (row->text(0) == className || row->text(0).startsWith(className + QStringLiteral(" (ttyB")))
            return row->data(0, Qt::UserRole).toUInt();
    }
    return 0;
}

QMenu* waitForMenu() {
    QMenu* menu = nullptr;
    waitUntil([&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr; });
    return menu;
}

QStringList menuTexts(const QMenu* menu) {
    QStringList all;
    for (QAction* action : menu->actions())
        if (!action->isSeparator()) all.append(action->text());
    return all;
}

}  // namespace hosttest

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
