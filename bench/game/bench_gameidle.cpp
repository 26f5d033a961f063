// CPU an open game screen uses while nobody plays (its 1 ms clock keeps
// ticking), the cost of one letter-fall tick and how much of the window a
// tick repaints.
//   bench_gameidle [seconds]
// Run from the repository folder (uses ./Pics when it has a first German
// level, else a small library in a temporary folder), under a real X server
// (xvfb-run -a) or with QT_QPA_PLATFORM=offscreen.

#include "app/imagebox.h"
#include "app/look.h"
#include "app/playstate.h"
#include "app/screens.h"
#include "app/systemservices.h"
#include "game/gamescreen.h"
#include "game/gamescreens.h"
#include "library/picturelibrary.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "cputime.h"
#include "picturetree.h"

namespace {
void writeLibrary(const QString &root) {
    using namespace picturetree;
    makeLetters(root);
    for (int i = 0; i < 25; ++i)
        writeImage(root + QStringLiteral("/Pics/BilderD/Level1/Bild%1.jpg").arg(QChar('a' + i)),
                   QSize(640, 480), "JPG", QColor::fromHsv(i * 14, 180, 220));
    writeImage(root + QStringLiteral("/Pics/Hintergrundbilder/Wiese.jpg"), QSize(800, 600), "JPG",
               QColor(90, 160, 90));
}

// Adds up what the client area is asked to repaint.
class PaintWatch : public QObject {
public:
    qint64 largest = 0;
    qint64 total = 0;
    int events = 0;
    void reset() { largest = total = events = 0; }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            qint64 area = 0;
            for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
                area += qint64(r.width()) * r.height();
            largest = qMax(largest, area);
            total += area;
            ++events;
        }
        return false;
    }
};

void runFor(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

void reportIdle(const char *what, double seconds) {
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runFor(seconds);
    const double cpu = cpuSeconds() - cpu0;
    std::printf("%s: %.3f s CPU in %.2f s = %.2f %% of a core\n", what, cpu,
                wall.nsecsElapsed() / 1e9, 100 * cpu / (wall.nsecsElapsed() / 1e9));
}
} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    look::install();
    const double seconds = argc > 1 ? qMax(1.0, atof(argv[1])) : 10.0;

    QTemporaryDir dir;
    QString root = QDir::currentPath();
    if (!PictureLibrary(root).isDir(QStringLiteral("Pics\\BilderD\\Level1"))) {
        writeLibrary(dir.path());
        root = dir.path();
    }
    std::printf("library: %s\n", qPrintable(root));

    SystemServices system;
    Services services = system.services();
    PlayState play;
    PictureLibrary library(root);
    Screens screens(services, play, library);
    registerGameScreens(screens);
    if (!screens.show(ScreenId::frmGame)) {
        std::fprintf(stderr, "the game screen did not open\n");
        return 1;
    }
    auto *game = dynamic_cast<GameScreen *>(screens.instance(ScreenId::frmGame));
    QWidget *client = game->window()->client();
    PaintWatch watch;
    client->installEventFilter(&watch);
    runFor(1.0); // first paint, fonts, caches

    {
        // The same machine's floor: a bare timer at the clock's 1 ms.
        game->control<QTimer>(QStringLiteral("tmrZeit"))->stop();
        QTimer bare;
        bare.setInterval(1);
        QObject::connect(&bare, &QTimer::timeout, &bare, [] {});
        bare.start();
        reportIdle("bare 1 ms timer, for comparison", seconds);
        bare.stop();
        game->control<QTimer>(QStringLiteral("tmrZeit"))->start();
    }
    reportIdle("idle board", seconds);

    // One fall, driven tick by tick so each tick's cost and repaint is seen.
    game->img_Click(12);
    auto *fall = game->control<QTimer>(QStringLiteral("tmrfliegen"));
    fall->stop();
    QApplication::processEvents();
    watch.reset();
    double handlerNs = 0;
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    for (int tick = 0; tick < 262; ++tick) {
        QElapsedTimer t;
        t.start();
        game->tmrfliegen_Timer();
        handlerNs += t.nsecsElapsed();
        QApplication::processEvents(); // the repaint the tick causes
    }
    const double fallCpu = cpuSeconds() - cpu0;
    const qint64 clientArea = qint64(client->width()) * client->height();
    std::printf("fall tick: handler %.1f us; handler + repaint %.1f us CPU per tick\n",
                handlerNs / 262 / 1000, fallCpu / 262 * 1e6);
    std::printf("fall repaint: largest %lld px of the client's %lld (%.1f %%), "
                "%d paint events over 262 ticks\n",
                watch.largest, clientArea, 100.0 * watch.largest / clientArea, watch.events);
    fall->start();

    reportIdle("turn, letters resting", seconds);
    return 0;
}
