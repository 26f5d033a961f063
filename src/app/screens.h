#pragma once

#include "screen.h"
#include "screenid.h"

#include <QObject>
#include <array>
#include <functional>
#include <memory>

class PictureLibrary;
struct PlayState;
struct Services;

// Owns one slot per screen. A slot is absent, unloaded (instance without
// window), loaded hidden or loaded visible. The program ends once no screen
// is loaded after the handler that unloaded the last one, or at once through
// endProgram().
class Screens : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<Screen>(Screens &)>;

    Screens(Services &services, PlayState &playState, PictureLibrary &library);
    ~Screens() override;

    void registerScreen(ScreenId id, Factory factory);
    bool isRegistered(ScreenId id) const;

    // Create if absent, load if unloaded, then show and bring to the front.
    // False when the screen could not be opened.
    bool show(ScreenId id);
    // Create if absent and load without showing.
    bool load(ScreenId id);
    void unload(ScreenId id);
    void release(ScreenId id);
    void hide(ScreenId id);
    // Closes every screen at once; no handler of any screen runs afterwards.
    void endProgram();

    Screen *instance(ScreenId id) const;
    bool isLoaded(ScreenId id) const;
    bool isVisible(ScreenId id) const;
    int loadedCount() const;
    bool hasEnded() const { return m_ended; }

    // The instance, loaded if needed (for reading another screen's control).
    template <class T> T *get(ScreenId id) {
        return load(id) ? dynamic_cast<T *>(instance(id)) : nullptr;
    }

    Services &services() const { return m_services; }
    PlayState &playState() const { return m_playState; }
    PictureLibrary &library() const { return m_library; }

Q_SIGNALS:
    void programEnded();

private:
    Screen *ensureInstance(ScreenId id);
    void discardWindow(Screen &screen);
    void endIfNothingLoaded();
    void finish();

    Services &m_services;
    PlayState &m_playState;
    PictureLibrary &m_library;
    std::array<Factory, screenCount> m_factories;
    std::array<std::unique_ptr<Screen>, screenCount> m_slots;
    bool m_ended = false;
};
