#include "my_tree_widget.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMouseEvent>

#include "my_mime_data.h"

const char MyTreeWidget::kRemoteFormat[] = "application/x-Corvane";

MyTreeWidget::MyTreeWidget(QWidget* parent) : QTreeWidget(parent) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setViewMode(List);
}

// List view shows the names alone; details all four columns, the name sized to fit.
void MyTreeWidget::setViewMode(ViewMode mode) {
    mode_ = mode;
    for (int column = 1; column < columnCount(); ++column) setColumnHidden(column, mode == List);
    if (mode == Details) resizeColumnToContents(0);
}

QString MyTreeWidget::pathOf(const QString& name) const { return childPath(path_, name); }

MyMimeData* MyTreeWidget::dragPayload() const {
    auto* payload = new MyMimeData;
    QList<QUrl> urls;
    for (const QTreeWidgetItem* item : selectedItems()) urls << pathUrl(pathOf(item->text(0)));
    payload->setUrls(urls);
    if (kind_ == Remote) payload->setData(QLatin1String(kRemoteFormat), QByteArrayLiteral("1"));
    return payload;
}

bool MyTreeWidget::accepts(const QMimeData* payload) const {
    if (!payload || !payload->hasUrls()) return false;
    const bool fromRemote = payload->hasFormat(QLatin1String(kRemoteFormat));
    return kind_ == Remote ? !fromRemote : fromRemote;
}

void MyTreeWidget::startDrag(Qt::DropActions) {
    if (selectedItems().isEmpty()) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(dragPayload());
    drag->exec(Qt::CopyAction);
}

// Copy is the only drop action; a payload this pane does not take is refused.
bool MyTreeWidget::acceptCopy(QDropEvent* event) const {
    if (!accepts(event->mimeData())) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

void MyTreeWidget::dragEnterEvent(QDragEnterEvent* event) { acceptCopy(event); }

void MyTreeWidget::dragMoveEvent(QDragMoveEvent* event) { acceptCopy(event); }

void MyTreeWidget::dropEvent(QDropEvent* event) {
    if (!acceptCopy(event)) return;
    const QList<QUrl> urls = event->mimeData()->urls();
    if (kind_ == Remote)
        Q_EMIT UploadRequest(urls);
    else
        Q_EMIT DownloadRequest(urls);
}

void MyTreeWidget::mousePressEvent(QMouseEvent* event) {
    QTreeWidget::mousePressEvent(event);
    Q_EMIT SignalMousePressEvent(event);
}
