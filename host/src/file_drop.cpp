#include "file_drop.h"

#include <QAbstractItemView>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

FileDrop::FileDrop(QAbstractItemView* view, Accepts accepts, Dropped dropped)
    : QObject(view), accepts_(std::move(accepts)), dropped_(std::move(dropped)) {
    view->setAcceptDrops(true);
    view->viewport()->setAcceptDrops(true);
    view->setDropIndicatorShown(false);
    view->viewport()->installEventFilter(this);
}

QStringList FileDrop::localFiles(const QMimeData* mime) {
    QStringList files;
    if (!mime || !mime->hasUrls()) return files;
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile() || QFileInfo(url.toLocalFile()).isDir()) return {};
        files.append(url.toLocalFile());
    }
    return files;
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* drag = static_cast<QDropEvent*>(event);
            const QStringList files = localFiles(drag->mimeData());
            if (files.isEmpty() || !accepts_(drag->pos())) {
                drag->ignore();
                return true;
            }
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            if (event->type() == QEvent::Drop) dropped_(drag->pos(), files);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
    }
}
