#include "ftp_items.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QIcon>

#include <cstring>

#include "profilekit/size_text.h"
#include "profilekit/utf8_cut.h"

namespace ftpitems {

namespace {

constexpr int kFolderRole = Qt::UserRole + 1;
const char kTimeForm[] = "yyyy-MM-dd hh:mm";

QString folderText() {
    return QCoreApplication::translate("BtFtpClient", "Folder");
}

void finish(QTreeWidgetItem* item, bool folder, const QIcon& icon) {
    item->setIcon(Name, icon);
    item->setData(Name, kFolderRole, folder);
    item->setTextAlignment(Size, Qt::AlignRight | Qt::AlignVCenter);
    item->setToolTip(
        Name,
        QCoreApplication::translate("BtFtpClient", "Name:\t%1\nSize:\t%2\nType:\t%3\nModified:\t%4")
            .arg(item->text(Name), item->text(Size), item->text(Type), item->text(Modified)));
}

int digits(const char* text, int count) {
    int value = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

QString sizeText(qint64 bytes) {
    return profilekit::sizeText(bytes, 1,
                                {QCoreApplication::translate("BtFtpClient", "%1 B"),
                                 QCoreApplication::translate("BtFtpClient", "%1 KB"),
                                 QCoreApplication::translate("BtFtpClient", "%1 MB"),
                                 QCoreApplication::translate("BtFtpClient", "%1 GB")});
}

QString typeText(const QString& name) {
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

// Read by position rather than through a date format: a folder of tens of thousands of
// entries is shown at the pace the device sends it.
QString remoteTimeText(const char* time, int length) {
    if (length < 16 || time[8] != 'T' || time[15] != 'Z')
        return QString();
    const int year = digits(time, 4), month = digits(time + 4, 2), day = digits(time + 6, 2);
    const int hour = digits(time + 9, 2), minute = digits(time + 11, 2),
              second = digits(time + 13, 2);
    const QDateTime utc(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
    return utc.isValid() ? utc.toLocalTime().toString(QLatin1String(kTimeForm)) : QString();
}

QTreeWidgetItem* localItem(const QFileInfo& info, const QIcon& folderIcon, const QIcon& fileIcon) {
    auto* item = new QTreeWidgetItem;
    const bool folder = info.isDir();
    item->setText(Name, info.fileName());
    if (folder) {
        item->setText(Type, folderText());
    } else {
        item->setText(Size, sizeText(info.size()));
        item->setText(Type, info.suffix());
    }
    item->setText(Modified, info.lastModified().toString(QLatin1String(kTimeForm)));
    finish(item, folder, folder ? folderIcon : fileIcon);
    return item;
}

RemoteItem::RemoteItem(const FTP_FIND_DATA& entry, const QIcon& folderIcon, const QIcon& fileIcon)
    : QTreeWidgetItem(kType), entry_(entry) {
    const bool folder = entry.attributes & BTSDK_FTP_ATTR_FOLDER;
    const QString name = utf8cut::decode(entry.name, int(strnlen(entry.name, sizeof entry.name)));
    setText(ftpitems::Name, name);
    if (folder) {
        setText(ftpitems::Type, folderText());
    } else {
        setText(ftpitems::Size, sizeText(entry.size));
        setText(ftpitems::Type, typeText(name));
    }
    setText(ftpitems::Modified,
            remoteTimeText(entry.time, int(strnlen(entry.time, sizeof entry.time))));
    finish(this, folder, folder ? folderIcon : fileIcon);
}

const FTP_FIND_DATA* remoteEntry(const QTreeWidgetItem* item) {
    return item && item->type() == RemoteItem::kType
               ? &static_cast<const RemoteItem*>(item)->entry()
               : nullptr;
}

bool isFolder(const QTreeWidgetItem* item) {
    return item && item->data(Name, kFolderRole).toBool();
}

QTreeWidgetItem* newFolderItem(const QString& name, const QIcon& folderIcon) {
    auto* item = new QTreeWidgetItem;
    item->setText(Name, name);
    item->setText(Type, folderText());
    finish(item, true, folderIcon);
    return item;
}

}  // namespace ftpitems
