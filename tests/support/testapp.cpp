#include "testapp.h"

#include "app/look.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
QtMessageHandler qtHandler = nullptr;

// The offscreen platform cannot raise windows and says so on every show.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.contains(QLatin1String("does not support raise()")))
        return;
    qtHandler(type, context, text);
}

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
    if (!qtHandler)
        qtHandler = qInstallMessageHandler(quietHandler);
    QObject::connect(&screens, &Screens::programEnded, [this] { ended = true; });
}

void TestApp::settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
