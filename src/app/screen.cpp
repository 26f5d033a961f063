#include "screen.h"

#include "screens.h"

Screen::Screen(Screens &screens, ScreenId id)
    : m_screens(screens)
    , m_id(id) {}

Screen::~Screen() = default;

void Screen::unloadSelf() {
    m_screens.unload(m_id);
}

Services &Screen::services() const {
    return m_screens.services();
}
PlayState &Screen::playState() const {
    return m_screens.playState();
}
PictureLibrary &Screen::library() const {
    return m_screens.library();
}
