// The files that remote devices put on this computer, with their sender, time and size,
// kept for the user across restarts in "received-files.json" of the per-user data folder
// ($XDG_DATA_HOME/corvane).
#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

struct ReceivedEntry {
    QString folder, file, sender;
    QDateTime time;
    qint64 size = 0;
    QString path() const;
};

class ReceivedLog : public QObject {
    Q_OBJECT
public:
    // Reads what the file holds.
    explicit ReceivedLog(QObject* parent = nullptr);
    static QString storePath();

    const QList<ReceivedEntry>& entries() const { return entries_; }
    // Keeps the entry and writes the file.
    void add(const ReceivedEntry& entry);

Q_SIGNALS:
    void added(const ReceivedEntry& entry);

private:
    void save() const;
    QList<ReceivedEntry> entries_;
};
