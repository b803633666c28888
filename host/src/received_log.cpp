#include "received_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>

namespace {

const QString kFolder = QStringLiteral("folder"), kFile = QStringLiteral("file"), kSender = QStringLiteral("sender"),
              kTime = QStringLiteral("time"), kSize = QStringLiteral("size");

}  // namespace

QString ReceivedEntry::path() const { return QDir(folder).filePath(file); }

QString ReceivedLog::storePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/corvane/received-files.json");
}

ReceivedLog::ReceivedLog(QObject* parent) : QObject(parent) {
    QFile store(storePath());
    if (!store.open(QIODevice::ReadOnly)) return;
    const QJsonArray all = QJsonDocument::fromJson(store.readAll()).array();
    for (const QJsonValue& value : all) {
        const QJsonObject object = value.toObject();
        entries_.append({object.value(kFolder).toString(), object.value(kFile).toString(),
                         object.value(kSender).toString(),
                         QDateTime::fromString(object.value(kTime).toString(), Qt::ISODateWithMs),
                         static_cast<qint64>(object.value(kSize).toDouble())});
    }
}

void ReceivedLog::add(const ReceivedEntry& entry) {
    entries_.append(entry);
    save();
    Q_EMIT added(entry);
}

void ReceivedLog::save() const {
    QJsonArray all;
    for (const ReceivedEntry& entry : entries_)
        all.append(QJsonObject{{kFolder, entry.folder},
                               {kFile, entry.file},
                               {kSender, entry.sender},
                               {kTime, entry.time.toString(Qt::ISODateWithMs)},
                               {kSize, static_cast<double>(entry.size)}});
    QDir().mkpath(QFileInfo(storePath()).path());
    QSaveFile store(storePath());
    if (!store.open(QIODevice::WriteOnly) || store.write(QJsonDocument(all).toJson()) < 0 || !store.commit())
        std::fprintf(stderr, "corvane-manager: cannot write %s\n", qPrintable(storePath()));
}
