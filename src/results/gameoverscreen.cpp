#include "gameoverscreen.h"

#include "app/art.h"
#include "app/look.h"
#include "app/screens.h"

#include <QPushButton>

GameOverScreen::GameOverScreen(Screens &screens, const GameOverSpec &spec)
    : Screen(screens, spec.screen)
    , m_spec(spec) {}

void GameOverScreen::build(ScreenWindow &window) {
    window.setWindowTitle(QString::fromUtf8(m_spec.caption));
    window.setBorder(m_spec.border);
    window.setClientTwips(m_spec.client.width(), m_spec.client.height());
    window.setBackColor(look::paleTurquoise());
    window.setBackgroundPicture(art::pixmap(QStringLiteral("bg_pale.png")));
    controls::build(window.client(), m_spec.controls);

    const auto button = [&](const char *name) {
        return window.client()->findChild<QPushButton *>(QString::fromLatin1(name));
    };
    QPushButton *anfang = button("cmdanfang");
    QPushButton *ende = button("cmdende");
    QObject::connect(anfang, &QPushButton::clicked, anfang, [this] { cmdanfang_Click(); });
    QObject::connect(ende, &QPushButton::clicked, ende, [this] { cmdende_Click(); });
    QPushButton *first = button(m_spec.firstInTabOrder);
    QWidget::setTabOrder(first, button(m_spec.secondInTabOrder));
    first->setFocus();
}

void GameOverScreen::cmdanfang_Click() {
    unloadSelf();
}

void GameOverScreen::cmdende_Click() {
    screens().unload(ScreenId::frmStart);
    unloadSelf();
}
