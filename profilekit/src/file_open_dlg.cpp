#include "profilekit/file_open_dlg.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QSignalBlocker>

#include "profilekit/modal_dialog.h"
#include "profilekit/size_text.h"
#include "profilekit/skin_icon.h"
#include "ui_open_file_dlg.h"

namespace {

constexpr int kPathRole = Qt::UserRole;        // the entry's full path
constexpr int kFolderRole = Qt::UserRole + 1;  // true for a folder
constexpr int kName = 0, kSize = 1, kType = 2, kModified = 3;

const QString kRootShown = QStringLiteral("/");

}  // namespace

FileOpenDlg::FileOpenDlg(QString startPath, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::OpenFileDlg>()),
      m_root(QDir::cleanPath(startPath)),
      m_localRoot(m_root),
      m_mediaRoot(QStringLiteral("/media")),
      m_folderIcon(SkinIcon(skinpicture::kFolder, QStyle::SP_DirIcon)),
      m_fileIcon(SkinIcon(skinpicture::kFile, QStyle::SP_FileIcon)) {
    ui_->setupUi(this);
    ui_->upperdir->setIcon(SkinIcon(skinpicture::kUpperFolder, QStyle::SP_FileDialogToParent));
    ui_->radioLocal->setIcon(SkinIcon(skinpicture::kHddDevice, QStyle::SP_DriveHDIcon));
    ui_->radioMedia->setIcon(SkinIcon(skinpicture::kUsbDevice, QStyle::SP_DriveFDIcon));
    // The name takes the room the size, type and time leave.
    QHeaderView* header = ui_->treeWidgetFiles->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kName, QHeaderView::Stretch);

    connect(ui_->upperdir, &QToolButton::clicked, this, &FileOpenDlg::cdUp);
    connect(ui_->treeWidgetFiles, &QTreeWidget::itemDoubleClicked, this, &FileOpenDlg::itemDoubleClickedFiles);
    connect(ui_->treeWidgetFiles, &QTreeWidget::itemPressed, this, &FileOpenDlg::itemPressed);
    connect(ui_->rootdir, &QComboBox::currentTextChanged, this, &FileOpenDlg::UpdateTree);
    connect(ui_->Ok, &QPushButton::clicked, this, &FileOpenDlg::OnOK);
    connect(ui_->Cancel, &QPushButton::clicked, this, &FileOpenDlg::OnCancel);
    connect(ui_->radioLocal, &QRadioButton::clicked, this, &FileOpenDlg::ChangeToHddDevice);
    connect(ui_->radioMedia, &QRadioButton::clicked, this, &FileOpenDlg::ChangeToUsbDevice);
    UpdateDirCombox(kRootShown);
    setWindowFlags(Qt::Window);
}

FileOpenDlg::~FileOpenDlg() = default;

QString FileOpenDlg::getOpenFileName(QWidget* parent, QString startPath) {
    ModalDialog<FileOpenDlg> dialog(startPath, parent);
    dialog.exec();
    const FileOpenDlg* alive = dialog.get();
    return alive ? alive->selectedPath() : QString();
}

QString FileOpenDlg::FullStrToShowStr(const QString& fullPath) const {
    QString root = m_root;
    if (root.endsWith(QLatin1Char('/'))) root.chop(1);
    QString shown = fullPath.mid(root.size());
    if (!shown.startsWith(QLatin1Char('/'))) shown.prepend(QLatin1Char('/'));
    return shown;
}

QString FileOpenDlg::ShowStrToFullStr(const QString& displayPath) const {
    return QDir::cleanPath(m_root + QLatin1Char('/') + displayPath);
}

void FileOpenDlg::UpdateTree(const QString& displayPath) {
    QTreeWidget* tree = ui_->treeWidgetFiles;
    tree->clear();
    ui_->upperdir->setEnabled(displayPath != kRootShown);
    const QFileInfoList entries = QDir(ShowStrToFullStr(displayPath))
                                      .entryInfoList(QDir::Dirs | QDir::Files | QDir::Drives | QDir::Hidden |
                                                         QDir::System | QDir::AllDirs | QDir::NoDotAndDotDot,
                                                     QDir::Name | QDir::DirsFirst);
    for (const QFileInfo& entry : entries) {
        // Folders whose names begin with "." hold settings, not files to send. Only
        // folders and regular files are offered: a pipe, device or dangling link
        // chosen here would block or fail the transfer that reads it.
        if (entry.isDir() ? entry.fileName().startsWith(QLatin1Char('.')) : !entry.isFile()) continue;
        tree->addTopLevelItem(listItem(entry));
    }
}

QTreeWidgetItem* FileOpenDlg::listItem(const QFileInfo& entry) const {
    auto* item = new QTreeWidgetItem;
    const bool folder = entry.isDir();
    const QString name = entry.fileName();
    const QString size = folder ? QString() : GetSizeString(entry.size());
    const QString type = folder ? tr("Folder") : entry.suffix();
    const QString modified =
        folder ? QString() : entry.lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    item->setIcon(kName, folder ? m_folderIcon : m_fileIcon);
    item->setText(kName, name);
    item->setText(kSize, size);
    item->setTextAlignment(kSize, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(kType, type);
    item->setText(kModified, modified);
    const QString tip = tr("Name:\t%1\nSize:\t%2\nType:\t%3\nModified:\t%4").arg(name, size, type, modified);
    for (int column = kName; column <= kModified; ++column) item->setToolTip(column, tip);
    item->setData(kName, kPathRole, entry.filePath());
    item->setData(kName, kFolderRole, folder);
    return item;
}

QString FileOpenDlg::GetSizeString(qint64 bytes) {
    return profilekit::sizeText(bytes, 1, {tr("%1 B"), tr("%1 KB"), tr("%1 MB"), tr("%1 GB")});
}

void FileOpenDlg::UpdateRoot(QString root) {
    m_root = QDir::cleanPath(root);
    {
        const QSignalBlocker quiet(ui_->rootdir);
        ui_->rootdir->clear();
    }
    UpdateDirCombox(kRootShown);
}

// The path box holds the current folder and the folders above it up to the root.
void FileOpenDlg::UpdateDirCombox(QString displayPath) {
    {
        const QSignalBlocker quiet(ui_->rootdir);
        if (ui_->rootdir->findText(displayPath) < 0) fillPathBox(displayPath);
        ui_->rootdir->setCurrentIndex(ui_->rootdir->findText(displayPath));
    }
    UpdateTree(displayPath);
}

void FileOpenDlg::fillPathBox(const QString& displayPath) {
    ui_->rootdir->clear();
    ui_->rootdir->addItem(m_folderIcon, kRootShown);
    QString path;
    for (const QString& part : displayPath.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + part;
        ui_->rootdir->addItem(m_folderIcon, path);
    }
}

void FileOpenDlg::cdUp() {
    const QString shown = ui_->rootdir->currentText();
    if (shown == kRootShown) return;
    const QString parentShown = shown.left(shown.lastIndexOf(QLatin1Char('/')));
    UpdateDirCombox(parentShown.isEmpty() ? kRootShown : parentShown);
}

void FileOpenDlg::OnOK() { open(ui_->treeWidgetFiles->currentItem()); }

void FileOpenDlg::OnCancel() {
    m_selectedPath.clear();
    done(0);
}

void FileOpenDlg::ChangeToHddDevice() {
    ui_->radioLocal->setChecked(true);
    UpdateRoot(m_localRoot);
}

void FileOpenDlg::ChangeToUsbDevice() {
    ui_->radioMedia->setChecked(true);
    UpdateRoot(m_mediaRoot);
}

void FileOpenDlg::itemDoubleClickedFiles(QTreeWidgetItem* item, int) { open(item); }

void FileOpenDlg::itemPressed(QTreeWidgetItem* item, int column) {
    ui_->treeWidgetFiles->setCurrentItem(item, column);
}

void FileOpenDlg::on_treeWidgetFiles_itemClicked(QTreeWidgetItem* item, int column) {
    ui_->treeWidgetFiles->setCurrentItem(item, column);
}

// A folder is entered; a file is chosen and closes the dialog.
void FileOpenDlg::open(QTreeWidgetItem* item) {
    if (!item) return;
    const QString path = item->data(kName, kPathRole).toString();
    if (item->data(kName, kFolderRole).toBool()) {
        UpdateDirCombox(FullStrToShowStr(path));
        return;
    }
    m_selectedPath = path;
    accept();
}
