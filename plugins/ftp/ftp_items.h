// The rows of the browser's two panes: columns Name, Size, Type and Modified, a tool-tip
// with the four texts, and for a remote row its own copy of the entry the device sent.
#pragma once

#include <QString>
#include <QTreeWidgetItem>

#include "corvclient/btsdk_ftp.h"

class QFileInfo;
class QIcon;

namespace ftpitems {

enum Column { Name = 0, Size = 1, Type = 2, Modified = 3 };

// "%1 B" below 1024, then KB up to and including 1 MiB, MB up to 1 GiB, GB above, with
// one decimal: 1048576 is "1024.0 KB", 1048577 "1.0 MB". Local files may pass 4 GiB.
QString sizeText(qint64 bytes);
// The text after the name's last ".", empty when there is none or nothing follows it.
QString typeText(const QString& name);
// A device's "yyyyMMddThhmmssZ" (UTC) as local "yyyy-MM-dd hh:mm"; empty when unreadable.
QString remoteTimeText(const char* time, int length);

// A row of the local pane for a file or folder.
QTreeWidgetItem* localItem(const QFileInfo& info, const QIcon& folderIcon, const QIcon& fileIcon);

// A row of the remote pane; owns a copy of the entry.
class RemoteItem : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 1;
    RemoteItem(const FTP_FIND_DATA& entry, const QIcon& folderIcon, const QIcon& fileIcon);
    const FTP_FIND_DATA& entry() const { return entry_; }

private:
    FTP_FIND_DATA entry_;
};

// The entry of a remote row, null for any other row.
const FTP_FIND_DATA* remoteEntry(const QTreeWidgetItem* item);
bool isFolder(const QTreeWidgetItem* item);
// A new remote folder's row before the device has it.
QTreeWidgetItem* newFolderItem(const QString& name, const QIcon& folderIcon);

}  // namespace ftpitems
