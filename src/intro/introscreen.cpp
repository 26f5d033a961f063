#include "introscreen.h"

#include "app/art.h"
#include "app/imagebox.h"
#include "app/look.h"
#include "app/screens.h"
#include "app/twips.h"
#include "library/picturelibrary.h"

#include <QPushButton>
#include <QTimer>

using namespace introtimeline;

namespace {
struct RevealSpec {
    const char *name;
    int letter; // title letter, 0 for the decorative shape
    int left, top;
};

// In reveal order: step s shows revealOrder[s - 1].
const RevealSpec revealOrder[revealSteps] = {
    {"Image1", 1, 1200, 240},   {"Image6", 2, 2400, 840},   {"Image5", 3, 3840, 240},
    {"Image10", 4, 4920, 1200}, {"Image11", 5, 5880, 480},  {"Image12", 6, 7080, 1080},
    {"Image2", 7, 8040, 600},   {"Image13", 0, 5040, 2520}, {"Image3", 8, 2520, 5040},
    {"Image9", 9, 3840, 4560},  {"Image8", 10, 5160, 4560}, {"Image7", 11, 6360, 4800},
    {"Image4", 12, 7320, 4320},
};

ImageBox *naturalImage(QWidget *parent, const QString &name, int left, int top, Picture picture) {
    auto *image = new ImageBox(parent, name);
    twips::place(image, left, top, 0, 0);
    image->setStretch(false);
    image->setPicture(std::move(picture));
    return image;
}
} // namespace

IntroScreen::IntroScreen(Screens &screens)
    : Screen(screens, ScreenId::frmintro) {}

void IntroScreen::build(ScreenWindow &window) {
    window.setWindowTitle(QStringLiteral("Intro"));
    window.setBorder(ScreenWindow::Border::FixedDialog);
    window.setClientTwips(10560, 7185);
    window.setBackgroundPicture(art::pixmap(QStringLiteral("bg_intro.jpg")));
    QWidget *client = window.client();

    const auto button = [&](const char *name, const QString &caption, QRect rect,
                            void (IntroScreen::*handler)()) {
        auto *b = new QPushButton(caption, client);
        b->setObjectName(QString::fromUtf8(name));
        look::styleButton(b);
        twips::place(b, rect);
        QObject::connect(b, &QPushButton::clicked, b, [this, handler] { (this->*handler)(); });
        return b;
    };
    m_weiter = button("cmdweiter", QStringLiteral("Weiter zum Spiel"), QRect(4320, 6240, 2055, 615),
                      &IntroScreen::cmdweiter_Click);
    m_skip = button("cmdIntro", QStringLiteral("Intro überspringen"), QRect(8760, 6720, 1695, 375),
                    &IntroScreen::cmdIntro_Click);
    QWidget::setTabOrder(m_weiter, m_skip);

    for (int s = 0; s < revealSteps; ++s) {
        const RevealSpec &spec = revealOrder[s];
        const QString name = QString::fromLatin1(spec.name);
        if (spec.letter == 0) {
            m_reveal[s] = new ImageBox(client, name);
            twips::place(m_reveal[s], spec.left, spec.top, 1455, 1365);
            m_reveal[s]->setPicture(art::picture(QStringLiteral("deco.gif")));
        } else {
            m_reveal[s] = naturalImage(client, name, spec.left, spec.top,
                                       art::letter(titleLetter(spec.letter)));
        }
    }

    m_lettuce = new ImageBox(client, QStringLiteral("Image14"));
    twips::place(m_lettuce, 120, 1920, 3045, 2970);
    m_lettuce->setPicture(art::picture(QStringLiteral("lettuce_right.jpg")));

    // Created last, so the letter flies in front of the lettuce head.
    m_flying = naturalImage(client, QStringLiteral("imgbuchstaben"), flightStartLeft, 2880,
                            art::letter(titleLetter(1)));

    const auto timer = [&](const char *name, int interval, void (IntroScreen::*handler)()) {
        auto *t = new QTimer(&window);
        t->setObjectName(QString::fromLatin1(name));
        t->setTimerType(Qt::PreciseTimer);
        t->setInterval(interval);
        QObject::connect(t, &QTimer::timeout, t, [this, handler] { (this->*handler)(); });
        t->start();
        return t;
    };
    timer("Timer1", timer1Interval, &IntroScreen::Timer1_Timer);
    m_timer2 = timer("Timer2", timer2Interval, &IntroScreen::Timer2_Timer);
}

void IntroScreen::formLoad() {
    m_weiter->hide();
    m_buchstabenNr = 0;
    m_takte = 0;
    m_kopfNr = 0;
    for (ImageBox *image : m_reveal)
        image->hide();
    m_frames = {};
    m_frameRead = {};
}

void IntroScreen::discardControls() {
    m_flying = nullptr;
    m_lettuce = nullptr;
    m_reveal = {};
    m_weiter = nullptr;
    m_skip = nullptr;
    m_timer2 = nullptr;
}

void IntroScreen::Timer1_Timer() {
    if (!isLoaded())
        return;
    const FlightMove move = moveFlyingLetter(twips::left(m_flying));
    twips::setLeft(m_flying, move.left);
    if (move.wrapped) {
        m_buchstabenNr = nextPass(m_buchstabenNr);
        // The picture only changes with the pass, so it is read once per pass.
        const FlightChange change = flightChangeAfterPass(m_buchstabenNr);
        if (change.kind == FlightChange::ShowLetter) {
            showFlyingLetter(change.letter);
        } else if (change.kind == FlightChange::EndFlight) {
            m_timer2->stop();
            m_flying->hide();
        }
    }

    m_takte = nextTick(m_takte);
    if (const int step = revealStepAt(m_takte))
        m_reveal[step - 1]->show();

    if (!m_reveal[revealSteps - 1]->isHidden()) {
        m_skip->hide();
        m_weiter->show();
    }
}

void IntroScreen::showFlyingLetter(int letter) {
    // A letter file that is missing or unreadable leaves the previous letter.
    if (Picture picture = library().load(PictureLibrary::letterPath(titleLetter(letter))))
        m_flying->setPicture(std::move(picture));
}

void IntroScreen::Timer2_Timer() {
    if (!isLoaded())
        return;
    if (Picture frame = lettuceFrame(m_kopfNr))
        m_lettuce->setPicture(std::move(frame));
    m_kopfNr = nextLettuceFrame(m_kopfNr);
}

Picture IntroScreen::lettuceFrame(int kopfNr) {
    if (!m_frameRead[kopfNr]) {
        m_frameRead[kopfNr] = true;
        // Scaled once to the head's size: a frame change is then only a copy,
        // not a smooth rescale 15 times a second.
        const QSize size = m_lettuce->size() * m_lettuce->devicePixelRatioF();
        if (const Picture frame = library().load(lettuceFramePath(kopfNr), size))
            m_frames[kopfNr] =
                makePicture(frame->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return m_frames[kopfNr];
}

void IntroScreen::cmdweiter_Click() {
    leaveToStart();
}

void IntroScreen::cmdIntro_Click() {
    leaveToStart();
}

void IntroScreen::leaveToStart() {
    // Releasing destroys this instance: only the manager is used afterwards.
    Screens &manager = screens();
    manager.unload(ScreenId::frmintro);
    manager.release(ScreenId::frmintro);
    manager.show(ScreenId::frmStart);
}
