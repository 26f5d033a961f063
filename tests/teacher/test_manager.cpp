#include "picturetree.h"
#include "testapp.h"

#include "app/imagebox.h"
#include "app/startscreen.h"
#include "teacher/drives.h"
#include "teacher/filelist.h"
#include "teacher/folderlist.h"
#include "teacher/folderlisting.h"
#include "teacher/managerscreen.h"
#include "teacher/teacherscreens.h"

#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <unistd.h>

using picturetree::writeFile;
using picturetree::writeImage;

namespace {
const char *const targetFolders[] = {
    "Pics/BilderD/Level1", "Pics/BilderD/Level2", "Pics/BilderD/Level3",   "Pics/BilderE/Level1",
    "Pics/BilderE/Level2", "Pics/BilderE/Level3", "Pics/Hintergrundbilder"};

QString backslashed(QString path) {
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}
} // namespace

class TestManager : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    QString source;

    ManagerScreen *manager() {
        return dynamic_cast<ManagerScreen *>(app->screens.instance(ScreenId::frmbenutzer));
    }
    template <class T> T *control(const QString &name) {
        T *c = manager()->control<T>(name);
        Q_ASSERT(c);
        return c;
    }
    FolderList *folders() { return control<FolderList>(QStringLiteral("Dirverzeichnis")); }
    FileList *files() { return control<FileList>(QStringLiteral("filanzeige")); }
    ImageBox *preview() { return control<ImageBox>(QStringLiteral("Image1")); }
    QLineEdit *word() { return control<QLineEdit>(QStringLiteral("txteingabe")); }
    QComboBox *drives() { return control<QComboBox>(QStringLiteral("drvlaufwerke")); }
    void click(const QString &button) { control<QPushButton>(button)->click(); }

    QStringList listed() {
        QStringList names;
        for (int i = 0; i < files()->count(); ++i)
            names << files()->item(i)->text();
        return names;
    }
    void pick(const QString &name) {
        const QList<QListWidgetItem *> found = files()->findItems(name, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(name));
        files()->setCurrentItem(found.first());
    }
    void previewAndName(const QString &file, const QString &typed) {
        pick(file);
        word()->setText(typed);
    }
    QString at(const QString &relative) const { return app->root() + QLatin1Char('/') + relative; }

    // Every entry below the working folder with its size: what a save or
    // delete changed.
    QStringList tree() const {
        QStringList out;
        QDirIterator it(app->root(),
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            out << QDir(app->root()).relativeFilePath(it.filePath()) + QLatin1Char(':') +
                       QString::number(it.fileInfo().isFile() ? it.fileInfo().size() : -1);
        }
        out.sort();
        return out;
    }

    QList<RecordingDialogs::Call> messages() const {
        QList<RecordingDialogs::Call> out;
        for (const auto &call : app->dialogs.calls) {
            if (call.kind == RecordingDialogs::Kind::Message)
                out << call;
        }
        return out;
    }

private Q_SLOTS:
    void init() {
        app = std::make_unique<TestApp>();
        app->screens.registerScreen(ScreenId::frmStart,
                                    [](Screens &s) { return std::make_unique<StartScreen>(s); });
        registerTeacherScreens(app->screens);
        picturetree::makeLetters(app->root());
        for (const char *folder : targetFolders)
            QVERIFY(QDir().mkpath(at(QString::fromLatin1(folder))));
        source = at(QStringLiteral("Quelle"));
        QVERIFY(writeImage(source + "/Hund.jpg", QSize(40, 30), "JPG", Qt::red));
        QVERIFY(writeImage(source + "/Katze.JPG", QSize(50, 20), "PNG", Qt::blue));
        QVERIFY(writeFile(source + "/kaputt.jpg", "kein Bild"));
        QVERIFY(writeImage(source + "/notiz.jpg.bak", QSize(8, 8), "JPG"));
        QVERIFY(writeImage(source + "/foto.jpeg", QSize(8, 8), "JPG"));
        QVERIFY(writeImage(source + "/.versteckt.jpg", QSize(8, 8), "JPG"));
        QVERIFY(QDir().mkpath(source + "/Ordner.jpg"));
        QVERIFY(writeImage(source + "/Unterordner/Maus.jpg", QSize(8, 8), "JPG"));

        QVERIFY(app->screens.show(ScreenId::frmStart));
        QVERIFY(app->screens.show(ScreenId::frmbenutzer));
        folders()->setPath(source);
    }
    void cleanup() {
        app.reset();
        TestApp::settle();
    }

    void pattern_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("listed");
        QTest::newRow("jpg") << "Hund.jpg" << true;
        QTest::newRow("capitals") << "HUND.JPG" << true;
        QTest::newRow("mixed case") << "Hund.jPg" << true;
        QTest::newRow("name goes on after .jpg") << "Hund.jpg.bak" << true;
        QTest::newRow(".jpg inside the name") << "Hund.jpgx" << true;
        QTest::newRow("nothing before the dot") << ".jpg" << true;
        QTest::newRow("jpeg") << "Hund.jpeg" << false;
        QTest::newRow("no dot") << "Hundjpg" << false;
        QTest::newRow("other picture") << "Hund.gif" << false;
    }
    void pattern() {
        QFETCH(QString, name);
        QFETCH(bool, listed);
        QCOMPARE(folderlisting::matchesPicturePattern(name), listed);
    }

    void opensAtTheProgramFolder() {
        app->screens.unload(ScreenId::frmbenutzer);
        QVERIFY(app->screens.show(ScreenId::frmbenutzer));
        const QString program = ManagerScreen::programFolder();
        QCOMPARE(folders()->path(), program);
        QCOMPARE(files()->folder(), program);
        QVERIFY(!preview()->picture());
        QCOMPARE(word()->text(), QString());
        QCOMPARE(drives()->itemData(0).toString(), QStringLiteral("/"));
        QCOMPARE(manager()->window()->focusWidget(), drives());
    }

    void fileListShowsPictureNamesOnly() {
        QCOMPARE(files()->folder(), source);
        // Visible files only, sorted without regard to case; no folders.
        QCOMPARE(listed(), (QStringList{"Hund.jpg", "kaputt.jpg", "Katze.JPG", "notiz.jpg.bak"}));
    }

    void folderListOpensAFolderOnDoubleClick() {
        // The open folder and its ancestors first, then its subfolders.
        QStringList tail;
        for (int i = folders()->count() - 3; i < folders()->count(); ++i)
            tail << folders()->item(i)->text().trimmed();
        QCOMPARE(tail, (QStringList{"Quelle", "Ordner.jpg", "Unterordner"}));
        QCOMPARE(folders()->currentItem()->text().trimmed(), QStringLiteral("Quelle"));
        QListWidgetItem *sub = folders()->item(folders()->count() - 1);
        const QPoint centre = folders()->visualItemRect(sub).center();
        QTest::mouseClick(folders()->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(folders()->path(), source);
        QTest::mouseDClick(folders()->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(folders()->path(), source + "/Unterordner");
        QCOMPARE(listed(), QStringList{"Maus.jpg"});
    }

    void previewKeepsItsPictureWhenAFileIsNoPicture() {
        word()->setText(QStringLiteral("Wort"));
        pick(QStringLiteral("kaputt.jpg"));
        QVERIFY(!preview()->picture());
        QCOMPARE(word()->text(), QString());

        previewAndName(QStringLiteral("Hund.jpg"), QStringLiteral("Hund"));
        const Picture hund = preview()->picture();
        QVERIFY(hund);
        QCOMPARE(hund->size(), QSize(40, 30));
        pick(QStringLiteral("kaputt.jpg"));
        QCOMPARE(preview()->picture(), hund);
        QCOMPARE(word()->text(), QString());
        QVERIFY(preview()->stretch());
        QVERIFY(app->dialogs.calls.isEmpty());
    }

    void savesIntoEachTarget_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("emptiesWord");
        const char *const rows[][3] = {
            {"cmdspeichernd1", "Deutsch Level 1", targetFolders[0]},
            {"cmdspeichernd2", "Deutsch Level 2", targetFolders[1]},
            {"cmdspeichernd3", "Deutsch Level 3", targetFolders[2]},
            {"cmdspeicherne1", "Englisch Level 1", targetFolders[3]},
            {"cmdspeicherne2", "Englisch Level 2", targetFolders[4]},
            {"cmdspeicherne3", "Englisch Level 3", targetFolders[5]},
            {"cmdhintergründe", "Hintergrundbilder", targetFolders[6]},
        };
        for (const auto &row : rows) {
            QTest::newRow(row[0]) << QString::fromUtf8(row[0])
                                  << QStringLiteral("Möchten Sie das Bild im Ordner %1 speichern?")
                                         .arg(QString::fromUtf8(row[1]))
                                  << QString::fromLatin1(row[2])
                                  << (QByteArray(row[0]) == "cmdspeicherne1");
        }
    }
    void savesIntoEachTarget() {
        QFETCH(QString, button);
        QFETCH(QString, question);
        QFETCH(QString, folder);
        QFETCH(bool, emptiesWord);
        // A PNG named .JPG: what is written depends on the picture only.
        previewAndName(QStringLiteral("Katze.JPG"), QStringLiteral("Katze"));
        click(button);

        QCOMPARE(app->dialogs.calls.size(), 1);
        const RecordingDialogs::Call &asked = app->dialogs.calls.first();
        QCOMPARE(asked.kind, RecordingDialogs::Kind::Question);
        QCOMPARE(asked.text, question);
        QCOMPARE(asked.title, QStringLiteral("Tintenfunkel"));

        const QString path = at(folder + "/Katze.jpg");
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(2) == "BM");
        QCOMPARE(QImageReader(path).format(), QByteArray("bmp"));
        // The game finds it, names it and decodes it.
        const QStringList names = app->library.listFiles(backslashed(folder));
        QCOMPARE(names, QStringList{"Katze.jpg"});
        QCOMPARE(PictureLibrary::wordOf(names.first()), QStringLiteral("Katze"));
        const Picture back = app->library.load(backslashed(folder) + "\\Katze.jpg");
        QVERIFY(back);
        QCOMPARE(back->size(), QSize(50, 20));
        QCOMPARE(back->pixelColor(10, 10), QColor(Qt::blue));

        QCOMPARE(word()->text(), emptiesWord ? QString() : QStringLiteral("Katze"));
        QCOMPARE(preview()->picture()->size(), QSize(50, 20));
        QCOMPARE(files()->folder(), source);
    }

    void englischL1EmptiesTheWordOnEitherAnswer_data() {
        QTest::addColumn<bool>("ja");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nein") << false;
    }
    void englischL1EmptiesTheWordOnEitherAnswer() {
        QFETCH(bool, ja);
        previewAndName(QStringLiteral("Hund.jpg"), QStringLiteral("dog"));
        app->dialogs.answers.enqueue(ja);
        click(QStringLiteral("cmdspeicherne1"));
        QCOMPARE(word()->text(), QString());
        QCOMPARE(QFile::exists(at("Pics/BilderE/Level1/dog.jpg")), ja);
    }

    void neinWritesNothing() {
        previewAndName(QStringLiteral("Hund.jpg"), QStringLiteral("Hund"));
        const QStringList before = tree();
        app->dialogs.answers.enqueue(false);
        click(QStringLiteral("cmdspeichernd2"));
        QCOMPARE(tree(), before);
        QCOMPARE(word()->text(), QStringLiteral("Hund"));
    }

    void aSecondSaveReplacesTheFirst() {
        previewAndName(QStringLiteral("Hund.jpg"), QStringLiteral("Tier"));
        click(QStringLiteral("cmdspeichernd1"));
        previewAndName(QStringLiteral("Katze.JPG"), QStringLiteral("Tier"));
        click(QStringLiteral("cmdspeichernd1"));
        QCOMPARE(app->library.listFiles(QStringLiteral("Pics\\BilderD\\Level1")),
                 QStringList{"Tier.jpg"});
        QCOMPARE(QImage(at("Pics/BilderD/Level1/Tier.jpg")).size(), QSize(50, 20));
        QCOMPARE(app->dialogs.calls.size(), 2);
        QVERIFY(messages().isEmpty());
    }

    void savesIntoAFolderSpelledInAnotherCase() {
        QVERIFY(QDir(at("Pics")).rename(QStringLiteral("BilderE"), QStringLiteral("bildere")));
        previewAndName(QStringLiteral("Hund.jpg"), QStringLiteral("dog"));
        click(QStringLiteral("cmdspeicherne2"));
        QVERIFY(messages().isEmpty());
        QVERIFY(QFile::exists(at("Pics/bildere/Level2/dog.jpg")));
        QVERIFY(!QFileInfo::exists(at("Pics/BilderE")));
    }

    void saveWithoutPreviewAsksAndWritesNothing() {
        word()->setText(QStringLiteral("Hund"));
        const QStringList before = tree();
        click(QStringLiteral("cmdspeichernd1"));
        QCOMPARE(tree(), before);
        QCOMPARE(app->dialogs.calls.size(), 1);
        QCOMPARE(app->dialogs.calls.first().kind, RecordingDialogs::Kind::Question);
    }

    void acceptedWords_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file");
        QTest::newRow("13 characters") << "Feuerwehrauto"
                                       << "cmdspeichernd1"
                                       << "Pics/BilderD/Level1/Feuerwehrauto.jpg";
        QTest::newRow("capitals use the letter pictures") << "HUND"
                                                          << "cmdspeicherne3"
                                                          << "Pics/BilderE/Level3/HUND.jpg";
        QTest::newRow("umlaut and sharp s") << "Süßigkeit"
                                            << "cmdspeichernd3"
                                            << "Pics/BilderD/Level3/Süßigkeit.jpg";
        QTest::newRow("empty word gives .jpg") << ""
                                               << "cmdspeichernd2"
                                               << "Pics/BilderD/Level2/.jpg";
        QTest::newRow("backgrounds take any safe name")
            << "Wiese am Meer mit 3 Kühen"
            << "cmdhintergründe"
            << "Pics/Hintergrundbilder/Wiese am Meer mit 3 Kühen.jpg";
    }
    void acceptedWords() {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, file);
        previewAndName(QStringLiteral("Hund.jpg"), typed);
        click(button);
        QVERIFY(messages().isEmpty());
        QVERIFY(QFile::exists(at(file)));
    }

    void refusedWords_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("reason");
        const QString d1 = QStringLiteral("cmdspeichernd1");
        const QString background = QStringLiteral("cmdhintergründe");
        QTest::newRow("slash") << "../Hund" << d1 << "Schrägstrich";
        QTest::newRow("slash, background") << "../../Hund" << background << "Schrägstrich";
        QTest::newRow("backslash") << "Tiere\\Hund" << d1 << "Schrägstrich";
        QTest::newRow("two dots") << ".." << background << "zwei Punkte";
        QTest::newRow("tab") << "Hu\tnd" << d1 << "Steuerzeichen";
        QTest::newRow("line break") << "Hund\n" << background << "Steuerzeichen";
        for (const char *c : {"<", ">", ":", "\"", "|", "?", "*"}) {
            QTest::addRow("character %s", c)
                << QStringLiteral("Hu%1nd").arg(QLatin1String(c)) << background
                << QStringLiteral("\u201E%1\u201C").arg(QLatin1String(c));
        }
        QTest::newRow("trailing dot") << "Hund." << background << "Punkt oder Leerzeichen enden";
        QTest::newRow("trailing blank") << "Hund " << background << "Punkt oder Leerzeichen enden";
        QTest::newRow("leading dot") << ".Hund" << background << "mit einem Punkt beginnen";
        QTest::newRow("device name") << "con" << background << "reservierter Name";
        QTest::newRow("14 characters") << "Feuerwehrautos" << d1 << "14 Zeichen";
        QTest::newRow("blank in a level word")
            << "Eis bär" << QStringLiteral("cmdspeicherne2") << "Leerzeichen";
        QTest::newRow("digit") << "Hund1" << d1 << "Zeichen \u201E1\u201C";
        QTest::newRow("accent") << "Café" << QStringLiteral("cmdspeichernd3")
                                << "Zeichen \u201E\u00E9\u201C";
    }
    void refusedWords() {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, reason);
        previewAndName(QStringLiteral("Hund.jpg"), typed);
        const QStringList before = tree();
        click(button);
        QCOMPARE(tree(), before);
        const QList<RecordingDialogs::Call> said = messages();
        QCOMPARE(said.size(), 1);
        QVERIFY(said.first().text.startsWith(QStringLiteral("Das Bild wurde nicht gespeichert.")));
        QVERIFY2(said.first().text.contains(reason), qPrintable(said.first().text));
        QCOMPARE(said.first().title, QStringLiteral("Tintenfunkel"));
        QCOMPARE(word()->text(), typed);
    }

    void unwritableTargets_data() {
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "wurde nicht gefunden";
        QTest::newRow("read-only folder") << "konnte nicht geschrieben werden";
        QTest::newRow("a folder in the file's place") << "konnte nicht geschrieben werden";
    }
    void unwritableTargets() {
        QFETCH(QString, reason);
        const QString folder = at("Pics/BilderE/Level2");
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        if (tag == QLatin1String("missing folder")) {
            QVERIFY(QDir(folder).removeRecursively());
        } else if (tag == QLatin1String("read-only folder")) {
            QVERIFY(QDir(folder).removeRecursively());
            if (geteuid() == 0) {
                // Root ignores permission bits; the kernel's own folder
                // refuses new files from anyone.
                QVERIFY(QFile::link(QStringLiteral("/sys/kernel"), folder));
            } else {
                QVERIFY(QDir().mkpath(folder));
                QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            }
        } else {
            QVERIFY(QDir().mkpath(folder + "/dog.jpg"));
        }
        previewAndName(QStringLiteral("Hund.jpg"), QStringLiteral("dog"));
        const QStringList before = tree();
        click(QStringLiteral("cmdspeicherne2"));
        QCOMPARE(tree(), before);
        const QList<RecordingDialogs::Call> said = messages();
        QCOMPARE(said.size(), 1);
        QVERIFY2(said.first().text.contains(reason), qPrintable(said.first().text));
        QVERIFY(app->screens.isVisible(ScreenId::frmbenutzer));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void deleteRemovesTheSelectedFileOnly() {
        previewAndName(QStringLiteral("Katze.JPG"), QString());
        click(QStringLiteral("cmdlöschen"));
        QCOMPARE(app->dialogs.calls.size(), 1);
        QCOMPARE(app->dialogs.calls.first().text,
                 QStringLiteral("Möchten Sie das Bild wirklich löschen?"));
        QCOMPARE(app->dialogs.calls.first().title, QStringLiteral("Tintenfunkel"));
        QVERIFY(!QFile::exists(source + "/Katze.JPG"));
        QCOMPARE(listed(), (QStringList{"Hund.jpg", "kaputt.jpg", "notiz.jpg.bak"}));
        QVERIFY(QFile::exists(source + "/foto.jpeg"));
        QVERIFY(QFile::exists(source + "/.versteckt.jpg"));

        // The preview outlives its file and can still be saved.
        QCOMPARE(preview()->picture()->size(), QSize(50, 20));
        word()->setText(QStringLiteral("Katze"));
        click(QStringLiteral("cmdspeichernd1"));
        QCOMPARE(QImage(at("Pics/BilderD/Level1/Katze.jpg")).size(), QSize(50, 20));
    }

    void deleteWithoutEffectStillRereadsTheList_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("ja");
        QTest::newRow("nothing selected, Ja") << QString() << true;
        QTest::newRow("file selected, Nein") << "Hund.jpg" << false;
    }
    void deleteWithoutEffectStillRereadsTheList() {
        QFETCH(QString, selected);
        QFETCH(bool, ja);
        if (!selected.isEmpty())
            pick(selected);
        QVERIFY(writeImage(source + "/Neu.jpg", QSize(8, 8), "JPG"));
        const QStringList before = tree();
        app->dialogs.answers.enqueue(ja);
        click(QStringLiteral("cmdlöschen"));
        QCOMPARE(tree(), before);
        QCOMPARE(app->dialogs.calls.size(), 1);
        QCOMPARE(app->dialogs.calls.first().kind, RecordingDialogs::Kind::Question);
        QVERIFY(listed().contains(QStringLiteral("Neu.jpg")));
    }

    void deleteFailureIsReported() {
        if (geteuid() == 0)
            QSKIP("root may delete from any folder");
        pick(QStringLiteral("Hund.jpg"));
        QVERIFY(QFile::setPermissions(source, QFile::ReadOwner | QFile::ExeOwner));
        click(QStringLiteral("cmdlöschen"));
        QFile::setPermissions(source, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(QFile::exists(source + "/Hund.jpg"));
        QCOMPARE(messages().size(), 1);
        QVERIFY(messages().first().text.contains(QStringLiteral("nicht gelöscht")));
    }

    void driveThatCannotBeOpenedLeadsToTheProgramFolder_data() {
        QTest::addColumn<QString>("drive");
        QTest::newRow("gone") << "/gibt/es/nicht";
        QTest::newRow("a file") << "Quelle/Hund.jpg";
    }
    void driveThatCannotBeOpenedLeadsToTheProgramFolder() {
        QFETCH(QString, drive);
        if (!drive.startsWith(QLatin1Char('/')))
            drive = at(drive);
        drives()->addItem(QStringLiteral("Stick"), drive);
        drives()->setCurrentIndex(drives()->count() - 1);
        QCOMPARE(folders()->path(), ManagerScreen::programFolder());
        QCOMPARE(files()->folder(), ManagerScreen::programFolder());
        QCOMPARE(drives()->currentText(), QStringLiteral("Stick"));
        QVERIFY(app->dialogs.calls.isEmpty());
    }

    void driveOpensItsFolder() {
        drives()->addItem(QStringLiteral("Stick"), app->root());
        drives()->setCurrentIndex(drives()->count() - 1);
        QCOMPARE(folders()->path(), app->root());
        QCOMPARE(files()->folder(), app->root());
    }

    void offeredDrives() {
        const QList<drives::Volume> volumes = {
            {"/", ""},
            {"/proc", ""},
            {"/home", ""},
            {"/boot/efi", ""},
            {"/media/lehrer/STICK", "STICK"},
            {"/run/media/lehrer/Kamera", ""},
            {"/mnt/daten", "Schulserver"},
            {"/mediathek", ""},
        };
        const QList<drives::Drive> got = drives::offered(volumes, QStringLiteral("/home/lehrer"));
        QStringList labels, paths;
        for (const drives::Drive &d : got) {
            labels << d.label;
            paths << d.path;
        }
        QCOMPARE(paths, (QStringList{"/", "/home/lehrer", "/media/lehrer/STICK",
                                     "/run/media/lehrer/Kamera", "/mnt/daten"}));
        QCOMPARE(labels[4], QStringLiteral("/mnt/daten [Schulserver]"));
        QCOMPARE(labels[2], QStringLiteral("/media/lehrer/STICK"));

        QCOMPARE(drives::indexHolding(got, QStringLiteral("/media/lehrer/STICK/Bilder")), 2);
        QCOMPARE(drives::indexHolding(got, QStringLiteral("/home/lehrer")), 1);
        QCOMPARE(drives::indexHolding(got, QStringLiteral("/home/lehrerin")), 0);
        QCOMPARE(drives::indexHolding(got, QStringLiteral("/etc")), 0);
    }

    void fromTheLoginToASavedAndDeletedWord() {
        app->screens.unload(ScreenId::frmbenutzer);
        QVERIFY(app->screens.show(ScreenId::frmlogin));
        Screen *login = app->screens.instance(ScreenId::frmlogin);
        login->control<QLineEdit>(QStringLiteral("txtname"))->setText(QStringLiteral("Mentor"));
        QString password = QStringLiteral("7edierklefaT");
        std::reverse(password.begin(), password.end());
        login->control<QLineEdit>(QStringLiteral("txtpasswort"))->setText(password);
        login->control<QPushButton>(QStringLiteral("cmdOK"))->click();
        TestApp::settle();
        QVERIFY(app->screens.isVisible(ScreenId::frmbenutzer));

        folders()->setPath(source);
        previewAndName(QStringLiteral("Hund.jpg"), QStringLiteral("Hund"));
        click(QStringLiteral("cmdspeichernd1"));
        const QString level1 = QStringLiteral("Pics\\BilderD\\Level1");
        QCOMPARE(app->library.listFiles(level1), QStringList{"Hund.jpg"});

        folders()->setPath(at("Pics/BilderD/Level1"));
        pick(QStringLiteral("Hund.jpg"));
        click(QStringLiteral("cmdlöschen"));
        QCOMPARE(app->library.listFiles(level1), QStringList());
        QCOMPARE(listed(), QStringList());
        QVERIFY(messages().isEmpty());
    }

    void backAndMenu() {
        manager()->mnuAnleitung_Click();
        QVERIFY(app->screens.isVisible(ScreenId::frmbenutzeranleitung));
        click(QStringLiteral("cmdzurück"));
        TestApp::settle();
        QVERIFY(!app->screens.isLoaded(ScreenId::frmbenutzer));
        QVERIFY(app->screens.isVisible(ScreenId::frmStart));
        QVERIFY(app->screens.isVisible(ScreenId::frmbenutzeranleitung));
        QVERIFY(!app->ended);

        QVERIFY(app->screens.show(ScreenId::frmbenutzer));
        manager()->window()->findChild<QAction *>(QStringLiteral("mnuzurück"))->trigger();
        TestApp::settle();
        QVERIFY(!app->screens.isLoaded(ScreenId::frmbenutzer));
        QVERIFY(!app->ended);

        QVERIFY(app->screens.show(ScreenId::frmbenutzer));
        manager()->window()->findChild<QAction *>(QStringLiteral("mnubeenden"))->trigger();
        QVERIFY(app->ended);
        QCOMPARE(app->screens.loadedCount(), 0);
    }
};

QTEST_MAIN(TestManager)
#include "test_manager.moc"
