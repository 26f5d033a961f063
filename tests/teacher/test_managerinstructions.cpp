#include "testapp.h"

#include "app/twips.h"
#include "teacher/managerinstructions.h"
#include "teacher/teacherscreens.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include "textdocument.h"

namespace {
constexpr double px(int twips) {
    return twips / 15.0;
}

// The text of a block's underlined fragments, joined.
QString underlinedText(const QTextBlock &block) {
    QString out;
    for (const QTextFragment &f : fragments(block)) {
        if (f.charFormat().fontUnderline())
            out += f.text();
    }
    return out;
}

const QString step5 = QStringLiteral(
    "Jetzt können Sie entscheiden, in welcher Sprache bzw. welchem Level Sie das Bild "
    "abspeichern möchten. Man kann auch weitere Hintergründe einfügen. Klicken Sie dazu auf den "
    "entsprechenden Button. Es erscheint eine Message \u201Eob Sie das Bild speichern möchten\", "
    "klicken Sie dazu auf \u201EJa\"! Achtung: Wenn Sie kein Bild ausgewählt haben, und dann auf "
    "Speichern klicken erscheint trotzdem die Message, jedoch wird nix abgespeichert. Denken Sie "
    "auch daran ein Namen einzugeben, ansonsten wird das Bild ohne Namen sondern nur mit der "
    "Endung .jpg abgespeichert. Für das Spiel würde das bedeuten, dass das Bild ohne Buchstaben "
    "erscheint.");
} // namespace

class TestManagerInstructions : public QObject {
    Q_OBJECT

    std::unique_ptr<QTextDocument> doc;
    QList<QTextBlock> b;

private Q_SLOTS:
    void init() {
        doc.reset(managerinstructions::makeDocument(nullptr));
        b = blocks(*doc);
    }

    void paragraphTexts() {
        const QStringList expected = {
            "Anleitung:",
            "Wenn Sie die Bilder erweitern möchten folgen Sie diesen Punkten:",
            "1.\tAuf der linken Seite (oben) wählen Sie die Festplatte oder das Laufwerk aus, "
            "darunter werden die Unterordner angezeigt die sich in diesem Medium befinden.",
            "2.\tSuchen Sie den Ordner, in dem sich die Bilder befinden aus (nur .jpg Bilder)",
            "3.\tKlicken Sie das gewünschte Bild an, es wird Ihnen dann auf der rechten Seite "
            "angezeigt, nur dann haben Sie es richtig gemacht. Sollte dort kein Bild erscheinen, "
            "versuchen Sie den Vorgang bitte erneut. ",
            "4.\tWenn das Bild zu sehen ist, geben Sie im dem Textfeld unter dem Bild den Namen "
            "des Bildes an.",
            "5.\t" + step5,
            "Wenn Sie Bilder löschen möchten:",
            "\u2022\tSuchen Sie sich das gewünschte Bild aus (es muss blau markiert sein), und "
            "klicken dann auf den Button löschen, es erscheint eine Message \u201EOb Sie Datei "
            "wirklich löschen möchten\" klicken Sie dazu auf \u201EJa\". Beim nächsten Aufrufen "
            "des Ordners ist das Bild gelöscht!",
            "",
        };
        QStringList texts;
        for (const QTextBlock &block : b)
            texts << block.text();
        QCOMPARE(texts, expected);
    }

    void paragraphFormats() {
        for (const QTextBlock &block : b) {
            const QTextBlockFormat f = block.blockFormat();
            QCOMPARE(f.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
            QCOMPARE(f.bottomMargin(), px(200));
            QCOMPARE(f.lineHeight(), 115.0);
            QCOMPARE(f.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
            const bool hanging =
                (block.blockNumber() >= 2 && block.blockNumber() <= 6) || block.blockNumber() == 8;
            QCOMPARE(f.leftMargin(), hanging ? px(720) : 0.0);
            QCOMPARE(f.textIndent(), hanging ? -px(360) : 0.0);
        }
        QCOMPARE(doc->defaultTextOption().tabStopDistance(), px(708));
    }

    void fontsAndUnderlines() {
        for (const QTextBlock &block : b) {
            for (const QTextFragment &f : fragments(block)) {
                const QTextCharFormat cf = f.charFormat();
                const bool title = block.blockNumber() == 0;
                const bool bullet = f.text() == QStringLiteral("\u2022");
                QCOMPARE(cf.fontPointSize(), title ? 12.0 : 11.0);
                QCOMPARE(cf.fontWeight() >= QFont::Bold, title);
                QCOMPARE(cf.fontFamilies().toStringList().value(0),
                         bullet ? QStringLiteral("Symbol") : QStringLiteral("Calibri"));
            }
        }
        QCOMPARE(underlinedText(b[1]), b[1].text());
        QCOMPARE(underlinedText(b[7]), b[7].text());
        QCOMPARE(underlinedText(b[6]), QStringLiteral("Achtung:"));
        for (int i : {0, 2, 3, 4, 5, 8})
            QCOMPARE(underlinedText(b[i]), QString());
    }

    void window() {
        TestApp app;
        registerTeacherScreens(app.screens);
        QVERIFY(app.screens.show(ScreenId::frmbenutzeranleitung));
        Screen *screen = app.screens.instance(ScreenId::frmbenutzeranleitung);
        QCOMPARE(screen->window()->windowTitle(),
                 QStringLiteral("Anleitung zum Erweitern der Bilder"));
        QCOMPARE(screen->window()->border(), ScreenWindow::Border::Sizable);
        auto *box = screen->control<QTextEdit>(QStringLiteral("rtfanleitung"));
        QVERIFY(box);
        QVERIFY(box->isReadOnly());
        QCOMPARE(twips::rect(box), QRect(0, 0, 8175, 6615));
        QCOMPARE(box->toPlainText(), doc->toPlainText());
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        // Resizing the window leaves the box as it is.
        screen->window()->resize(screen->window()->size() * 2);
        QCOMPARE(box->size(), twips::toPixels(QRect(0, 0, 8175, 6615)).size());
    }
};

QTEST_MAIN(TestManagerInstructions)
#include "test_managerinstructions.moc"
