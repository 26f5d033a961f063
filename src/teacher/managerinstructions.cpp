#include "managerinstructions.h"

#include "app/look.h"
#include "app/twips.h"

#include <QTextCursor>
#include <QTextDocument>

namespace managerinstructions {

namespace {
constexpr double px(int twipsValue) {
    return twipsValue / double(twips::perPixel);
}

const char *const steps[] = {
    "Auf der linken Seite (oben) wählen Sie die Festplatte oder das Laufwerk aus, darunter werden "
    "die Unterordner angezeigt die sich in diesem Medium befinden.",
    "Suchen Sie den Ordner, in dem sich die Bilder befinden aus (nur .jpg Bilder)",
    "Klicken Sie das gewünschte Bild an, es wird Ihnen dann auf der rechten Seite angezeigt, nur "
    "dann haben Sie es richtig gemacht. Sollte dort kein Bild erscheinen, versuchen Sie den "
    "Vorgang bitte erneut. ",
    "Wenn das Bild zu sehen ist, geben Sie im dem Textfeld unter dem Bild den Namen des Bildes an.",
};

// Step 5, around its underlined "Achtung:".
const char stepFiveBefore[] =
    "Jetzt können Sie entscheiden, in welcher Sprache bzw. welchem Level Sie das Bild abspeichern "
    "möchten. Man kann auch weitere Hintergründe einfügen. Klicken Sie dazu auf den entsprechenden "
    "Button. Es erscheint eine Message \u201Eob Sie das Bild speichern möchten\", klicken Sie dazu "
    "auf \u201EJa\"! ";
const char stepFiveWarning[] = "Achtung:";
const char stepFiveAfter[] =
    " Wenn Sie kein Bild ausgewählt haben, und dann auf Speichern klicken erscheint trotzdem die "
    "Message, jedoch wird nix abgespeichert. Denken Sie auch daran ein Namen einzugeben, ansonsten "
    "wird das Bild ohne Namen sondern nur mit der Endung .jpg abgespeichert. Für das Spiel würde "
    "das bedeuten, dass das Bild ohne Buchstaben erscheint.";

const char deleting[] =
    "Suchen Sie sich das gewünschte Bild aus (es muss blau markiert sein), und klicken dann auf "
    "den Button löschen, es erscheint eine Message \u201EOb Sie Datei wirklich löschen möchten\" "
    "klicken Sie dazu auf \u201EJa\". Beim nächsten Aufrufen des Ordners ist das Bild gelöscht!";

QTextCharFormat text(double pointSize, bool bold = false, bool underline = false,
                     const QString &family = look::calibri) {
    QTextCharFormat f;
    f.setFont(look::font(pointSize, bold, family), QTextCharFormat::FontPropertiesAll);
    f.setFontUnderline(underline);
    return f;
}

QTextBlockFormat paragraph(bool hanging = false) {
    QTextBlockFormat f;
    f.setAlignment(Qt::AlignJustify);
    f.setBottomMargin(px(200));
    f.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
    if (hanging) {
        // The number or bullet sits in the first line's overhang; the tab
        // takes the text on to the left indent, where wrapped lines start.
        f.setLeftMargin(px(720));
        f.setTextIndent(-px(360));
        f.setTabPositions({QTextOption::Tab(px(360), QTextOption::LeftTab)});
    }
    return f;
}
} // namespace

QTextDocument *makeDocument(QObject *parent) {
    auto *doc = new QTextDocument(parent);
    const QTextCharFormat body = text(11);
    doc->setDefaultFont(body.font());
    QTextOption option = doc->defaultTextOption();
    option.setTabStopDistance(px(708));
    doc->setDefaultTextOption(option);

    QTextCursor c(doc);
    const QTextCharFormat title = text(12, true);
    c.setBlockFormat(paragraph());
    c.setBlockCharFormat(title);
    c.insertText(QStringLiteral("Anleitung:"), title);

    const QTextCharFormat underlined = text(11, false, true);
    c.insertBlock(paragraph(), underlined);
    c.insertText(QStringLiteral("Wenn Sie die Bilder erweitern möchten folgen Sie diesen Punkten:"),
                 underlined);

    int number = 0;
    const auto step = [&](const QString &content) {
        c.insertBlock(paragraph(true), body);
        c.insertText(QStringLiteral("%1.\t").arg(++number) + content, body);
    };
    for (const char *s : steps)
        step(QString::fromUtf8(s));
    step(QString::fromUtf8(stepFiveBefore));
    c.insertText(QString::fromUtf8(stepFiveWarning), underlined);
    c.insertText(QString::fromUtf8(stepFiveAfter), body);

    c.insertBlock(paragraph(), underlined);
    c.insertText(QStringLiteral("Wenn Sie Bilder löschen möchten:"), underlined);

    c.insertBlock(paragraph(true), body);
    c.insertText(QStringLiteral("\u2022"), text(11, false, false, QStringLiteral("Symbol")));
    c.insertText(QStringLiteral("\t") + QString::fromUtf8(deleting), body);

    c.insertBlock(paragraph(), body);
    return doc;
}

} // namespace managerinstructions
