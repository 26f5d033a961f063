#pragma once

#include <QString>

#include <array>

// The manager's seven save buttons and where each one saves.
struct SaveTarget {
    const char *button;   // UTF-8 objectName
    const char *caption;  // UTF-8
    const char *question; // UTF-8
    QString folder;       // library folder, "\"-separated
    bool levelFolder;     // a folder the game draws words from
    bool emptiesWord;     // empties the word box after its question
    int left, top, width;
    int tabIndex;
};

namespace savetargets {

enum Index { DeutschL1, DeutschL2, DeutschL3, EnglischL1, EnglischL2, EnglischL3, Hintergruende };

const std::array<SaveTarget, 7> &all();

} // namespace savetargets
