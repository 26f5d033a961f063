// Plays the real intro once and reports its wall time to "Weiter zum Spiel"
// (nominal 8.6 s) and the CPU the process used meanwhile.
//   bench_intro [--full-repaint] [runs]
// --full-repaint also repaints the whole window on every 10 ms tick, the
// cost the intro avoids by repainting only what moves.
// Run under a real X server (xvfb-run -a) or with QT_QPA_PLATFORM=offscreen.
// Uses ./Pics when there is one, else a small library in a temporary folder.

#include "app/look.h"
#include "app/playstate.h"
#include "app/screens.h"
#include "app/startscreen.h"
#include "app/systemservices.h"
#include "intro/registerintro.h"
#include "library/picturelibrary.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "cputime.h"
#include "picturetree.h"

namespace {
void writeLibrary(const QString &root) {
    picturetree::makeLetters(root, QStringLiteral("tinefukl"));
    // Frames the size of the shipped ones, as JPEG like them.
    for (int i = 1; i <= 8; ++i)
        picturetree::writeImage(
            root + QStringLiteral("/Pics/Salatköpfe/salatkopf 0%1 Kopie.jpg").arg(i),
            QSize(383, 330), "JPG", QColor(40, 100 + 15 * i, 40));
}

// Reports when "Weiter zum Spiel" is shown.
class SwapWatch : public QObject {
public:
    explicit SwapWatch(std::function<void()> onSwap)
        : m_onSwap(std::move(onSwap)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::ShowToParent)
            m_onSwap();
        return false;
    }

private:
    std::function<void()> m_onSwap;
};

struct Result {
    double wall;
    double cpu;
};

Result playOnce(Screens &screens, bool fullRepaint) {
    Result result{};
    QEventLoop loop;
    QElapsedTimer wall;
    double cpuStart = 0;
    SwapWatch watch([&] {
        result.wall = wall.nsecsElapsed() / 1e9;
        result.cpu = cpuSeconds() - cpuStart;
        loop.quit();
    });

    wall.start();
    cpuStart = cpuSeconds();
    screens.show(ScreenId::frmintro);
    ScreenWindow *window = screens.instance(ScreenId::frmintro)->window();
    window->findChild<QPushButton *>(QStringLiteral("cmdweiter"))->installEventFilter(&watch);
    QTimer repaintAll;
    repaintAll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&repaintAll, &QTimer::timeout, window,
                     [window] { window->client()->update(); });
    if (fullRepaint)
        repaintAll.start(10);
    loop.exec();
    window->findChild<QPushButton *>(QStringLiteral("cmdweiter"))->click();
    return result;
}
} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    look::install();
    const QStringList args = QApplication::arguments();
    const bool fullRepaint = args.contains(QStringLiteral("--full-repaint"));
    int runs = 3;
    for (const QString &a : args.mid(1)) {
        if (a.toInt() > 0)
            runs = a.toInt();
    }

    QTemporaryDir temp;
    QString root = QDir::currentPath();
    if (!QDir(root).exists(QStringLiteral("Pics"))) {
        root = temp.path();
        writeLibrary(root);
    }

    SystemServices system;
    Services services = system.services();
    PlayState play;
    PictureLibrary library(root);
    Screens screens(services, play, library);
    registerIntroScreens(screens);
    screens.registerScreen(ScreenId::frmStart,
                           [](Screens &s) { return std::make_unique<StartScreen>(s); });

    std::printf("intro on %s, library %s%s\n", qPrintable(QApplication::platformName()),
                qPrintable(root), fullRepaint ? ", whole window repainted every tick" : "");
    constexpr double nominal = 8.6;
    for (int i = 1; i <= runs; ++i) {
        const Result r = playOnce(screens, fullRepaint);
        std::printf("run %d: %.3f s to \"Weiter zum Spiel\" (%+.2f %% of nominal), CPU %.3f s = "
                    "%.2f %% of a core\n",
                    i, r.wall, 100.0 * (r.wall - nominal) / nominal, r.cpu, 100.0 * r.cpu / r.wall);
    }
    return 0;
}
