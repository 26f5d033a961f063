#include "loginscreen.h"

#include "app/art.h"
#include "app/imagebox.h"
#include "app/look.h"
#include "app/screens.h"
#include "app/services.h"
#include "app/twips.h"
#include "teacheraccount.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

LoginScreen::LoginScreen(Screens &screens)
    : Screen(screens, ScreenId::frmlogin) {}

namespace {
const QString nameBox = QStringLiteral("txtname");
const QString passwordBox = QStringLiteral("txtpasswort");

QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                 int width, int height) {
    auto *f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    f->setFont(look::font(8.25));
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, look::buttonBack());
    f->setPalette(p);
    twips::place(f, left, top, width, height);
    return f;
}

QLineEdit *textBox(QWidget *parent, const QString &name, int left, int top, int width, int height) {
    auto *t = new QLineEdit(parent);
    t->setObjectName(name);
    twips::place(t, left, top, width, height);
    return t;
}
} // namespace

void LoginScreen::build(ScreenWindow &window) {
    window.setWindowTitle(QStringLiteral("Login"));
    window.setBorder(ScreenWindow::Border::FixedSingle);
    window.setClientTwips(6735, 4110);
    window.setBackColor(look::paleTurquoise());
    window.setBackgroundPicture(art::pixmap(QStringLiteral("bg_pale.png")));
    QWidget *client = window.client();

    auto *emblem = new ImageBox(client, QStringLiteral("Image1"));
    twips::place(emblem, 2160, 0, 2145, 1575);
    emblem->setPicture(art::picture(QStringLiteral("padlock.jpg")));

    frame(client, QStringLiteral("franame"), QStringLiteral("Benutzername eingeben"), 840, 1560,
          4695, 735);
    QLineEdit *name = textBox(client, nameBox, 1080, 1800, 4215, 315);
    QGroupBox *passwordFrame = frame(client, QStringLiteral("frapasswort"),
                                     QStringLiteral("Passwort eingeben"), 840, 2400, 4695, 1455);
    QLineEdit *password = textBox(client, passwordBox, 1080, 2640, 4215, 285);
    password->setEchoMode(QLineEdit::Password);
    password->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));

    const auto button = [this](QWidget *parent, const char *objectName, const QString &caption,
                               int left, int top, void (LoginScreen::*handler)()) {
        auto *b = new QPushButton(caption, parent);
        b->setObjectName(QString::fromLatin1(objectName));
        look::styleButton(b);
        twips::place(b, left, top, 1095, 615);
        QObject::connect(b, &QPushButton::clicked, b, [this, handler] { (this->*handler)(); });
        return b;
    };
    // OK and Beenden sit inside the password frame; Neue Eingabe lies over it.
    QPushButton *ok =
        button(passwordFrame, "cmdOK", QStringLiteral("&OK"), 240, 720, &LoginScreen::cmdOK_Click);
    QPushButton *neu = button(client, "cmdneu", QStringLiteral("&Neue Eingabe"), 2640, 3120,
                              &LoginScreen::cmdneu_Click);
    QPushButton *beenden = button(passwordFrame, "cmdbeenden", QStringLiteral("&Beenden"), 3360,
                                  720, &LoginScreen::cmdbeenden_Click);
    ok->setDefault(true);
    // Outside a dialog a default button does not see Enter by itself.
    for (QLineEdit *box : {name, password})
        QObject::connect(box, &QLineEdit::returnPressed, ok, &QPushButton::click);

    QWidget::setTabOrder(name, password);
    QWidget::setTabOrder(password, ok);
    QWidget::setTabOrder(ok, neu);
    QWidget::setTabOrder(neu, beenden);
    name->setFocus();
}

void LoginScreen::cmdOK_Click() {
    const bool passed = teacheraccount::accepts(control<QLineEdit>(nameBox)->text(),
                                                control<QLineEdit>(passwordBox)->text());
    if (passed) {
        screens().hide(ScreenId::frmlogin);
        screens().show(ScreenId::frmbenutzer);
    } else {
        services().dialogs->message(
            QStringLiteral("Falscher Benutzername oder falsches Passwort, fragen Sie den "
                           "Administrator, oder versuchen Sie es erneut"),
            QStringLiteral("Falsche Eingabe !"), Dialogs::Icon::Critical);
    }
    unloadSelf();
}

void LoginScreen::cmdneu_Click() {
    control<QLineEdit>(nameBox)->clear();
    control<QLineEdit>(passwordBox)->clear();
}

void LoginScreen::cmdbeenden_Click() {
    unloadSelf();
}
