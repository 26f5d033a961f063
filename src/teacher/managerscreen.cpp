#include "managerscreen.h"

#include "app/art.h"
#include "app/imagebox.h"
#include "app/look.h"
#include "app/screens.h"
#include "app/services.h"
#include "app/twips.h"
#include "drives.h"
#include "filelist.h"
#include "folderlist.h"
#include "folderlisting.h"
#include "library/picturelibrary.h"
#include "libraryfiles.h"
#include "savetargets.h"
#include "wordcheck.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>

#include <map>

ManagerScreen::ManagerScreen(Screens &screens)
    : Screen(screens, ScreenId::frmbenutzer) {}

QString ManagerScreen::programFolder() {
    return QCoreApplication::applicationDirPath();
}

namespace {
using Handler = void (ManagerScreen::*)();

// In the order of savetargets::all().
const Handler saveHandlers[] = {
    &ManagerScreen::cmdspeichernd1_Click,   &ManagerScreen::cmdspeichernd2_Click,
    &ManagerScreen::cmdspeichernd3_Click,   &ManagerScreen::cmdspeicherne1_Click,
    &ManagerScreen::cmdspeicherne2_Click,   &ManagerScreen::cmdspeicherne3_Click,
    &ManagerScreen::cmdhintergruende_Click,
};

QLabel *heading(QWidget *parent, const char *name, const QString &text, int left, int top) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(look::font(12));
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(p);
    twips::place(label, left, top, 3135, 375);
    return label;
}
} // namespace

void ManagerScreen::build(ScreenWindow &window) {
    window.setWindowTitle(QStringLiteral("Neue Grafiken einbinden"));
    window.setBorder(ScreenWindow::Border::FixedSingle);
    window.setClientTwips(8325, 7185);
    window.setBackColor(look::paleTurquoise());
    window.setBackgroundPicture(art::pixmap(QStringLiteral("bg_pale.png")));
    QWidget *client = window.client();
    std::map<int, QWidget *> tabOrder;

    heading(client, "lblaussuchen", QStringLiteral("Hier das Bild aussuchen:"), 120, 240);

    m_drives = new QComboBox(client);
    m_drives->setObjectName(QStringLiteral("drvlaufwerke"));
    twips::place(m_drives, 240, 840, 2895, 315);
    const QList<drives::Drive> offered = drives::mounted();
    for (const drives::Drive &drive : offered)
        m_drives->addItem(drive.label, drive.path);
    m_drives->setCurrentIndex(drives::indexHolding(offered, QDir::currentPath()));
    QObject::connect(m_drives, &QComboBox::currentIndexChanged, m_drives,
                     [this] { drvlaufwerke_Change(); });
    tabOrder[0] = m_drives;

    m_folders = new FolderList(client, QStringLiteral("Dirverzeichnis"));
    twips::place(m_folders, 240, 1320, 2895, 2565);
    QObject::connect(m_folders, &FolderList::changed, m_folders,
                     [this] { Dirverzeichnis_Change(); });
    tabOrder[1] = m_folders;

    m_files = new FileList(client, QStringLiteral("filanzeige"));
    twips::place(m_files, 240, 4080, 2895, 2235);
    QObject::connect(m_files, &FileList::fileClicked, m_files, [this] { filanzeige_Click(); });
    tabOrder[2] = m_files;

    const auto button = [&](const QString &name, const QString &caption, int left, int top,
                            int width, double pointSize, Handler handler) {
        auto *b = new QPushButton(caption, client);
        b->setObjectName(name);
        look::styleButton(b, pointSize);
        twips::place(b, left, top, width, 615);
        QObject::connect(b, &QPushButton::clicked, b, [this, handler] { (this->*handler)(); });
        return b;
    };
    tabOrder[5] = button(QStringLiteral("cmdzurück"), QStringLiteral("Zurück zum Hauptmenü"), 360,
                         6480, 2415, 8.25, &ManagerScreen::cmdzurueck_Click);

    m_preview = new ImageBox(client, QStringLiteral("Image1"));
    twips::place(m_preview, 4440, 240, 2655, 2535);
    // The thin border, drawn over the stretched picture.
    auto *border = new QFrame(client);
    border->setFrameShape(QFrame::Box);
    border->setAttribute(Qt::WA_TransparentForMouseEvents);
    twips::place(border, 4440, 240, 2655, 2535);

    m_word = new QLineEdit(client);
    m_word->setObjectName(QStringLiteral("txteingabe"));
    m_word->setFont(look::font(9.75));
    twips::place(m_word, 4440, 2880, 2655, 405);
    tabOrder[3] = m_word;

    tabOrder[14] = button(QStringLiteral("cmdlöschen"), QStringLiteral("Bild löschen"), 4440, 3480,
                          2655, 9.75, &ManagerScreen::cmdloeschen_Click);

    heading(client, "lblspeichern", QStringLiteral("Bild in Ordner speichern:"), 4200, 4320);

    const auto &targets = savetargets::all();
    for (size_t i = 0; i < targets.size(); ++i) {
        const SaveTarget &t = targets[i];
        tabOrder[t.tabIndex] = button(QString::fromUtf8(t.button), QString::fromUtf8(t.caption),
                                      t.left, t.top, t.width, 8.25, saveHandlers[i]);
    }

    QWidget *previous = nullptr;
    for (const auto &[index, widget] : tabOrder) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    m_drives->setFocus();
    buildMenu(window);
}

void ManagerScreen::buildMenu(ScreenWindow &window) {
    QMenuBar *bar = window.menuBar();
    const auto menu = [&](const char *name, const QString &caption) {
        QMenu *m = bar->addMenu(caption);
        m->setObjectName(QString::fromUtf8(name));
        m->menuAction()->setObjectName(QString::fromUtf8(name));
        return m;
    };
    const auto entry = [&](QMenu *m, const char *name, const QString &caption, Handler handler) {
        QAction *a = m->addAction(caption);
        a->setObjectName(QString::fromUtf8(name));
        QObject::connect(a, &QAction::triggered, m, [this, handler] { (this->*handler)(); });
    };
    QMenu *datei = menu("mnudatei", QStringLiteral("&Datei"));
    entry(datei, "mnuzurück", QStringLiteral("Zurück"), &ManagerScreen::mnuzurueck_Click);
    datei->addSeparator()->setObjectName(QStringLiteral("Strich"));
    entry(datei, "mnubeenden", QStringLiteral("Beenden"), &ManagerScreen::mnubeenden_Click);
    QMenu *hilfe = menu("mnuhilfe", QStringLiteral("&Hilfe"));
    entry(hilfe, "mnuAnleitung", QStringLiteral("Anleitung"), &ManagerScreen::mnuAnleitung_Click);
}

void ManagerScreen::discardControls() {
    m_drives = nullptr;
    m_folders = nullptr;
    m_files = nullptr;
    m_preview = nullptr;
    m_word = nullptr;
}

void ManagerScreen::formLoad() {
    m_folders->setPath(programFolder());
}

void ManagerScreen::drvlaufwerke_Change() {
    // A drive that is gone or cannot be read leads back to the program's
    // folder; the drive list keeps showing the chosen drive.
    m_folders->setPath(
        folderlisting::openable(m_drives->currentData().toString(), programFolder()));
}

void ManagerScreen::Dirverzeichnis_Change() {
    m_files->setFolder(m_folders->path());
}

void ManagerScreen::filanzeige_Click() {
    const QString name = m_files->selectedName();
    if (name.isEmpty())
        return;
    // A file that is no readable picture leaves the old preview.
    if (Picture picture = loadPictureFile(QDir(m_files->folder()).filePath(name)))
        m_preview->setPicture(std::move(picture));
    m_word->clear();
}

void ManagerScreen::cmdspeichernd1_Click() {
    save(savetargets::all()[savetargets::DeutschL1]);
}
void ManagerScreen::cmdspeichernd2_Click() {
    save(savetargets::all()[savetargets::DeutschL2]);
}
void ManagerScreen::cmdspeichernd3_Click() {
    save(savetargets::all()[savetargets::DeutschL3]);
}
void ManagerScreen::cmdspeicherne1_Click() {
    save(savetargets::all()[savetargets::EnglischL1]);
}
void ManagerScreen::cmdspeicherne2_Click() {
    save(savetargets::all()[savetargets::EnglischL2]);
}
void ManagerScreen::cmdspeicherne3_Click() {
    save(savetargets::all()[savetargets::EnglischL3]);
}
void ManagerScreen::cmdhintergruende_Click() {
    save(savetargets::all()[savetargets::Hintergruende]);
}

void ManagerScreen::save(const SaveTarget &target) {
    const bool yes = services().dialogs->question(QString::fromUtf8(target.question), appTitle);
    if (!isLoaded())
        return;
    if (yes)
        savePreview(target);
    if (target.emptiesWord && isLoaded())
        m_word->clear();
}

void ManagerScreen::savePreview(const SaveTarget &target) {
    const Picture picture = m_preview->picture();
    // Nothing previewed: nothing to save, and nothing to say about it.
    if (!picture)
        return;
    const QString word = m_word->text();
    QString problem = wordcheck::unsafe(word);
    if (problem.isEmpty() && target.levelFolder)
        problem = wordcheck::unplayable(word, library());
    if (problem.isEmpty())
        problem = libraryfiles::savePicture(library(), target.folder, word, *picture);
    if (!problem.isEmpty())
        tell(QStringLiteral("Das Bild wurde nicht gespeichert. ") + problem);
}

void ManagerScreen::cmdloeschen_Click() {
    const QString name = m_files->selectedName();
    const QString path = QDir(m_files->folder()).filePath(name);
    const bool yes = services().dialogs->question(
        QStringLiteral("Möchten Sie das Bild wirklich löschen?"), appTitle);
    if (!isLoaded())
        return;
    if (yes && !name.isEmpty()) {
        const QString problem = libraryfiles::removeFile(path);
        if (!problem.isEmpty())
            tell(problem);
    }
    if (isLoaded())
        m_files->refresh();
}

void ManagerScreen::cmdzurueck_Click() {
    unloadSelf();
}

void ManagerScreen::mnuzurueck_Click() {
    unloadSelf();
}

void ManagerScreen::mnubeenden_Click() {
    screens().endProgram();
}

void ManagerScreen::mnuAnleitung_Click() {
    screens().show(ScreenId::frmbenutzeranleitung);
}

void ManagerScreen::tell(const QString &text) {
    services().dialogs->message(text, appTitle, Dialogs::Icon::Warning);
}
