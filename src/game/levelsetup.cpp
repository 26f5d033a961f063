#include "levelsetup.h"

#include "app/services.h"
#include "letterpictures.h"
#include "library/picturelibrary.h"
#include "randomdraws.h"

#include <QSet>
#include <QtConcurrent/QtConcurrentMap>

namespace {
struct DecodeJob {
    QString path;
    QSize bound;
};

// QImage decoding is thread-safe; the jobs touch nothing else.
QVector<Picture> decodeAll(const QVector<DecodeJob> &jobs) {
    const std::function<Picture(const DecodeJob &)> decode = [](const DecodeJob &job) {
        return loadPictureFile(job.path, job.bound);
    };
    return QtConcurrent::blockingMapped<QVector<Picture>>(jobs, decode);
}
} // namespace

LevelSetup::LevelSetup(const PictureLibrary &library, LetterPictures &letters, RandomSource &random)
    : m_library(library)
    , m_letters(letters)
    , m_random(random) {}

void LevelSetup::setBounds(QSize picture, QSize background) {
    m_pictureBound = picture;
    m_backgroundBound = background;
}

QString LevelSetup::tooFew(const QString &folder, int playable) const {
    if (!m_library.isDir(folder))
        return QStringLiteral("Der Bilderordner \"%1\" fehlt. Diese Stufe braucht dort "
                              "mindestens %2 Bilder.")
            .arg(folder)
            .arg(boardlayout::slotCount);
    return QStringLiteral("Im Bilderordner \"%1\" sind nur %2 spielbare Bilder. Diese Stufe "
                          "braucht mindestens %3.\n\nSpielbar ist ein Bild, das sich öffnen lässt "
                          "und dessen Wort höchstens %4 Zeichen hat, zu denen es alle "
                          "Buchstabenbilder gibt.")
        .arg(folder)
        .arg(playable)
        .arg(boardlayout::slotCount)
        .arg(PictureLibrary::maxWordLength);
}

LevelPictures LevelSetup::prepare(const QString &folder) {
    LevelPictures level;
    level.levelFiles = m_library.listFiles(folder);
    level.backgroundFiles = m_library.listFiles(PictureLibrary::backgroundFolder);

    // Names are checked up front (cheap); whether a file really decodes shows
    // when it is drawn, and a broken one is replaced then.
    QStringList candidates;
    for (const QString &file : level.levelFiles) {
        if (file.size() >= 4 && m_letters.isPlayable(PictureLibrary::wordOf(file)))
            candidates << file;
    }
    if (candidates.size() < boardlayout::slotCount) {
        level.problem = tooFew(folder, candidates.size());
        return level;
    }

    QVector<int> picks = randomdraws::distinct(m_random, boardlayout::slotCount, candidates.size());
    if (!level.backgroundFiles.isEmpty())
        level.backgroundIndex = m_random.below(level.backgroundFiles.size());

    QVector<DecodeJob> jobs;
    for (const int pick : picks)
        jobs.append(
            {m_library.resolve(PictureLibrary::join(folder, candidates[pick])), m_pictureBound});
    if (level.backgroundIndex >= 0)
        jobs.append(
            {m_library.resolve(PictureLibrary::join(PictureLibrary::backgroundFolder,
                                                    level.backgroundFiles[level.backgroundIndex])),
             m_backgroundBound});
    const QVector<Picture> decoded = decodeAll(jobs);
    for (int i = 0; i < boardlayout::slotCount; ++i)
        level.pictures[i] = decoded[i];
    if (level.backgroundIndex >= 0)
        level.background = decoded.last();

    // Each unreadable pick gives way to one drawn from the files still unused.
    QSet<int> broken;
    for (;;) {
        QVector<int> failed;
        for (int i = 0; i < boardlayout::slotCount; ++i) {
            if (!level.pictures[i]) {
                failed << i;
                broken.insert(picks[i]);
            }
        }
        if (failed.isEmpty())
            break;
        QVector<int> unused;
        for (int c = 0; c < candidates.size(); ++c) {
            if (!broken.contains(c) && !picks.contains(c))
                unused << c;
        }
        // Once no file is left untried, every candidate is either on the board
        // or known broken, so the count in the message is exact.
        if (unused.isEmpty()) {
            level.problem = tooFew(folder, candidates.size() - broken.size());
            return level;
        }
        QVector<DecodeJob> retry;
        QVector<int> retried;
        for (const int slot : failed) {
            if (unused.isEmpty())
                break;
            const int pick =
                unused.takeAt(qBound(0, m_random.below(unused.size()), int(unused.size()) - 1));
            picks[slot] = pick;
            retried << slot;
            retry.append({m_library.resolve(PictureLibrary::join(folder, candidates[pick])),
                          m_pictureBound});
        }
        const QVector<Picture> again = decodeAll(retry);
        for (int j = 0; j < retried.size(); ++j)
            level.pictures[retried[j]] = again[j];
    }

    for (int i = 0; i < boardlayout::slotCount; ++i) {
        level.files[i] = candidates[picks[i]];
        level.words[i] = PictureLibrary::wordOf(level.files[i]);
    }
    return level;
}
