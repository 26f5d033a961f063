#include "folderlist.h"

#include "folderlisting.h"

#include <QStyle>

FolderList::FolderList(QWidget *parent, const QString &name)
    : QListWidget(parent) {
    setObjectName(name);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setPath(item->data(Qt::UserRole).toString()); });
}

void FolderList::setPath(const QString &path) {
    const QList<folderlisting::FolderEntry> rows = folderlisting::entries(path);
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QString openPath;
    for (const folderlisting::FolderEntry &row : rows) {
        auto *item = new QListWidgetItem(row.open ? openIcon : closedIcon,
                                         QString(2 * row.depth, QLatin1Char(' ')) + row.name, this);
        item->setData(Qt::UserRole, row.path);
        if (row.open) {
            openPath = row.path;
            setCurrentItem(item);
        }
    }
    if (openPath == m_path)
        return;
    m_path = openPath;
    Q_EMIT changed();
}
