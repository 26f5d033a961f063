#include "wordcheck.h"

#include "library/picturelibrary.h"

namespace wordcheck {

namespace {
bool isReservedOnWindows(const QString &word) {
    static const QStringList devices = {
        QStringLiteral("CON"),  QStringLiteral("PRN"),  QStringLiteral("AUX"),
        QStringLiteral("NUL"),  QStringLiteral("COM1"), QStringLiteral("COM2"),
        QStringLiteral("COM3"), QStringLiteral("COM4"), QStringLiteral("COM5"),
        QStringLiteral("COM6"), QStringLiteral("COM7"), QStringLiteral("COM8"),
        QStringLiteral("COM9"), QStringLiteral("LPT1"), QStringLiteral("LPT2"),
        QStringLiteral("LPT3"), QStringLiteral("LPT4"), QStringLiteral("LPT5"),
        QStringLiteral("LPT6"), QStringLiteral("LPT7"), QStringLiteral("LPT8"),
        QStringLiteral("LPT9")};
    return devices.contains(word, Qt::CaseInsensitive);
}

QString quoted(const QString &text) {
    return QStringLiteral("\u201E%1\u201C").arg(text);
}
} // namespace

QString unsafe(const QString &word) {
    if (word.contains(QLatin1Char('/')) || word.contains(QLatin1Char('\\')))
        return QStringLiteral("Das Wort darf keinen Schrägstrich (\u201E/\u201C oder "
                              "\u201E\\\u201C) enthalten.");
    if (word.contains(QLatin1String("..")))
        return QStringLiteral("Das Wort darf keine zwei Punkte hintereinander enthalten.");
    for (const QChar c : word) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph)
            return QStringLiteral("Das Wort enthält ein unsichtbares Steuerzeichen.");
        if (QStringLiteral("<>:\"|?*").contains(c))
            return QStringLiteral("Das Zeichen %1 ist in Dateinamen nicht erlaubt.").arg(quoted(c));
    }
    // A leading dot hides the file from the game's listing.
    if (word.startsWith(QLatin1Char('.')))
        return QStringLiteral("Das Wort darf nicht mit einem Punkt beginnen.");
    if (word.endsWith(QLatin1Char('.')) || word.endsWith(QLatin1Char(' ')))
        return QStringLiteral("Das Wort darf nicht mit einem Punkt oder Leerzeichen enden.");
    if (isReservedOnWindows(word))
        return QStringLiteral("%1 ist unter Windows ein reservierter Name und kann kein "
                              "Dateiname sein.")
            .arg(quoted(word));
    return {};
}

QString unplayable(const QString &word, const PictureLibrary &library) {
    if (word.size() > PictureLibrary::maxWordLength)
        return QStringLiteral("Das Wort %1 hat %2 Zeichen, im Spiel haben höchstens %3 Platz.")
            .arg(quoted(word))
            .arg(word.size())
            .arg(PictureLibrary::maxWordLength);
    for (const QChar c : word) {
        if (library.isPlayable(QString(c)))
            continue;
        const QString what = c == QLatin1Char(' ')
                                 ? QStringLiteral("das Leerzeichen")
                                 : QStringLiteral("das Zeichen %1").arg(quoted(c));
        return QStringLiteral("Für %1 im Wort %2 gibt es kein Buchstabenbild, das Spiel "
                              "könnte dieses Wort nie zeigen.")
            .arg(what, quoted(word));
    }
    return {};
}

} // namespace wordcheck
