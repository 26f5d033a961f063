#include "picturetree.h"
#include "programfixture.h"

#include "app/imagebox.h"
#include "game/levelspec.h"
#include "intro/introscreen.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <functional>

namespace {

QString folderPath(const QString &root, const QString &relative) {
    return root + QLatin1Char('/') + QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

void removeAll(const QString &path) {
    QDir(path).removeRecursively();
}

// Keeps only the first n files of a folder.
void keepFirst(const QString &folder, int n) {
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    for (int i = n; i < files.size(); ++i)
        QFile::remove(folder + QLatin1Char('/') + files.at(i));
}

// Breaks a library of 25 good pictures per level; `folder` is the level's.
using Breaker = std::function<void(const QString &root, const QString &folder)>;

struct Case {
    const char *name;
    Breaker breakIt;
    bool opens; // a level that can still be played opens; one that cannot says why
};

const QList<Case> &cases() {
    using namespace picturetree;
    static const QList<Case> all = {
        {"no Pics",
         [](const QString &root, const QString &) { removeAll(root + QStringLiteral("/Pics")); },
         false},
        {"level folder missing", [](const QString &, const QString &folder) { removeAll(folder); },
         false},
        {"24 pictures", [](const QString &, const QString &folder) { keepFirst(folder, 24); },
         false},
        {"one of 25 is no picture",
         [](const QString &, const QString &folder) {
             keepFirst(folder, 24);
             writeFile(folder + QStringLiteral("/Notiz.jpg"), "kein Bild");
         },
         false},
        {"zero-byte and truncated pictures beside 25 good ones",
         [](const QString &, const QString &folder) {
             writeFile(folder + QStringLiteral("/Leer.jpg"), QByteArray());
             QFile good(folder + QStringLiteral("/Aaa.jpg"));
             good.open(QIODevice::ReadOnly);
             writeFile(folder + QStringLiteral("/Halb.jpg"), good.read(good.size() / 3));
         },
         true},
        {"a PNG announcing 30000 x 30000 pixels",
         [](const QString &, const QString &folder) {
             keepFirst(folder, 24);
             writeFile(folder + QStringLiteral("/Riese.jpg"), announcingPng(30000, 30000));
         },
         false},
        {"names shorter than four characters",
         [](const QString &, const QString &folder) {
             keepFirst(folder, 20);
             for (const char *name : {"a", "ab", "abc", "x.j", "q"})
                 writeImage(folder + QLatin1Char('/') + QLatin1String(name));
         },
         false},
        {"words over 13 characters",
         [](const QString &, const QString &folder) {
             keepFirst(folder, 24);
             writeImage(folder + QStringLiteral("/Donaudampfschiff.jpg"));
         },
         false},
        {"characters without letter pictures",
         [](const QString &, const QString &folder) {
             keepFirst(folder, 22);
             for (const char *name : {"Ha-ha.jpg", "Zwei Worte.jpg", "Euro€.jpg"})
                 writeImage(folder + QLatin1Char('/') + QString::fromUtf8(name));
         },
         false},
        {"background folder missing",
         [](const QString &root, const QString &) {
             removeAll(root + QStringLiteral("/Pics/Hintergrundbilder"));
         },
         true},
        {"background folder empty",
         [](const QString &root, const QString &) {
             removeAll(root + QStringLiteral("/Pics/Hintergrundbilder"));
             QDir().mkpath(root + QStringLiteral("/Pics/Hintergrundbilder"));
         },
         true},
        {"background that is no picture",
         [](const QString &root, const QString &) {
             removeAll(root + QStringLiteral("/Pics/Hintergrundbilder"));
             writeFile(root + QStringLiteral("/Pics/Hintergrundbilder/kaputt.jpg"), "nix");
         },
         true},
        {"letter folder missing",
         [](const QString &root, const QString &) {
             removeAll(root + QStringLiteral("/Pics/Buchstaben"));
         },
         false},
        {"symbolic-link loop in the level folder",
         [](const QString &, const QString &folder) {
             QFile::link(folder + QStringLiteral("/b.jpg"), folder + QStringLiteral("/a.jpg"));
             QFile::link(folder + QStringLiteral("/a.jpg"), folder + QStringLiteral("/b.jpg"));
             QFile::link(folder, folder + QStringLiteral("/ich selbst.jpg"));
         },
         true},
    };
    return all;
}

} // namespace

class TestBrokenLibrary : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gameScreens_data() {
        QTest::addColumn<int>("caseIndex");
        QTest::addColumn<int>("level");
        for (int c = 0; c < cases().size(); ++c) {
            for (int l = 0; l < levelCount; ++l) {
                const QString row = QString::fromLatin1(cases().at(c).name) + QStringLiteral(", ") +
                                    screenName(levelSpecs().at(l).screenName);
                QTest::newRow(qPrintable(row)) << c << l;
            }
        }
    }

    void gameScreens() {
        QFETCH(int, caseIndex);
        QFETCH(int, level);
        const Case &c = cases().at(caseIndex);
        const LevelSpec &spec = levelSpecs().at(level);
        ProgramFixture app(25);
        c.breakIt(app.root(), folderPath(app.root(), spec.pictureFolder));
        QVERIFY(app.screens.show(ScreenId::frmStart));

        const bool opened = app.screens.show(spec.screenName);
        QCOMPARE(opened, c.opens);
        QVERIFY(app.screens.isVisible(ScreenId::frmStart));
        TestApp::settle();
        QVERIFY(!app.ended);
        if (!opened) {
            QCOMPARE(app.dialogs.calls.size(), 1);
            QVERIFY2(app.dialogs.calls.first().text.contains(QStringLiteral("Pics")),
                     qPrintable(app.dialogs.calls.first().text));
            return;
        }
        // Every picture on the board is a real picture with a playable word.
        auto *game = app.screens.instance(spec.screenName);
        for (int i = 0; i < 25; ++i) {
            auto *slot = game->control<ImageBox>(QStringLiteral("img(%1)").arg(i));
            QVERIFY(slot->picture());
        }
        QVERIFY(app.dialogs.calls.isEmpty());
    }

    void introWithoutLettuceFramesRuns() {
        ProgramFixture app(25);
        removeAll(app.root() + QStringLiteral("/Pics/Salatköpfe"));
        removeAll(app.root() + QStringLiteral("/Pics/Buchstaben"));
        QVERIFY(app.screens.show(ScreenId::frmintro));
        auto *intro = app.screens.get<IntroScreen>(ScreenId::frmintro);
        auto *head = intro->control<ImageBox>(QStringLiteral("Image14"));
        const Picture before = head->picture();
        QVERIFY(before);
        for (int i = 0; i < 1000; ++i) {
            intro->Timer1_Timer();
            intro->Timer2_Timer();
        }
        QVERIFY(app.screens.isLoaded(ScreenId::frmintro));
        QCOMPARE(head->picture(), before);
        QVERIFY(intro->control<QWidget>(QStringLiteral("cmdweiter"))->isVisible());
    }
};

QTEST_MAIN(TestBrokenLibrary)
#include "test_brokenlibrary.moc"
