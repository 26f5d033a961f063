#pragma once

#include "app/screen.h"
#include "introtimeline.h"
#include "library/picture.h"

#include <array>

class ImageBox;
class QPushButton;
class QTimer;

// The title animation: the letters of the title fly across to the lettuce
// head, then the title is revealed letter by letter.
class IntroScreen : public Screen {
public:
    explicit IntroScreen(Screens &screens);

    void Timer1_Timer();
    void Timer2_Timer();
    void cmdweiter_Click();
    void cmdIntro_Click();

    qint16 buchstabenNr() const { return m_buchstabenNr; }
    qint32 takte() const { return m_takte; }
    qint16 kopfNr() const { return m_kopfNr; }

protected:
    void build(ScreenWindow &window) override;
    void formLoad() override;
    void discardControls() override;

private:
    void leaveToStart();
    void showFlyingLetter(int letter);
    Picture lettuceFrame(int kopfNr);

    qint16 m_buchstabenNr = 0;
    qint32 m_takte = 0;
    qint16 m_kopfNr = 0;

    // Frames are read once per showing; a frame that cannot be read stays
    // null and the head keeps the picture it shows.
    std::array<Picture, introtimeline::lettuceFrames> m_frames;
    std::array<bool, introtimeline::lettuceFrames> m_frameRead{};

    ImageBox *m_flying = nullptr;
    ImageBox *m_lettuce = nullptr;
    std::array<ImageBox *, introtimeline::revealSteps> m_reveal{};
    QPushButton *m_weiter = nullptr;
    QPushButton *m_skip = nullptr;
    QTimer *m_timer2 = nullptr;
};
