// Files dropped on the rows of a list view: the drag is taken only over a row that
// accepts files and only when it carries local files (file: URLs of the text/uri-list
// format, no folders); the drop hands their paths to the row's handler.
#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>

#include <functional>

class QAbstractItemView;
class QMimeData;

class FileDrop : public QObject {
    Q_OBJECT
public:
    // Whether the row at the viewport position takes files; what to do with them there.
    using Accepts = std::function<bool(const QPoint& pos)>;
    using Dropped = std::function<void(const QPoint& pos, const QStringList& files)>;

    FileDrop(QAbstractItemView* view, Accepts accepts, Dropped dropped);

    // The local files the drag carries; empty when it carries anything else.
    static QStringList localFiles(const QMimeData* mime);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Accepts accepts_;
    Dropped dropped_;
};
