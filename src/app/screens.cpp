#include "screens.h"

#include <QTimer>

namespace {
int slotOf(ScreenId id) {
    return static_cast<int>(id);
}
} // namespace

Screens::Screens(Services &services, PlayState &playState, PictureLibrary &library)
    : m_services(services)
    , m_playState(playState)
    , m_library(library) {}

Screens::~Screens() {
    for (auto &slot : m_slots) {
        if (slot && slot->m_window) {
            slot->m_window->setDiscarded();
            delete slot->m_window.data();
        }
    }
}

void Screens::registerScreen(ScreenId id, Factory factory) {
    m_factories[slotOf(id)] = std::move(factory);
}

bool Screens::isRegistered(ScreenId id) const {
    return bool(m_factories[slotOf(id)]);
}

Screen *Screens::ensureInstance(ScreenId id) {
    auto &slot = m_slots[slotOf(id)];
    if (!slot && isRegistered(id))
        slot = m_factories[slotOf(id)](*this);
    return slot.get();
}

Screen *Screens::instance(ScreenId id) const {
    return m_slots[slotOf(id)].get();
}

bool Screens::isLoaded(ScreenId id) const {
    const Screen *s = instance(id);
    return s && s->isLoaded();
}

bool Screens::isVisible(ScreenId id) const {
    const Screen *s = instance(id);
    return s && s->isLoaded() && s->window()->isVisible();
}

int Screens::loadedCount() const {
    int n = 0;
    for (const auto &slot : m_slots)
        n += slot && slot->isLoaded();
    return n;
}

bool Screens::load(ScreenId id) {
    if (m_ended)
        return false;
    Screen *screen = ensureInstance(id);
    if (!screen)
        return false;
    if (screen->isLoaded())
        return true;
    auto *window = new ScreenWindow(screenName(id));
    screen->m_window = window;
    connect(window, &ScreenWindow::closeRequested, this, [this, id] { unload(id); });
    screen->build(*window);
    screen->m_loadAborted = false;
    screen->formLoad();
    if (screen->m_loadAborted && screen->isLoaded()) {
        // The screen said why it cannot open; it never counted as loaded.
        discardWindow(*screen);
        return false;
    }
    return screen->isLoaded();
}

bool Screens::show(ScreenId id) {
    if (!load(id))
        return false;
    ScreenWindow *window = instance(id)->window();
    if (!window->isVisible()) {
        window->centreOnScreen();
        window->show();
    }
    window->raise();
    window->activateWindow();
    return true;
}

void Screens::hide(ScreenId id) {
    if (Screen *s = instance(id); s && s->isLoaded())
        s->window()->hide();
}

void Screens::discardWindow(Screen &screen) {
    ScreenWindow *window = screen.m_window;
    screen.m_window = nullptr;
    screen.discardControls();
    window->setDiscarded();
    // No tick may reach a screen that is gone, even before the window dies.
    for (QTimer *timer : window->findChildren<QTimer *>())
        timer->stop();
    window->hide();
    // The handler that unloaded the screen may still be running on its controls.
    window->deleteLater();
}

void Screens::unload(ScreenId id) {
    if (m_ended)
        return;
    Screen *screen = instance(id);
    if (!screen || !screen->isLoaded())
        return;
    discardWindow(*screen);
    // Like the end of the program itself, this waits until the running
    // handler is done: it may still show the next screen.
    if (loadedCount() == 0)
        QMetaObject::invokeMethod(this, &Screens::endIfNothingLoaded, Qt::QueuedConnection);
}

void Screens::endIfNothingLoaded() {
    if (!m_ended && loadedCount() == 0)
        finish();
}

void Screens::release(ScreenId id) {
    if (m_ended)
        return;
    auto &slot = m_slots[slotOf(id)];
    if (!slot)
        return;
    unload(id);
    // Move out first: the terminate handler may ask the manager about its slot.
    std::unique_ptr<Screen> gone = std::move(slot);
    gone->formTerminate();
}

void Screens::finish() {
    m_ended = true;
    for (auto &slot : m_slots) {
        if (slot)
            slot->formTerminate();
    }
    Q_EMIT programEnded();
}

void Screens::endProgram() {
    if (m_ended)
        return;
    m_ended = true;
    for (auto &slot : m_slots) {
        if (slot && slot->isLoaded())
            discardWindow(*slot);
    }
    Q_EMIT programEnded();
}
