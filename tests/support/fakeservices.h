#pragma once

#include "app/services.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <functional>
#include <random>

// Time of day that a test sets.
class FakeClock : public Clock {
public:
    int secondsSinceMidnight() const override { return seconds; }
    int seconds = 8 * 3600;
};

// Draws from a script; once the script is used up, from a fixed-seed
// generator, so long runs stay reproducible.
class ScriptedRandom : public RandomSource {
public:
    void script(const QList<double> &draws) { m_script.append(draws); }
    int scriptLeft() const { return m_script.size(); }
    void randomize() override { ++randomizeCount; }
    double draw() override;

    int randomizeCount = 0;
    int drawCount = 0;

private:
    QQueue<double> m_script;
    std::mt19937_64 m_fallback{20261210};
};

// Records every dialog and answers from a script (Ja and an empty file name
// when the script is empty).
class RecordingDialogs : public Dialogs {
public:
    enum class Kind { Message, Question, SaveFile };
    struct Call {
        Kind kind;
        QString text;
        QString title;
        Icon icon;
    };

    void message(const QString &text, const QString &title, Icon icon) override;
    bool question(const QString &text, const QString &title) override;
    QString saveFileName(const QString &caption, const QString &suggestedPath,
                         const QString &filter) override;

    QStringList texts() const;

    QList<Call> calls;
    QQueue<bool> answers;
    QQueue<QString> fileNames;
    // Runs while a dialog is "open", e.g. to let timers tick meanwhile.
    std::function<void()> whileOpen;
};
