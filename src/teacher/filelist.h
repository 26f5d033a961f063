#pragma once

#include <QListWidget>

// The file list: the picture files ("*.jpg*") of one folder. fileClicked()
// reports a file the user selects, by mouse or keys.
class FileList : public QListWidget {
    Q_OBJECT
public:
    FileList(QWidget *parent, const QString &name);

    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);
    // Reads the folder again; nothing is selected afterwards.
    void refresh();
    // The selected file's name; empty when none is selected.
    QString selectedName() const;

Q_SIGNALS:
    void fileClicked();

private:
    QString m_folder;
};
