#pragma once

#include "app/screen.h"

class FileList;
class FolderList;
class ImageBox;
class QComboBox;
class QLineEdit;
struct SaveTarget;

// The teacher's picture-library manager: browse for a picture, preview it,
// save it under a typed word into a level or the background folder, or
// delete a listed file.
class ManagerScreen : public Screen {
public:
    explicit ManagerScreen(Screens &screens);

    // Where browsing starts, and where a drive that cannot be opened leads.
    static QString programFolder();

    void drvlaufwerke_Change();
    void Dirverzeichnis_Change();
    void filanzeige_Click();
    void cmdspeichernd1_Click();
    void cmdspeichernd2_Click();
    void cmdspeichernd3_Click();
    void cmdspeicherne1_Click();
    void cmdspeicherne2_Click();
    void cmdspeicherne3_Click();
    void cmdhintergruende_Click();
    void cmdloeschen_Click();
    void cmdzurueck_Click();
    void mnuzurueck_Click();
    void mnubeenden_Click();
    void mnuAnleitung_Click();

protected:
    void build(ScreenWindow &window) override;
    void formLoad() override;
    void discardControls() override;

private:
    void buildMenu(ScreenWindow &window);
    void save(const SaveTarget &target);
    void savePreview(const SaveTarget &target);
    void tell(const QString &text);

    QComboBox *m_drives = nullptr;
    FolderList *m_folders = nullptr;
    FileList *m_files = nullptr;
    ImageBox *m_preview = nullptr;
    QLineEdit *m_word = nullptr;
};
