#include "recordingprinter.h"
#include "testapp.h"

#include "app/duration.h"
#include "app/screens.h"
#include "app/startscreen.h"
#include "app/twips.h"
#include "results/certificatescreen.h"
#include "results/pagerenderer.h"
#include "results/pdfexport.h"
#include "results/resultscreens.h"
#include "results/systemprinter.h"

#include <QFile>
#include <QLabel>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

Q_DECLARE_METATYPE(ScreenId)

namespace {
double seconds(double s) {
    return s / secondsPerDay;
}

int pdfPages(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(f.readAll());
    return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}

// Prints by rendering the page into a PDF file, the way a printer would get it.
class PdfPrinter : public Printer {
public:
    explicit PdfPrinter(QString path)
        : m_path(std::move(path)) {}
    Outcome print(const QImage &image, const QSizeF &sizeInches) override {
        return savePageAsPdf(m_path, image, sizeInches) ? Outcome::Printed : Outcome::Failed;
    }

private:
    QString m_path;
};

bool isDark(QRgb p) {
    return qGray(p) < 100;
}
} // namespace

class TestCertificate : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    RecordingPrinter printer;

    CertificateScreen *certificate(ScreenId id = ScreenId::frmUrkunde) {
        return dynamic_cast<CertificateScreen *>(app->screens.instance(id));
    }
    template <class T = QWidget> T *control(const char *name, ScreenId id = ScreenId::frmUrkunde) {
        return certificate(id)->control<T>(QString::fromUtf8(name));
    }
    QImage screenImage(ScreenId id = ScreenId::frmUrkunde) {
        return certificate(id)->window()->client()->grab().toImage();
    }
    QRect pixels(const char *name) { return twips::toPixels(twips::rect(control(name))); }

private Q_SLOTS:
    void init() {
        app = std::make_unique<TestApp>();
        printer = RecordingPrinter();
        app->services.printer = &printer;
        app->screens.registerScreen(ScreenId::frmStart,
                                    [](Screens &s) { return std::make_unique<StartScreen>(s); });
        registerResultScreens(app->screens);
        QVERIFY(app->screens.show(ScreenId::frmStart));
    }

    // Each certificate adds its own language's three levels.
    void total_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<double>("level1");
        QTest::addColumn<double>("level2");
        QTest::addColumn<double>("level3");
        QTest::addColumn<QString>("shown");
        for (ScreenId id : {ScreenId::frmUrkunde, ScreenId::frmUrkundeE}) {
            const QString n = screenName(id) + QLatin1Char(' ');
            QTest::newRow(qPrintable(n + "three levels"))
                << id << seconds(600) << seconds(750) << seconds(945) << "0:38:15";
            QTest::newRow(qPrintable(n + "nothing played")) << id << 0.0 << 0.0 << 0.0 << "0:00:00";
            QTest::newRow(qPrintable(n + "23:59:59"))
                << id << seconds(86398) << seconds(1) << 0.0 << "23:59:59";
            QTest::newRow(qPrintable(n + "one second more"))
                << id << seconds(86398) << seconds(1) << seconds(1) << "0:00:00";
        }
    }
    void total() {
        QFETCH(ScreenId, id);
        QFETCH(double, level1);
        QFETCH(double, level2);
        QFETCH(double, level3);
        QFETCH(QString, shown);
        const bool german = id == ScreenId::frmUrkunde;
        PlayState &p = app->play;
        (german ? p.zeitD1 : p.zeitE1) = level1;
        (german ? p.zeitD2 : p.zeitE2) = level2;
        (german ? p.zeitD3 : p.zeitE3) = level3;
        // The other language's times must not count.
        (german ? p.zeitE1 : p.zeitD1) = seconds(3000);
        p.levelZeit = seconds(500);
        QVERIFY(app->screens.show(id));
        QCOMPARE(control<QLabel>("lblZeit", id)->text(), shown);
    }

    void opensWithFrameHiddenAndBackFocused_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<int>("horizontal");
        QTest::newRow("German total centred") << ScreenId::frmUrkunde << int(Qt::AlignHCenter);
        QTest::newRow("English total on the left") << ScreenId::frmUrkundeE << int(Qt::AlignLeft);
    }
    void opensWithFrameHiddenAndBackFocused() {
        QFETCH(ScreenId, id);
        QFETCH(int, horizontal);
        QVERIFY(app->screens.show(id));
        for (const char *line : {"Line1", "Line2", "Line3", "Line4"})
            QVERIFY(!control(line, id)->isVisible());
        QCOMPARE(int(control<QLabel>("lblZeit", id)->alignment() & Qt::AlignHorizontal_Mask),
                 horizontal);
        // Nothing but the buttons is drawn above the total.
        QWidget *total = control("lblZeit", id);
        const QObjectList stack = total->parentWidget()->children();
        for (qsizetype i = stack.indexOf(total) + 1; i < stack.size(); ++i) {
            auto *above = qobject_cast<QWidget *>(stack.at(i));
            if (!above)
                continue;
            QVERIFY2(qobject_cast<QPushButton *>(above) ||
                         !above->geometry().intersects(total->geometry()),
                     qPrintable(above->objectName()));
        }
        QWidget *focus = certificate(id)->window()->focusWidget();
        QCOMPARE(focus, control("cmdanfang", id));
        QWidget *next = focus->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next, control("cmdDrucken", id));
    }

    // The page carries the frame but no buttons; the screen is unchanged
    // afterwards, and a second print gives the same page.
    void printsThePageAndRestoresTheScreen() {
        QVERIFY(app->screens.show(ScreenId::frmUrkunde));
        control<QLabel>("lblname")->setText(QStringLiteral("Mia"));
        const QImage before = screenImage();
        const int frameBottom = twips::toPixels(7920);
        QVERIFY(!isDark(before.pixel(0, 100)));
        QVERIFY(!isDark(before.pixel(200, frameBottom)));

        control<QPushButton>("cmdDrucken")->click();
        QCOMPARE(printer.pages.size(), 1);
        const QImage page = printer.pages.first();
        QCOMPARE(page.size(), before.size());
        QVERIFY(isDark(page.pixel(0, 100)));
        QVERIFY(isDark(page.pixel(200, 0)));
        QVERIFY(isDark(page.pixel(200, frameBottom)));
        QVERIFY(isDark(page.pixel(twips::toPixels(6960) - 1, 100)));
        for (const char *name : {"cmdDrucken", "cmdanfang"}) {
            const QRect r = pixels(name);
            QImage white(r.size(), page.format());
            white.fill(Qt::white);
            QCOMPARE(page.copy(r), white);
        }
        QCOMPARE(printer.sizes.first(), QSizeF(6960 / 1440.0, 8985 / 1440.0));

        QCOMPARE(screenImage(), before);
        QVERIFY(control("cmdDrucken")->isVisible() && control("cmdanfang")->isVisible());
        QVERIFY(!control("Line1")->isVisible());

        control<QPushButton>("cmdDrucken")->click();
        QCOMPARE(printer.pages.size(), 2);
        QCOMPARE(printer.pages.at(1), page);
        QCOMPARE(screenImage(), before);
        QVERIFY(app->dialogs.calls.isEmpty());
    }

    void printingThroughPdfGivesOnePage() {
        const QString path = app->root() + QStringLiteral("/printed.pdf");
        PdfPrinter pdf(path);
        app->services.printer = &pdf;
        QVERIFY(app->screens.show(ScreenId::frmUrkundeE));
        control<QPushButton>("cmdDrucken", ScreenId::frmUrkundeE)->click();
        QCOMPARE(pdfPages(path), 1);
        QVERIFY(app->dialogs.calls.isEmpty());
    }

    // At the certificate's physical size from the printable area's corner;
    // shrunk with its proportions only where the paper is smaller.
    void pageKeepsPhysicalSize() {
        const QSizeF inches(6960 / 1440.0, 8985 / 1440.0);
        QPdfWriter a4(app->root() + QStringLiteral("/a4.pdf"));
        a4.setResolution(1200);
        a4.setPageSize(QPageSize(QPageSize::A4));
        QCOMPARE(pagerenderer::targetRect(a4, inches), QRectF(0, 0, 5800, 7487.5));

        QPdfWriter small(app->root() + QStringLiteral("/small.pdf"));
        small.setResolution(100);
        small.setPageSize(QPageSize(QSizeF(3, 3), QPageSize::Inch));
        small.setPageMargins(QMarginsF(0, 0, 0, 0));
        const QRectF fitted = pagerenderer::targetRect(small, inches);
        QCOMPARE(fitted.topLeft(), QPointF(0, 0));
        QVERIFY(qAbs(fitted.height() - 300) < 1);
        QVERIFY(qAbs(fitted.width() / fitted.height() - inches.width() / inches.height()) < 1e-6);
    }

    // No printer or a failing one: say so, offer a PDF, and keep the screen.
    void withoutPrinterOffersPdf_data() {
        QTest::addColumn<bool>("noPrinterService");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("wantsPdf");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("reason");
        const QString none = QStringLiteral("kein Drucker eingerichtet");
        const QString failed = QStringLiteral("konnte nicht gedruckt werden");
        const int noPrinter = int(Printer::Outcome::NoPrinter);
        QTest::newRow("no printer service, PDF saved, suffix added")
            << true << noPrinter << true << "urkunde" << 1 << none;
        QTest::newRow("no printer, declined") << false << noPrinter << false << "" << -1 << none;
        QTest::newRow("printer failed, PDF saved")
            << false << int(Printer::Outcome::Failed) << true << "mia.PDF" << 1 << failed;
        QTest::newRow("file chooser cancelled") << false << noPrinter << true << "" << -1 << none;
    }
    void withoutPrinterOffersPdf() {
        QFETCH(bool, noPrinterService);
        QFETCH(int, outcome);
        QFETCH(bool, wantsPdf);
        QFETCH(QString, fileName);
        QFETCH(int, pages);
        QFETCH(QString, reason);
        printer.outcome = Printer::Outcome(outcome);
        if (noPrinterService)
            app->services.printer = nullptr;
        app->dialogs.answers.enqueue(wantsPdf);
        const QString path =
            fileName.isEmpty() ? QString() : app->root() + QLatin1Char('/') + fileName;
        app->dialogs.fileNames.enqueue(path);
        QVERIFY(app->screens.show(ScreenId::frmUrkunde));
        const QImage before = screenImage();
        QImage shownDuringDialog;
        app->dialogs.whileOpen = [&] { shownDuringDialog = screenImage(); };

        control<QPushButton>("cmdDrucken")->click();

        QVERIFY(app->dialogs.calls.size() >= 1);
        const auto &question = app->dialogs.calls.first();
        QCOMPARE(question.kind, RecordingDialogs::Kind::Question);
        QVERIFY2(question.text.contains(reason), qPrintable(question.text));
        QVERIFY(question.text.contains(QStringLiteral("PDF")));
        QCOMPARE(shownDuringDialog, before);
        QCOMPARE(screenImage(), before);

        const QString saved = path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
                                  ? path
                                  : path + QStringLiteral(".pdf");
        QCOMPARE(pdfPages(saved), pages);
        if (pages == 1) {
            QCOMPARE(app->dialogs.calls.last().icon, Dialogs::Icon::Information);
            QVERIFY(app->dialogs.calls.last().text.contains(QDir::toNativeSeparators(saved)));
        }
    }

    void systemPrinterWithoutPrinterSaysSo() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is set up on this machine");
        SystemPrinter system;
        QImage page(100, 100, QImage::Format_RGB32);
        page.fill(Qt::white);
        QCOMPARE(system.print(page, QSizeF(1, 1)), Printer::Outcome::NoPrinter);
    }

    void failedPdfSaveIsReported() {
        printer.outcome = Printer::Outcome::NoPrinter;
        const QString path = app->root() + QStringLiteral("/missing/folder/urkunde.pdf");
        app->dialogs.fileNames.enqueue(path);
        QVERIFY(app->screens.show(ScreenId::frmUrkunde));
        control<QPushButton>("cmdDrucken")->click();
        const auto &last = app->dialogs.calls.last();
        QCOMPARE(last.kind, RecordingDialogs::Kind::Message);
        QCOMPARE(last.icon, Dialogs::Icon::Warning);
        QVERIFY(last.text.contains(QStringLiteral("nicht gespeichert")));
        QVERIFY(!QFile::exists(path));
        QVERIFY(control("cmdDrucken")->isVisible());
    }

    void backShowsTheStartScreen_data() {
        QTest::addColumn<bool>("startClosed");
        QTest::newRow("start screen underneath") << false;
        QTest::newRow("start screen had been closed") << true;
    }
    void backShowsTheStartScreen() {
        QFETCH(bool, startClosed);
        QVERIFY(app->screens.show(ScreenId::frmUrkundeE));
        if (startClosed)
            app->screens.unload(ScreenId::frmStart);
        QWidget *focus = certificate(ScreenId::frmUrkundeE)->window()->focusWidget();
        QTest::keyClick(focus, Qt::Key_Return);
        TestApp::settle();
        QVERIFY(!app->screens.isLoaded(ScreenId::frmUrkundeE));
        QVERIFY(app->screens.isVisible(ScreenId::frmStart));
        QVERIFY(!app->ended);
    }
};

QTEST_MAIN(TestCertificate)
#include "test_certificate.moc"
