// What a test plug-in was asked, one line per entry-point call, read back by the tests
// through the plug-in's own "testLog" entry point.
#pragma once

#include <QString>
#include <QStringList>

#include "cvcommon/profile_plugin.h"

inline QStringList& pluginLog() {
    static QStringList log;
    return log;
}

inline void note(const QString& line) { pluginLog().append(line); }
