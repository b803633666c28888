// MyTreeWidget: one pane of the browser. It knows its kind (local or remote), its view
// mode (list or details) and its current folder, builds the payload of a drag from it and
// accepts only drops from the other pane: the remote pane takes local items (uploads),
// the local pane takes remote items (downloads).
#pragma once

#include <QList>
#include <QTreeWidget>
#include <QUrl>

#include "ftp_paths.h"

class MyMimeData;

class MyTreeWidget : public QTreeWidget {
    Q_OBJECT

public:
    enum Kind { Local = 0, Remote = 1 };
    enum ViewMode { List = 0, Details = 1 };

    explicit MyTreeWidget(QWidget* parent = nullptr);

    void setKind(Kind kind) { kind_ = kind; }
    Kind kind() const { return kind_; }
    void setViewMode(ViewMode mode);
    ViewMode viewMode() const { return mode_; }
    void setCurrentPath(const QString& path) { path_ = path; }
    const QString& currentPath() const { return path_; }

    // The path of an entry of the current folder.
    QString pathOf(const QString& name) const;
    // URLs of the selected items; a remote pane's payload also carries the remote mark.
    MyMimeData* dragPayload() const;
    // Whether a drop of that payload is taken by this pane.
    bool accepts(const QMimeData* payload) const;

    static const char kRemoteFormat[];

Q_SIGNALS:
    void UploadRequest(QList<QUrl> urls);
    void DownloadRequest(QList<QUrl> urls);
    void SignalMousePressEvent(QMouseEvent* event);

protected:
    void startDrag(Qt::DropActions supported) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool acceptCopy(QDropEvent* event) const;

    Kind kind_ = Local;
    ViewMode mode_ = List;
    QString path_;
};
