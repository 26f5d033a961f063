#include "look.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QLabel>
#include <QPalette>

static void initResources() {
    Q_INIT_RESOURCE(fonts);
#ifdef TF_HAVE_ART
    Q_INIT_RESOURCE(art);
#endif
}

namespace look {

void install() {
    static bool done = false;
    if (done)
        return;
    done = true;
    initResources();
    QString comicFamily;
    QString calibriFamily;
    for (const char *file : {":/fonts/ComicNeue-Bold.otf", ":/fonts/ComicNeue-Regular.otf",
                             ":/fonts/Carlito-Regular.ttf", ":/fonts/Carlito-Bold.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty())
            continue;
        if (QByteArray(file).contains("Comic"))
            comicFamily = families.first();
        else
            calibriFamily = families.first();
    }
    if (!comicFamily.isEmpty())
        QFont::insertSubstitution(comicSans, comicFamily);
    if (!calibriFamily.isEmpty())
        QFont::insertSubstitution(calibri, calibriFamily);
}

QFont font(double pointSize, bool bold, const QString &family) {
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

QColor buttonBack() {
    return QColor(255, 255, 192);
}
QColor labelText() {
    return QColor(64, 64, 64);
}
QColor paleTurquoise() {
    return QColor(179, 228, 232);
}

void styleButton(QAbstractButton *button, double pointSize) {
    button->setFont(font(pointSize));
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: rgb(255, 255, 192); color: black;"
                       " border: 1px solid rgb(120, 120, 90); border-radius: 3px; padding: 1px; }"
                       "QPushButton:hover { background-color: rgb(255, 255, 220); }"
                       "QPushButton:pressed { background-color: rgb(235, 235, 160); }"
                       "QPushButton:focus { border: 2px solid rgb(60, 60, 40); }"
                       "QPushButton:disabled { color: rgb(150, 150, 150); }"));
}

void styleLabel(QLabel *label, double pointSize, Qt::Alignment alignment, QColor colour) {
    label->setFont(font(pointSize));
    label->setAlignment(alignment);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

} // namespace look
