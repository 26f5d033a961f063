#include "gameinstructions.h"

#include "app/art.h"
#include "app/look.h"
#include "app/twips.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace gameinstructions {

namespace {
const QString msSansSerif = QStringLiteral("MS Sans Serif");
const QString title = QStringLiteral("Tintenfunkel");

constexpr double px(int twipsValue) {
    return twipsValue / double(twips::perPixel);
}

const char *const points[] = {
    "Man wählt eine Sprache aus Deutsch oder Englisch!",
    "Es erscheinen 25 Bilder, man sucht sich eines der Bilder aus indem man auf dieses Bild "
    "klickt, es erscheint "
    "dann rechts in Groß und es kommen Buchstaben eingeflogen, die man dann dem Bild zuordnen "
    "muss.",
    "Wenn man nicht weiterkommt, kann man auch zuerst mit einem anderen Bild weitermachen, dazu "
    "muss man auf denn "
    "Button \u201EMit einem anderen Bild weitermachen?\" klicken.",
    "Hat man alle 25 Bilder geschafft, wird man ins nächste Level weitergeleitet. Es gibt "
    "insgesamt drei Level mit "
    "jeweils 25 Bildern. ",
    "Man hat fünf Leben pro Level, schafft man es nicht, wird das Spiel beendet",
    "Am Ende des dritten Level kann man sein Name eingeben, der Name erscheint dann mit auf der "
    "Urkunde, die man "
    "sich ausdrucken kann.",
};

QTextCharFormat charFormat(const QString &family, double pointSize, bool bold = false) {
    QTextCharFormat f;
    f.setFont(look::font(pointSize, bold, family), QTextCharFormat::FontPropertiesAll);
    return f;
}

QTextBlockFormat blockFormat(Qt::Alignment alignment = Qt::AlignLeft, int leftTwips = 0,
                             int firstLineTwips = 0) {
    QTextBlockFormat f;
    f.setAlignment(alignment);
    f.setBottomMargin(px(200));
    f.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
    f.setLeftMargin(px(leftTwips));
    f.setTextIndent(px(firstLineTwips));
    return f;
}
} // namespace

QSizeF letterDisplaySize(QSizeF natural) {
    const double scale = 0.45;
    return QSizeF(qBound(px(405), natural.width() * scale, px(516)),
                  qBound(px(412), natural.height() * scale, px(512)));
}

QTextDocument *makeDocument(QObject *parent) {
    auto *doc = new QTextDocument(parent);
    const QTextCharFormat body = charFormat(look::calibri, 11);
    doc->setDefaultFont(body.font());
    QTextOption option = doc->defaultTextOption();
    option.setTabStopDistance(px(708));
    doc->setDefaultTextOption(option);

    QTextCursor c(doc);
    QTextCharFormat heading = charFormat(look::calibri, 14, true);
    heading.setForeground(QColor(255, 0, 0));
    c.setBlockFormat(blockFormat(Qt::AlignHCenter));
    c.setBlockCharFormat(heading);
    c.insertText(QStringLiteral("Anleitung für das  Spiel:"), heading);

    c.insertBlock(blockFormat(Qt::AlignHCenter), charFormat(msSansSerif, 8.5));
    for (int i = 0; i < title.size(); ++i) {
        const Picture letter = art::letter(title.mid(i, 1));
        const QUrl name(QStringLiteral("letter:%1").arg(i + 1));
        doc->addResource(QTextDocument::ImageResource, name, *letter);
        QTextImageFormat image;
        image.merge(body);
        image.setName(name.toString());
        const QSizeF size = letterDisplaySize(letter->size());
        image.setWidth(size.width());
        image.setHeight(size.height());
        c.insertImage(image);
    }

    c.insertBlock(blockFormat(Qt::AlignLeft, 720), body);
    c.insertBlock(blockFormat(Qt::AlignLeft, 360), body);

    // Hanging indent: the number sits in the first line's overhang and the
    // tab takes the text on to the left indent, where the wrapped lines
    // start. Tabs count from the start of the first line.
    QTextBlockFormat point = blockFormat(Qt::AlignLeft, 720, -360);
    point.setTabPositions({QTextOption::Tab(px(360), QTextOption::LeftTab)});
    const QTextCharFormat number = charFormat(look::calibri, 11, true);
    int n = 0;
    for (const char *text : points) {
        c.insertBlock(point, body);
        c.insertText(QStringLiteral("%1.").arg(++n), number);
        c.insertText(QStringLiteral("\t") + QString::fromUtf8(text), body);
    }

    c.insertBlock(blockFormat(), body);
    c.insertBlock(blockFormat(Qt::AlignHCenter), body);
    return doc;
}

} // namespace gameinstructions
