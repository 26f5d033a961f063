#pragma once

#include "app/imagebox.h"
#include "app/screen.h"
#include "app/screenwindow.h"

#include <QColor>
#include <QImage>

// Stands in for a game screen: a background picture in "imgbg", and a count
// of how often it was loaded.
class StubGameScreen : public Screen {
public:
    StubGameScreen(Screens &screens, ScreenId id, bool withPicture = true)
        : Screen(screens, id)
        , m_withPicture(withPicture) {}

    Picture background() const {
        return isLoaded() ? control<ImageBox>(QStringLiteral("imgbg"))->picture() : nullptr;
    }
    int loads = 0;

protected:
    void build(ScreenWindow &window) override {
        window.setClientTwips(3000, 3000);
        auto *bg = new ImageBox(window.client(), QStringLiteral("imgbg"));
        if (m_withPicture) {
            QImage image(40, 20, QImage::Format_RGB32);
            image.fill(QColor(200, 80, 20));
            bg->setPicture(makePicture(image));
        }
    }
    void formLoad() override { ++loads; }

private:
    bool m_withPicture;
};

// Any other screen that is merely open.
class StubScreen : public Screen {
public:
    using Screen::Screen;

protected:
    void build(ScreenWindow &window) override { window.setClientTwips(1500, 1500); }
};
