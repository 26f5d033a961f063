#include "filelist.h"

#include "folderlisting.h"

#include <QSignalBlocker>

FileList::FileList(QWidget *parent, const QString &name)
    : QListWidget(parent) {
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Selection, not the current row: focus alone moves the current row.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!selectedItems().isEmpty())
            Q_EMIT fileClicked();
    });
}

void FileList::setFolder(const QString &folder) {
    m_folder = folder;
    refresh();
}

void FileList::refresh() {
    const QSignalBlocker quiet(this);
    clear();
    addItems(folderlisting::pictureFiles(m_folder));
}

QString FileList::selectedName() const {
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}
