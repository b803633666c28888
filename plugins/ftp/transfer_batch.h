// TransferBatch: the items of one download, upload or remote delete request, carried out
// one after another (each after the report of the one before), with the count of those
// done, failed and skipped for the closing summary.
#pragma once

#include <QList>
#include <QString>

class TransferBatch {
public:
    enum Kind { Download, Upload, Delete };
    struct Item {
        QString remoteName;
        QString localPath;
        bool isFolder = false;
    };

    void start(Kind kind, const QList<Item>& items);
    bool active() const { return active_; }
    Kind kind() const { return kind_; }
    int count() const { return count_; }
    // 1 for the first item, after next() has handed it out.
    int position() const { return count_ - pending_.size(); }
    bool hasNext() const { return active_ && !pending_.isEmpty(); }
    Item next() { return pending_.takeFirst(); }

    void succeeded() { ++done_; }
    void failed() { ++failed_; }
    void skipped() { ++skipped_; }
    // The user cancelled: the rest are not carried out.
    void cancel() {
        pending_.clear();
        cancelled_ = true;
    }
    bool cancelled() const { return cancelled_; }
    // The rest are not carried out (they cannot be).
    void abandon() { pending_.clear(); }
    // Ends the batch; "3 of 4 downloaded, 1 failed", "1 of 4 downloaded, cancelled" and
    // the like.
    QString finish();
    bool anyFailed() const { return failed_ != 0; }
    int done() const { return done_; }
    // Items whose operation ran, successful or not.
    int attempted() const { return done_ + failed_; }

private:
    bool active_ = false;
    Kind kind_ = Download;
    QList<Item> pending_;
    int count_ = 0, done_ = 0, failed_ = 0, skipped_ = 0;
    bool cancelled_ = false;
};
