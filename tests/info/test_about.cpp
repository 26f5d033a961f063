#include "picturetree.h"
#include "testapp.h"

#include "app/lineshape.h"
#include "app/twips.h"
#include "info/aboutscreen.h"
#include "info/launcher.h"
#include "info/pathregistry.h"
#include "info/registerinfo.h"
#include "info/registryreader.h"
#include "info/sysinfolookup.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QtTest>

using Value = RegistryReader::Value;
using OptionalValue = std::optional<Value>;
Q_DECLARE_METATYPE(OptionalValue)

namespace {
class MemoryRegistry : public RegistryReader {
public:
    std::optional<Value> read(const QString &keyPath, const QString &valueName) const override {
        const auto it = values.find(keyPath + QLatin1Char('|') + valueName);
        return it == values.end() ? std::nullopt : std::optional<Value>(*it);
    }
    void set(const QString &keyPath, const QString &valueName, const Value &value) {
        values.insert(keyPath + QLatin1Char('|') + valueName, value);
    }
    QMap<QString, Value> values;
};

// Starts only the programs it was told are installed.
class RecordingLauncher : public Launcher {
public:
    bool start(const QString &program) override {
        started << program;
        return installed.contains(program);
    }
    QStringList installed;
    QStringList started;
};

const QString unavailable = QStringLiteral("Systeminformationen sind momentan nicht verfügbar");
} // namespace

class TestAbout : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    MemoryRegistry registry;
    RecordingLauncher launcher;

    AboutScreen *about() {
        return dynamic_cast<AboutScreen *>(app->screens.instance(ScreenId::frmAbout));
    }
    template <class T = QWidget> T *control(const char *name) {
        return about()->control<T>(QString::fromLatin1(name));
    }

private Q_SLOTS:
    void init() {
        app = std::make_unique<TestApp>();
        registry = {};
        launcher = {};
        app->services.registry = &registry;
        app->services.launcher = &launcher;
        registerInfoScreens(app->screens);
        QVERIFY(app->screens.show(ScreenId::frmAbout));
    }

    void laidOut() {
        ScreenWindow *w = about()->window();
        QCOMPARE(w->windowTitle(), QStringLiteral("Info zu Tintenfunkel"));
        QCOMPARE(w->border(), ScreenWindow::Border::FixedDialog);
        QCOMPARE(w->client()->size(), QSize(401, 284));
        QCOMPARE(control<QLabel>("lblTitle")->text(), QStringLiteral("Tintenfunkel"));
        QCOMPARE(control<QLabel>("lblVersion")->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(
            control<QLabel>("Label1")->text(),
            QStringLiteral(
                "Tintenfunkel ist ein deutsch-englisches Vokabellernspiel für die "
                "Grundschulklassen 3 "
                "und 4. Es soll das Lernen vereinfachen, aber auch der Spaß an dem Spiel soll das "
                "Lernen unterstützen."));
        QVERIFY(control<QLabel>("Label1")->wordWrap());
        QCOMPARE(control<QLabel>("lblDisclaimer")->text(),
                 QStringLiteral("Warnung: Tägliche Lernzeit --> max. 30 - 60 Minuten"));
        QCOMPARE(control<QLabel>("lblTitle")->palette().color(QPalette::WindowText),
                 QColor(Qt::black));
        QCOMPARE(control<QLabel>("lblDisclaimer")->palette().color(QPalette::WindowText),
                 QColor(Qt::black));

        auto *ok = control<QPushButton>("cmdOK");
        auto *sysInfo = control<QPushButton>("cmdSysInfo");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(twips::rect(ok), QRect(960, 3600, 1260, 345));
        QCOMPARE(sysInfo->text(), QStringLiteral("&Systeminfo..."));
        QCOMPARE(twips::rect(sysInfo), QRect(3840, 3600, 1245, 345));
        QVERIFY(ok->isDefault());
        QCOMPARE(ok->nextInFocusChain(), sysInfo);
        QCOMPARE(control<LineShape>("Line1(0)")->palette().color(QPalette::WindowText),
                 QColor(Qt::white));
        QCOMPARE(control<LineShape>("Line1(1)")->palette().color(QPalette::WindowText),
                 QColor(128, 128, 128));
    }

    void versionWithoutLeadingZeros() {
        QCOMPARE(AboutScreen::versionText(1, 0, 0), QStringLiteral("Version 1.0.0"));
        QCOMPARE(AboutScreen::versionText(2, 10, 7), QStringLiteral("Version 2.10.7"));
    }

    void okAndKeysClose_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("focus");
        QTest::newRow("OK clicked") << "click"
                                    << "cmdOK";
        QTest::newRow("Enter") << "Return"
                               << "cmdOK";
        QTest::newRow("keypad Enter") << "Enter"
                                      << "cmdOK";
        QTest::newRow("Esc") << "Escape"
                             << "cmdOK";
        QTest::newRow("Esc on the Systeminfo button") << "Escape"
                                                      << "cmdSysInfo";
    }
    void okAndKeysClose() {
        QFETCH(QString, how);
        QFETCH(QString, focus);
        QWidget *focused = control(qPrintable(focus));
        focused->setFocus();
        if (how == QLatin1String("click"))
            control<QPushButton>("cmdOK")->click();
        else
            QTest::keyClick(focused, how == QLatin1String("Return")  ? Qt::Key_Return
                                     : how == QLatin1String("Enter") ? Qt::Key_Enter
                                                                     : Qt::Key_Escape);
        QVERIFY(!app->screens.isLoaded(ScreenId::frmAbout));
        // Unloaded, not released.
        QVERIFY(about());
        QVERIFY(app->dialogs.calls.isEmpty());
    }

    void enterOnSysInfoRunsIt() {
        control("cmdSysInfo")->setFocus();
        QTest::keyClick(control("cmdSysInfo"), Qt::Key_Return);
        QVERIFY(app->screens.isLoaded(ScreenId::frmAbout));
        QCOMPARE(app->dialogs.texts(), QStringList{unavailable});
    }

    void sysInfoLookup_data() {
        QTest::addColumn<OptionalValue>("path");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<bool>("fileInFolder");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("started");

        const QString msinfo = QStringLiteral("C:\\Programme\\Common Files\\MSINFO\\MSINFO32.EXE");
        // "@program" stands for the program file in the registered folder.
        const OptionalValue none;
        const bool folder = true;
        const bool noFolder = false;
        QTest::newRow("path present: started unchanged")
            << OptionalValue(Value::text(msinfo)) << noFolder << false << QStringList{msinfo}
            << QStringList{msinfo};
        QTest::newRow("path present but not startable: message")
            << OptionalValue(Value::text(msinfo)) << noFolder << false << QStringList{}
            << QStringList{msinfo};
        QTest::newRow("path wins over folder")
            << OptionalValue(Value::text(msinfo)) << folder << true << QStringList{msinfo}
            << QStringList{msinfo};
        QTest::newRow("only folder, file there")
            << none << folder << true << QStringList{"@program"} << QStringList{"@program"};
        QTest::newRow("only folder, file missing: message")
            << none << folder << false << QStringList{"@program"} << QStringList{};
        QTest::newRow("neither: message")
            << none << noFolder << false << QStringList{} << QStringList{};
        QTest::newRow("number as path: started as &h text")
            << OptionalValue(Value::dword(0x1A2B)) << noFolder << false << QStringList{}
            << QStringList{"&h1A2B"};
        QTest::newRow("empty text as path: message, nothing started")
            << OptionalValue(Value::text(QString())) << folder << true << QStringList{"@program"}
            << QStringList{};
        QTest::newRow("value without bytes: message, folder not tried")
            << OptionalValue(Value{RegistryReader::String, {}}) << folder << true
            << QStringList{"@program"} << QStringList{};
        QTest::newRow("other type as path: read, but names nothing")
            << OptionalValue(Value{3, QByteArray("\x01\x02", 2)}) << folder << true
            << QStringList{"@program"} << QStringList{};
        QTest::newRow("text without closing zero")
            << OptionalValue(Value{RegistryReader::String, msinfo.toLatin1()}) << noFolder << false
            << QStringList{msinfo} << QStringList{msinfo};
    }
    void sysInfoLookup() {
        QFETCH(OptionalValue, path);
        QFETCH(bool, folder);
        QFETCH(bool, fileInFolder);
        QFETCH(QStringList, installed);
        QFETCH(QStringList, started);

        const QString dir = app->root() + QStringLiteral("/msinfo");
        QDir().mkpath(dir);
        const QString program = QDir::toNativeSeparators(dir + QStringLiteral("/MSINFO32.EXE"));
        if (fileInFolder)
            QVERIFY(picturetree::writeFile(dir + QStringLiteral("/MSINFO32.EXE"), "MZ"));
        const auto expand = [&](QStringList list) {
            list.replaceInStrings(QStringLiteral("@program"), program);
            return list;
        };
        if (path)
            registry.set(sysinfo::pathKey, sysinfo::pathValue, *path);
        if (folder)
            registry.set(sysinfo::folderKey, sysinfo::folderValue,
                         Value::text(QDir::toNativeSeparators(dir)));
        launcher.installed = expand(installed);

        control<QPushButton>("cmdSysInfo")->click();

        QCOMPARE(launcher.started, expand(started));
        const bool ran =
            !launcher.started.isEmpty() && launcher.installed.contains(launcher.started.last());
        QCOMPARE(app->dialogs.texts(), ran ? QStringList{} : QStringList{unavailable});
        if (!ran) {
            const auto &call = app->dialogs.calls.first();
            QCOMPARE(call.title, QStringLiteral("Tintenfunkel"));
            QCOMPARE(call.icon, Dialogs::Icon::None);
        }
        // The box stays as it was.
        QVERIFY(app->screens.isVisible(ScreenId::frmAbout));
    }

    void withoutRegistryOrLauncherTellsTheUser() {
        app->services.registry = nullptr;
        app->services.launcher = nullptr;
        control<QPushButton>("cmdSysInfo")->click();
        QCOMPARE(app->dialogs.texts(), QStringList{unavailable});
    }

    void pathRegistryFindsAnInstalledProgram() {
        const QString bin = app->root() + QStringLiteral("/bin");
        QDir().mkpath(bin);
        PathRegistry empty({bin});
        QVERIFY(!empty.read(sysinfo::pathKey, sysinfo::pathValue));

        const auto install = [&](const char *name) {
            const QString file = bin + QLatin1Char('/') + QLatin1String(name);
            QVERIFY(picturetree::writeFile(file, "#!/bin/sh\n"));
            QFile::setPermissions(file, QFile::permissions(file) | QFile::ExeOwner);
        };
        install("gnome-system-monitor");
        install("hardinfo");
        PathRegistry reg({bin});
        QString found;
        QCOMPARE(sysinfo::getKeyValue(reg, sysinfo::pathKey, sysinfo::pathValue, found),
                 sysinfo::KeyRead::Read);
        QCOMPARE(found, bin + QStringLiteral("/hardinfo"));
        // Registry names ignore case; other values stay missing.
        QVERIFY(reg.read(sysinfo::pathKey.toLower(), QStringLiteral("path")));
        QVERIFY(!reg.read(sysinfo::folderKey, sysinfo::folderValue));
        QCOMPARE(sysinfo::findProgram(reg), std::optional<QString>(found));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
