#include "testapp.h"

#include "app/look.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
Services makeServices(TestApp &app) {
    Services s;
    s.clock = &app.clock;
    s.random = &app.random;
    s.dialogs = &app.dialogs;
    return s;
}
} // namespace

TestApp::TestApp()
    : services(makeServices(*this))
    , library(dir.path())
    , screens(services, play, library) {
    look::install();
    QObject::connect(&screens, &Screens::programEnded, [this] { ended = true; });
}

void TestApp::settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
