#pragma once

#include <QListWidget>

// The folder list: the open folder with its ancestors above it and its
// subfolders below. Double-click or Enter opens an entry.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    FolderList(QWidget *parent, const QString &name);

    QString path() const { return m_path; }
    // Opens `path`; changed() follows when it is not the open folder already.
    void setPath(const QString &path);

Q_SIGNALS:
    void changed();

private:
    QString m_path;
};
