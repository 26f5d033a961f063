#pragma once

#include "screenid.h"
#include "screenwindow.h"

#include <QPointer>

class Screens;
class PictureLibrary;
struct PlayState;
struct Services;

// A screen instance. Its data members are the screen's own variables: they
// outlive an unload and start afresh only with a new instance. The window
// and its controls exist only while the screen is loaded.
class Screen {
public:
    Screen(Screens &screens, ScreenId id);
    virtual ~Screen();
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    ScreenId id() const { return m_id; }
    ScreenWindow *window() const { return m_window; }
    bool isLoaded() const { return m_window != nullptr; }

    // A control of the loaded window by its layout name; null when unloaded.
    template <class T = QWidget> T *control(const QString &name) const {
        return m_window ? m_window->findChild<T *>(name) : nullptr;
    }

protected:
    // Creates the window's controls from the layout.
    virtual void build(ScreenWindow &window) = 0;
    virtual void formLoad() {}
    // Runs when the instance ends (released, or the program's normal end).
    virtual void formTerminate() {}
    // Called when the window is discarded: drop every pointer into it.
    virtual void discardControls() {}

    // From inside formLoad: the screen cannot open; the manager discards the
    // window again and does not show it.
    void abortLoad() { m_loadAborted = true; }
    // Unload this screen; safe inside its own handlers.
    void unloadSelf();

    Screens &screens() const { return m_screens; }
    Services &services() const;
    PlayState &playState() const;
    PictureLibrary &library() const;

private:
    friend class Screens;

    Screens &m_screens;
    const ScreenId m_id;
    QPointer<ScreenWindow> m_window;
    bool m_loadAborted = false;
};
