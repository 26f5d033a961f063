// Level setup on a folder of 25 camera photos (4000 x 3000 JPEG) against
// decoding the same photos at full size one after another.
//   bench_levelsetup [runs]
// Each variant runs in a fresh process, so its peak memory is its own; the
// runs are interleaved and the best time of `runs` is reported, with the CPU
// time of all threads beside it.
//   bench_levelsetup --variant none|setup|scaled|full <root>   (one run)

#include "app/services.h"
#include "game/letterpictures.h"
#include "game/levelsetup.h"
#include "library/picturelibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

#include "cputime.h"
#include "picturetree.h"
#include <random>
#include <sys/resource.h>

namespace {
const QString folder = QStringLiteral("Pics\\BilderD\\Level1");

class BenchRandom : public RandomSource {
public:
    void randomize() override {}
    double draw() override { return std::generate_canonical<double, 53>(m_engine) * 0.999999; }

private:
    std::mt19937_64 m_engine{7};
};

// User and system time of all threads.
// Peak resident memory of this process image. ru_maxrss would carry over
// the parent's peak through fork and exec; VmHWM starts afresh with exec.
long maxRssKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A photo-like picture: smooth light, coloured shapes and sensor noise, so
// the JPEG carries about as much data as a camera's.
QImage photo(int seed) {
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 4000, 3000);
    sky.setColorAt(0, QColor::fromHsv((seed * 29) % 360, 120, 230));
    sky.setColorAt(1, QColor::fromHsv((seed * 29 + 120) % 360, 160, 90));
    p.fillRect(image.rect(), sky);
    QRandomGenerator rng(seed);
    for (int i = 0; i < 300; ++i) {
        p.setBrush(QColor::fromHsv(rng.bounded(360), 150, 60 + rng.bounded(190)));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(rng.bounded(4000), rng.bounded(3000)), 20 + rng.bounded(300),
                      20 + rng.bounded(300));
    }
    p.end();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(rng.bounded(24)) - 12;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255),
                           qBound(0, qBlue(c) + n, 255));
        }
    }
    return image;
}

void writeLibrary(const QString &root) {
    picturetree::makeLetters(root);
    QDir(root).mkpath(QStringLiteral("Pics/BilderD/Level1"));
    QDir(root).mkpath(QStringLiteral("Pics/Hintergrundbilder"));
    const QImage base = photo(1);
    for (int i = 0; i < 25; ++i) {
        QImage img = base;
        QPainter(&img).fillRect(QRect(100 * i, 0, 100, 100), Qt::black); // files differ
        const QString word = QStringLiteral("Foto") + QChar('a' + i);
        img.save(root + QStringLiteral("/Pics/BilderD/Level1/%1.jpg").arg(word), "JPG", 90);
    }
    photo(2).save(root + QStringLiteral("/Pics/Hintergrundbilder/Wiese.jpg"), "JPG", 90);
}

// One measured run in this process; prints "seconds maxrss_kb".
int runVariant(const QString &variant, const QString &root) {
    PictureLibrary library(root);
    QElapsedTimer timer;
    int decoded = 0;
    const double cpu0 = cpuSeconds();
    timer.start();
    if (variant == QLatin1String("setup")) {
        BenchRandom random;
        LetterPictures letters(library, QSize(49, 49));
        LevelSetup setup(library, letters, random);
        setup.setBounds(QSize(497, 265), QSize(525, 521));
        const LevelPictures level = setup.prepare(folder);
        for (const Picture &p : level.pictures)
            decoded += bool(p);
        decoded += bool(level.background);
    } else if (variant == QLatin1String("scaled")) {
        // Scaled decoding alone, one after another.
        for (const QString &file : library.listFiles(folder))
            decoded += bool(library.load(PictureLibrary::join(folder, file), QSize(497, 265)));
        decoded += bool(
            library.load(QStringLiteral("Pics\\Hintergrundbilder\\Wiese.jpg"), QSize(525, 521)));
    } else if (variant == QLatin1String("none")) {
        decoded = 26;
    } else {
        // What a plain load into the 25 slots would do: each photo whole, kept.
        std::vector<QImage> kept;
        for (const QString &file : library.listFiles(folder)) {
            kept.push_back(
                QImageReader(library.resolve(PictureLibrary::join(folder, file))).read());
            decoded += !kept.back().isNull();
        }
        kept.push_back(
            QImageReader(root + QStringLiteral("/Pics/Hintergrundbilder/Wiese.jpg")).read());
        decoded += !kept.back().isNull();
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("%.4f %ld %d %.4f\n", seconds, maxRssKb(), decoded, cpuSeconds() - cpu0);
    return decoded == 26 ? 0 : 1;
}

struct Result {
    double seconds = 1e9;
    double cpu = 1e9;
    long rssKb = 0;
};

// One run of a variant in a fresh process, folded into the best so far.
void measure(Result &best, const QString &variant, const QString &root) {
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--variant"), variant, root});
    p.waitForFinished(-1);
    const QStringList parts = QString::fromLatin1(p.readAllStandardOutput()).split(' ');
    if (p.exitCode() != 0 || parts.size() < 4) {
        std::fprintf(stderr, "%s run failed\n", qPrintable(variant));
        return;
    }
    best.seconds = qMin(best.seconds, parts[0].toDouble());
    best.rssKb = qMax(best.rssKb, parts[1].toLong());
    best.cpu = qMin(best.cpu, parts[3].toDouble());
}
} // namespace

int main(int argc, char *argv[]) {
    if (argc == 4 && QByteArray(argv[1]) == "--variant") {
        QGuiApplication app(argc, argv);
        return runVariant(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 3;
    QTemporaryDir dir;
    std::printf("writing 25 photos of 4000 x 3000 ...\n");
    std::fflush(stdout);
    writeLibrary(dir.path());
    qint64 bytes = 0;
    for (const QFileInfo &f :
         QDir(dir.path() + QStringLiteral("/Pics/BilderD/Level1")).entryInfoList(QDir::Files))
        bytes += f.size();
    std::printf("level folder: 25 JPEG files, %.1f MB; %d cores\n", bytes / 1e6,
                QThread::idealThreadCount());

    Result idle, setup, scaled, full;
    measure(idle, QStringLiteral("none"), dir.path());
    std::printf("process without decoding: peak %.1f MB\n", idle.rssKb / 1024.0);
    // Interleaved, so a busy spell on the machine hits every variant alike.
    for (int i = 0; i < runs; ++i) {
        measure(setup, QStringLiteral("setup"), dir.path());
        measure(scaled, QStringLiteral("scaled"), dir.path());
        measure(full, QStringLiteral("full"), dir.path());
    }

    std::printf("level setup (scaled, parallel): %.3f s (CPU %.3f s), peak %.1f MB\n",
                setup.seconds, setup.cpu, setup.rssKb / 1024.0);
    std::printf("scaled, one after another:      %.3f s (CPU %.3f s), peak %.1f MB\n",
                scaled.seconds, scaled.cpu, scaled.rssKb / 1024.0);
    std::printf("full size, one after another:   %.3f s (CPU %.3f s), peak %.1f MB\n", full.seconds,
                full.cpu, full.rssKb / 1024.0);
    double load[1] = {0};
    getloadavg(load, 1);
    std::printf("machine load average while measuring: %.2f\n", load[0]);
    std::printf("ratio: %.1fx faster (target >= 6x); setup peak target < 150 MB\n",
                full.seconds / setup.seconds);
    return 0;
}
