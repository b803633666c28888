#include "received_files.h"

#include <QDesktopServices>
#include <QHeaderView>
#include <QLocale>
#include <QUrl>

#include "received_log.h"
#include "ui_received_files.h"

namespace {
enum Column { kFile, kSender, kTime, kSize };
constexpr int kPathRole = Qt::UserRole, kFolderRole = Qt::UserRole + 1;
}  // namespace

ReceivedFiles::ReceivedFiles(ReceivedLog* log, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ReceivedFiles>()) {
    ui_->setupUi(this);
    setObjectName(QStringLiteral("receivedFiles"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The name takes the room that the other columns leave.
    QHeaderView* header = ui_->receivedList->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kFile, QHeaderView::Stretch);
    for (const ReceivedEntry& entry : log->entries()) addRow(entry);
    connect(log, &ReceivedLog::added, this, &ReceivedFiles::addRow);
    connect(ui_->openButton, &QPushButton::clicked, this, [this] { openSelected(false); });
    connect(ui_->openFolderButton, &QPushButton::clicked, this, [this] { openSelected(true); });
    connect(ui_->receivedList, &QTreeWidget::itemDoubleClicked, this, [this] { openSelected(false); });
    connect(ui_->receivedList, &QTreeWidget::currentItemChanged, this, &ReceivedFiles::updateButtons);
    ui_->receivedList->setCurrentItem(ui_->receivedList->topLevelItem(0));
    updateButtons();
}

ReceivedFiles::~ReceivedFiles() = default;

void ReceivedFiles::addRow(const ReceivedEntry& entry) {
    auto* row = new QTreeWidgetItem;
    row->setText(kFile, entry.file);
    row->setText(kSender, entry.sender);
    row->setText(kTime, QLocale().toString(entry.time, QLocale::ShortFormat));
    row->setText(kSize, QLocale().formattedDataSize(entry.size));
    row->setTextAlignment(kSize, Qt::AlignRight | Qt::AlignVCenter);
    row->setToolTip(kFile, entry.path());
    row->setData(kFile, kPathRole, entry.path());
    row->setData(kFile, kFolderRole, entry.folder);
    ui_->receivedList->insertTopLevelItem(0, row);
    // A file that arrives while the list is open and nothing is chosen is ready to open.
    if (!ui_->receivedList->currentItem()) ui_->receivedList->setCurrentItem(row);
}

void ReceivedFiles::openSelected(bool folder) {
    if (QTreeWidgetItem* row = ui_->receivedList->currentItem())
        QDesktopServices::openUrl(QUrl::fromLocalFile(row->data(kFile, folder ? kFolderRole : kPathRole).toString()));
}

void ReceivedFiles::updateButtons() {
    bool selected = ui_->receivedList->currentItem() != nullptr;
    ui_->openButton->setEnabled(selected);
    ui_->openFolderButton->setEnabled(selected);
}
