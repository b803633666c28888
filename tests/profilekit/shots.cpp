#include "shots.h"

#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace pktest {

void saveShot(QWidget* widget, const char* name) {
    const QString dir = qEnvironmentVariable("PROFILEKIT_SHOTS_DIR");
    if (dir.isEmpty()) return;
    widget->grab().save(QDir(dir).filePath(QStringLiteral("pk-%1.png").arg(QLatin1String(name))));
}

}  // namespace pktest
