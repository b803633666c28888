// FileOpenDlg: a file chooser kept within two roots, the local folder it starts in ("HDD
// DEVICE") and the removable-media folder "/media" ("USB DEVICE"). Folders show in a
// display form relative to the current root, the root itself as "/".
#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>

#include <memory>

#include "profilekit_api.h"

class QFileInfo;
class QTreeWidgetItem;

namespace Ui {
class OpenFileDlg;
}

class PROFILEKIT_EXPORT FileOpenDlg : public QDialog {
    Q_OBJECT

public:
    explicit FileOpenDlg(QString startPath, QWidget* parent = nullptr);
    ~FileOpenDlg() override;

    // Runs the dialog modally; the chosen file's full path, empty when none was chosen.
    static QString getOpenFileName(QWidget* parent, QString startPath);
    QString selectedPath() const { return m_selectedPath; }

public Q_SLOTS:
    // Lists the folder of the display path.
    void UpdateTree(const QString& displayPath);
    // Makes `root` the current root and shows it.
    void UpdateRoot(QString root);
    // Makes the display path the path box's current entry and lists it.
    void UpdateDirCombox(QString displayPath);
    void cdUp();
    void OnOK();
    void OnCancel();
    void ChangeToHddDevice();
    void ChangeToUsbDevice();
    void itemDoubleClickedFiles(QTreeWidgetItem* item, int column);
    void itemPressed(QTreeWidgetItem* item, int column);
    void on_treeWidgetFiles_itemClicked(QTreeWidgetItem* item, int column);

private:
    QString FullStrToShowStr(const QString& fullPath) const;
    QString ShowStrToFullStr(const QString& displayPath) const;
    // "1023 B", "1.0 KB" (up to 1 MiB), "1.0 MB" (up to 1 GiB), "1.0 GB".
    static QString GetSizeString(qint64 bytes);
    QTreeWidgetItem* listItem(const QFileInfo& entry) const;
    void fillPathBox(const QString& displayPath);
    void open(QTreeWidgetItem* item);

    std::unique_ptr<Ui::OpenFileDlg> ui_;
    QString m_root;
    QString m_localRoot;
    QString m_mediaRoot;
    QString m_selectedPath;
    QIcon m_folderIcon;
    QIcon m_fileIcon;
};
