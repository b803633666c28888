// corvane-manager: the Bluetooth manager. Options: --workdir DIR (the folder of the
// settings, the skin and the plug-ins; the installed data folder by default) and
// --tour DIR (a scripted tour that saves pictures of the window into DIR, then quits).
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>

#include <pwd.h>
#include <unistd.h>

#include <cstdio>

#include "host_session.h"
#include "main_window.h"
#include "tour.h"

namespace {

// The plug-ins' shared-folder check puts "USERNAME" in place of "user" in a default folder
// such as "/home/user/Public" that cannot be made; few Linux sessions set it, so the
// manager gives it the login name.
void provideUserName() {
    if (!qEnvironmentVariableIsEmpty("USERNAME")) return;
    if (const passwd* entry = getpwuid(geteuid())) qputenv("USERNAME", entry->pw_name);
}

}  // namespace

int main(int argc, char** argv) {
    provideUserName();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvane-manager"));
    QApplication::setApplicationDisplayName(QApplication::translate("main", "Corvane Bluetooth"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QApplication::translate("main", "The Corvane Bluetooth manager."));
    parser.addHelpOption();
    QCommandLineOption workdir(QStringLiteral("workdir"),
                               QApplication::translate("main", "Folder of the settings, skin and plug-ins."),
                               QStringLiteral("DIR"), QStringLiteral(CORVANE_DEFAULT_WORKDIR));
    QCommandLineOption tour(QStringLiteral("tour"),
                            QApplication::translate("main", "Run the scripted tour, saving pictures into DIR."),
                            QStringLiteral("DIR"));
    parser.addOption(workdir);
    parser.addOption(tour);
    parser.process(app);

    QString dir = QDir(parser.value(workdir)).absolutePath();
    if (!QDir(dir).exists())
        std::fprintf(stderr, "corvane-manager: the working folder %s does not exist\n", qPrintable(dir));
    QString error;
    std::unique_ptr<HostSession> session = HostSession::start(dir, &error);
    if (!session) {
        std::fprintf(stderr, "corvane-manager: %s\n", qPrintable(error));
        if (!parser.isSet(tour))
            QMessageBox::critical(nullptr, QApplication::translate("main", "Corvane Bluetooth"), error);
        return 1;
    }

    int status = 0;
    {
        MainWindow window;
        window.show();
        if (parser.isSet(tour)) (new Tour(&window, parser.value(tour)))->start();
        status = QApplication::exec();
    }
    return status;
}
