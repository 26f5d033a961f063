#include "testapp.h"

#include "app/startscreen.h"
#include "app/twips.h"
#include "teacher/teacheraccount.h"
#include "teacher/teacherscreens.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
// Spelled backwards so that this test's own program file, which the hash
// test searches, does not hold the password either.
QString password() {
    QString p = QStringLiteral("7edierklefaT");
    std::reverse(p.begin(), p.end());
    return p;
}
} // namespace

class TestLogin : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;

    Screen *login() { return app->screens.instance(ScreenId::frmlogin); }
    QLineEdit *box(const char *name) {
        return login()->control<QLineEdit>(QString::fromLatin1(name));
    }
    QPushButton *button(const char *name) {
        return login()->control<QPushButton>(QString::fromLatin1(name));
    }
    void type(const QString &name, const QString &pass) {
        box("txtname")->setText(name);
        box("txtpasswort")->setText(pass);
    }

private Q_SLOTS:
    void init() {
        app = std::make_unique<TestApp>();
        app->screens.registerScreen(ScreenId::frmStart,
                                    [](Screens &s) { return std::make_unique<StartScreen>(s); });
        registerTeacherScreens(app->screens);
        QVERIFY(app->screens.show(ScreenId::frmStart));
        QVERIFY(app->screens.show(ScreenId::frmlogin));
    }
    void cleanup() {
        app.reset();
        TestApp::settle();
    }

    void check_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pass");
        QTest::addColumn<bool>("passes");
        const QString right = password();
        QTest::newRow("both right") << "Mentor" << right << true;
        QTest::newRow("name in lower case") << "mentor" << right << false;
        QTest::newRow("password in upper case") << "Mentor" << right.toUpper() << false;
        QTest::newRow("leading blank in name") << " Mentor" << right << false;
        QTest::newRow("trailing blank in password") << "Mentor" << right + ' ' << false;
        QTest::newRow("both empty") << ""
                                    << "" << false;
        QTest::newRow("wrong name, right password") << "Lehrer" << right << false;
        QTest::newRow("right name, wrong password") << "Mentor"
                                                    << "Tafelkreide" << false;
        QTest::newRow("password with more behind") << "Mentor" << right + "7" << false;
        QTest::newRow("name and password swapped") << right << "Mentor" << false;
    }
    void check() {
        QFETCH(QString, name);
        QFETCH(QString, pass);
        QFETCH(bool, passes);
        QCOMPARE(teacheraccount::accepts(name, pass), passes);

        type(name, pass);
        button("cmdOK")->click();
        TestApp::settle();
        QVERIFY(!app->screens.isLoaded(ScreenId::frmlogin));
        QCOMPARE(app->screens.isVisible(ScreenId::frmbenutzer), passes);
        QVERIFY(app->screens.isLoaded(ScreenId::frmStart));
        QVERIFY(!app->ended);
        if (passes) {
            QVERIFY(app->dialogs.calls.isEmpty());
            return;
        }
        QCOMPARE(app->dialogs.calls.size(), 1);
        const RecordingDialogs::Call &call = app->dialogs.calls.first();
        QCOMPARE(call.kind, RecordingDialogs::Kind::Message);
        QCOMPARE(call.text, QStringLiteral("Falscher Benutzername oder falsches Passwort, fragen "
                                           "Sie den Administrator, oder versuchen Sie es erneut"));
        QCOMPARE(call.title, QStringLiteral("Falsche Eingabe !"));
        QCOMPARE(call.icon, Dialogs::Icon::Critical);
    }

    void enterInEitherBoxIsOk_data() {
        QTest::addColumn<QString>("boxName");
        QTest::newRow("name box") << "txtname";
        QTest::newRow("password box") << "txtpasswort";
    }
    void enterInEitherBoxIsOk() {
        QFETCH(QString, boxName);
        type(QStringLiteral("Mentor"), password());
        QTest::keyClick(box(boxName.toLatin1()), Qt::Key_Return);
        TestApp::settle();
        QVERIFY(!app->screens.isLoaded(ScreenId::frmlogin));
        QVERIFY(app->screens.isVisible(ScreenId::frmbenutzer));
    }

    void escapeDoesNothing() {
        type(QStringLiteral("Mentor"), QStringLiteral("x"));
        QTest::keyClick(box("txtpasswort"), Qt::Key_Escape);
        TestApp::settle();
        QVERIFY(app->screens.isLoaded(ScreenId::frmlogin));
        QVERIFY(app->dialogs.calls.isEmpty());
    }

    void neueEingabeEmptiesBothBoxesAndStays() {
        type(QStringLiteral("Mentor"), QStringLiteral("geheim"));
        button("cmdneu")->click();
        QCOMPARE(box("txtname")->text(), QString());
        QCOMPARE(box("txtpasswort")->text(), QString());
        QVERIFY(app->screens.isVisible(ScreenId::frmlogin));
        QVERIFY(app->dialogs.calls.isEmpty());
    }

    void beendenClosesOnlyTheLogin() {
        button("cmdbeenden")->click();
        TestApp::settle();
        QVERIFY(!app->screens.isLoaded(ScreenId::frmlogin));
        QVERIFY(app->screens.isVisible(ScreenId::frmStart));
        QVERIFY(!app->ended);
        QVERIFY(app->dialogs.calls.isEmpty());
    }

    void reopeningAfterAFailureStartsEmpty() {
        type(QStringLiteral("Mentor"), QStringLiteral("falsch"));
        button("cmdOK")->click();
        TestApp::settle();
        QVERIFY(!app->screens.isLoaded(ScreenId::frmlogin));

        QVERIFY(app->screens.show(ScreenId::frmlogin));
        QCOMPARE(box("txtname")->text(), QString());
        QCOMPARE(box("txtpasswort")->text(), QString());
        QCOMPARE(login()->window()->focusWidget(), box("txtname"));
    }

    void passwordEchoesAsterisks() {
        QTest::keyClicks(box("txtpasswort"), QStringLiteral("abc"));
        QCOMPARE(box("txtpasswort")->text(), QStringLiteral("abc"));
        QCOMPARE(box("txtpasswort")->displayText(), QStringLiteral("***"));
    }

    void framedButtonsSitInOneRow() {
        // OK and Beenden are placed inside the password frame, Neue Eingabe
        // on the client: all three must end up in the same screen row.
        QWidget *client = login()->window()->client();
        const auto at = [&](const char *name) { return button(name)->mapTo(client, QPoint()); };
        QCOMPARE(at("cmdOK"), QPoint(twips::toPixels(1080), twips::toPixels(3120)));
        QCOMPARE(at("cmdneu"), QPoint(twips::toPixels(2640), twips::toPixels(3120)));
        QCOMPARE(at("cmdbeenden"), QPoint(twips::toPixels(4200), twips::toPixels(3120)));
        QVERIFY(button("cmdOK")->isDefault());
    }

    void passwordIsNotInTheProgramFile_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("this test") << QCoreApplication::applicationFilePath();
        QTest::newRow("the program") << QStringLiteral(TF_BINARY_DIR "/tintenfunkel");
    }
    void passwordIsNotInTheProgramFile() {
        QFETCH(QString, file);
        QFile f(file);
        if (!f.exists())
            QSKIP("the program is not built in this build folder");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const auto utf16 = [](const QString &s) {
            return QByteArray(reinterpret_cast<const char *>(s.utf16()), s.size() * 2);
        };
        // The login's own texts are found, so the search does see them.
        QVERIFY(bytes.contains(utf16(QStringLiteral("Falsche Eingabe !"))));
        const QString p = password();
        QVERIFY(!bytes.contains(p.toUtf8()));
        QVERIFY(!bytes.contains(utf16(p)));
    }
};

QTEST_MAIN(TestLogin)
#include "test_login.moc"
