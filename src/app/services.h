#pragma once

#include <QString>
#include <QtGlobal>

// Everything a test cannot wait for or click away sits behind these
// interfaces; main() passes the real ones, tests pass doubles.

inline const QString appTitle = QStringLiteral("Tintenfunkel");

class Clock {
public:
    virtual ~Clock() = default;
    // Time of day in whole seconds since midnight.
    virtual int secondsSinceMidnight() const = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Seed anew from the clock.
    virtual void randomize() = 0;
    // A draw r in [0, 1).
    virtual double draw() = 0;
    // Int(r * n): an index below n.
    int below(int n) { return int(draw() * n); }
};

class Dialogs {
public:
    enum class Icon { None, Information, Warning, Critical };
    virtual ~Dialogs() = default;
    // Modal message with an OK button.
    virtual void message(const QString &text, const QString &title = appTitle,
                         Icon icon = Icon::None) = 0;
    // Modal Ja/Nein question, Ja is the default; true for Ja.
    virtual bool question(const QString &text, const QString &title = appTitle) = 0;
    // Asks for a file to write; empty when cancelled.
    virtual QString saveFileName(const QString &caption, const QString &suggestedPath,
                                 const QString &filter) = 0;
};

class Printer;
class Launcher;
class RegistryReader;

struct Services {
    Clock *clock = nullptr;
    RandomSource *random = nullptr;
    Dialogs *dialogs = nullptr;
    Printer *printer = nullptr;
    Launcher *launcher = nullptr;
    RegistryReader *registry = nullptr;
};
