#include "startscreen.h"

#include "art.h"
#include "imagebox.h"
#include "look.h"
#include "screens.h"
#include "services.h"
#include "twips.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

StartScreen::StartScreen(Screens &screens)
    : Screen(screens, ScreenId::frmStart) {}

namespace {
struct ImageSpec {
    const char *name;
    int index;
    int left, top, width, height;
    const char *art;
};

// Title letters in the order of "Tintenfunkel": letters 1-7 top, 8-12 bottom.
const ImageSpec images[] = {
    {"imgbild", -1, 2280, 1560, 3495, 3450, "child.gif"},
    {"Image14", 0, 0, 360, 1665, 1575, "lettuce_right.jpg"},
    {"Image14", 1, 5400, 4800, 1665, 1575, "lettuce_left.jpg"},
    {"Image1", -1, 1320, 840, 495, 495, "letters/t.gif"},
    {"Image2", -1, 2040, 840, 495, 495, "letters/i.gif"},
    {"Image9", -1, 2760, 840, 495, 495, "letters/n.gif"},
    {"Image8", -1, 3480, 840, 495, 495, "letters/t.gif"},
    {"Image7", -1, 4200, 840, 495, 495, "letters/e.gif"},
    {"Image6", -1, 4920, 840, 495, 495, "letters/n.gif"},
    {"Image5", -1, 5640, 840, 495, 495, "letters/f.gif"},
    {"Image13", -1, 6360, 840, 495, 495, "deco.gif"},
    {"Image4", -1, 2280, 5280, 495, 495, "letters/u.gif"},
    {"Image3", -1, 3000, 5280, 495, 495, "letters/n.gif"},
    {"Image12", -1, 3720, 5280, 495, 495, "letters/k.gif"},
    {"Image11", -1, 4440, 5280, 495, 495, "letters/e.gif"},
    {"Image10", -1, 5160, 5280, 495, 495, "letters/l.gif"},
};

Picture artOrLetter(const QString &name) {
    static const QString letters = QStringLiteral("letters/");
    if (name.startsWith(letters))
        return art::letter(name.mid(letters.size(), 1));
    return art::picture(name);
}
} // namespace

void StartScreen::build(ScreenWindow &window) {
    window.setWindowTitle(appTitle);
    window.setBorder(ScreenWindow::Border::FixedSingle);
    window.setClientTwips(8085, 6660);
    window.setBackgroundPicture(art::pixmap(QStringLiteral("bg_start.jpg")));
    QWidget *client = window.client();

    for (const ImageSpec &spec : images) {
        auto *image = new ImageBox(client, QString::fromLatin1(spec.name), spec.index);
        twips::place(image, spec.left, spec.top, spec.width, spec.height);
        image->setPicture(artOrLetter(QString::fromLatin1(spec.art)));
    }

    const auto button = [&](const char *name, const QString &caption, int left,
                            void (StartScreen::*handler)()) {
        auto *b = new QPushButton(caption, client);
        b->setObjectName(QString::fromLatin1(name));
        look::styleButton(b);
        twips::place(b, left, 3240, 1815, 495);
        QObject::connect(b, &QPushButton::clicked, b, [this, handler] { (this->*handler)(); });
        return b;
    };
    QPushButton *deutsch =
        button("cmdDeutsch", QStringLiteral("Deutsch"), 360, &StartScreen::cmdDeutsch_Click);
    QPushButton *englisch =
        button("cmdEnglisch", QStringLiteral("Englisch"), 5880, &StartScreen::cmdEnglisch_Click);
    QWidget::setTabOrder(deutsch, englisch);
    deutsch->setFocus();

    QMenuBar *bar = window.menuBar();
    const auto menu = [&](const char *name, const QString &caption) {
        QMenu *m = bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };
    const auto entry = [&](QMenu *m, const char *name, const QString &caption,
                           void (StartScreen::*handler)()) {
        QAction *a = m->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        QObject::connect(a, &QAction::triggered, m, [this, handler] { (this->*handler)(); });
    };
    const auto separator = [](QMenu *m, const char *name) {
        m->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QMenu *spiel = menu("Spiel", QStringLiteral("&Spiel"));
    entry(spiel, "Intro", QStringLiteral("&Intro"), &StartScreen::Intro_Click);
    separator(spiel, "Strich3");
    entry(spiel, "Beenden", QStringLiteral("&Beenden"), &StartScreen::Beenden_Click);
    QMenu *sprache = menu("Sprache", QStringLiteral("&Sprache"));
    entry(sprache, "Deutsch", QStringLiteral("&Deutsch"), &StartScreen::Deutsch_Click);
    separator(sprache, "Strich2");
    entry(sprache, "Englisch", QStringLiteral("&Englisch"), &StartScreen::Englisch_Click);
    QMenu *login = menu("Login", QStringLiteral("&Login"));
    entry(login, "Mentor", QStringLiteral("&Mentor"), &StartScreen::Mentor_Click);
    QMenu *hilfe = menu("Hilfe", QStringLiteral("&?"));
    entry(hilfe, "Info", QStringLiteral("&Info"), &StartScreen::Info_Click);
    separator(hilfe, "Strich1");
    entry(hilfe, "Anleitung", QStringLiteral("&Anleitung"), &StartScreen::Anleitung_Click);
}

void StartScreen::cmdDeutsch_Click() {
    screens().show(ScreenId::frmGame);
}
void StartScreen::Deutsch_Click() {
    screens().show(ScreenId::frmGame);
}
void StartScreen::cmdEnglisch_Click() {
    screens().show(ScreenId::frmGameE1);
}
void StartScreen::Englisch_Click() {
    screens().show(ScreenId::frmGameE1);
}
void StartScreen::Intro_Click() {
    screens().show(ScreenId::frmintro);
}
void StartScreen::Beenden_Click() {
    screens().endProgram();
}
void StartScreen::Mentor_Click() {
    screens().show(ScreenId::frmlogin);
}
void StartScreen::Info_Click() {
    screens().show(ScreenId::frmAbout);
}
void StartScreen::Anleitung_Click() {
    screens().show(ScreenId::frmanleitungspiel);
}
