#include "levelcompletescreen.h"

#include "app/art.h"
#include "app/duration.h"
#include "app/imagebox.h"
#include "app/look.h"
#include "app/screens.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LevelCompleteScreen::LevelCompleteScreen(Screens &screens, const LevelCompleteSpec &spec)
    : Screen(screens, spec.screen)
    , m_spec(spec) {}

void LevelCompleteScreen::build(ScreenWindow &window) {
    window.setWindowTitle(QString::fromUtf8(m_spec.title));
    window.setBorder(ScreenWindow::Border::FixedSingle);
    window.setClientTwips(levelCompleteClientWidth, levelCompleteClientHeight);
    window.setBackColor(look::paleTurquoise());
    window.setBackgroundPicture(art::pixmap(QStringLiteral("bg_pale.png")));
    controls::build(window.client(), levelCompleteLayout(m_spec));

    auto *button = window.client()->findChild<QPushButton *>(QStringLiteral("cmdweiter"));
    QObject::connect(button, &QPushButton::clicked, button, [this] { cmdweiter_Click(); });
    if (m_spec.nameEntry) {
        auto *box =
            window.client()->findChild<QLineEdit *>(QString::fromUtf8(m_spec.nameEntry->box));
        QWidget::setTabOrder(button, box);
    }
    button->setFocus();
}

void LevelCompleteScreen::formLoad() {
    const double levelZeit = playState().levelZeit;
    control<QLabel>(QStringLiteral("gebrauchteZeit"))->setText(formatDuration(levelZeit));
    playState().*m_spec.field = levelZeit;

    // Only a game screen that is still open has a background to show; reading
    // a closed one would load a hidden new level behind the child's back.
    if (screens().isLoaded(m_spec.game)) {
        Screen *game = screens().instance(m_spec.game);
        if (auto *bg = game->control<ImageBox>(QStringLiteral("imgbg")))
            control<ImageBox>(QStringLiteral("imgbg"))->setPicture(bg->picture());
    }
}

void LevelCompleteScreen::cmdweiter_Click() {
    if (m_spec.nameEntry)
        toCertificate();
    else
        toNextLevel();
}

void LevelCompleteScreen::toNextLevel() {
    unloadSelf();
    screens().unload(m_spec.game);
    if (screens().load(m_spec.next))
        screens().show(m_spec.next);
}

void LevelCompleteScreen::toCertificate() {
    const QString name = control<QLineEdit>(QString::fromUtf8(m_spec.nameEntry->box))->text();
    // Touching the label loads the certificate, which sums the times first.
    if (Screen *certificate = screens().get<Screen>(m_spec.next)) {
        if (auto *label =
                certificate->control<QLabel>(QString::fromUtf8(m_spec.nameEntry->certificateLabel)))
            label->setText(name);
    }
    unloadSelf();
    screens().unload(m_spec.game);
    if (screens().load(m_spec.next))
        screens().show(m_spec.next);
}
