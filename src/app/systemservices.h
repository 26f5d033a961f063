#pragma once

#include "services.h"

#include <ctime>
#include <random>

class SystemClock : public Clock {
public:
    int secondsSinceMidnight() const override;

private:
    mutable std::time_t m_lastEpochSecond = -1;
    mutable int m_lastSeconds = 0;
};

class SystemRandom : public RandomSource {
public:
    void randomize() override;
    double draw() override;

private:
    std::mt19937_64 m_engine{std::random_device{}()};
};

class MessageBoxDialogs : public Dialogs {
public:
    void message(const QString &text, const QString &title, Icon icon) override;
    bool question(const QString &text, const QString &title) override;
    QString saveFileName(const QString &caption, const QString &suggestedPath,
                         const QString &filter) override;
};

// The real clock, random generator and message boxes, ready to hand out.
struct SystemServices {
    SystemClock clock;
    SystemRandom random;
    MessageBoxDialogs dialogs;

    Services services() {
        Services s;
        s.clock = &clock;
        s.random = &random;
        s.dialogs = &dialogs;
        return s;
    }
};
