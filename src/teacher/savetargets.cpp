#include "savetargets.h"

#include "library/picturelibrary.h"

namespace savetargets {

const std::array<SaveTarget, 7> &all() {
    static const std::array<SaveTarget, 7> targets = {{
        {"cmdspeichernd1", "Deutsch L1",
         "Möchten Sie das Bild im Ordner Deutsch Level 1 speichern?",
         QStringLiteral("Pics\\BilderD\\Level1"), true, false, 3600, 4800, 1215, 4},
        {"cmdspeichernd2", "Deutsch L2",
         "Möchten Sie das Bild im Ordner Deutsch Level 2 speichern?",
         QStringLiteral("Pics\\BilderD\\Level2"), true, false, 5160, 4800, 1215, 7},
        {"cmdspeichernd3", "Deutsch L3",
         "Möchten Sie das Bild im Ordner Deutsch Level 3 speichern?",
         QStringLiteral("Pics\\BilderD\\Level3"), true, false, 6720, 4800, 1215, 8},
        // Only this one empties the word box, whatever the answer.
        {"cmdspeicherne1", "Englisch L1",
         "Möchten Sie das Bild im Ordner Englisch Level 1 speichern?",
         QStringLiteral("Pics\\BilderE\\Level1"), true, true, 3600, 5640, 1215, 9},
        {"cmdspeicherne2", "Englisch L2",
         "Möchten Sie das Bild im Ordner Englisch Level 2 speichern?",
         QStringLiteral("Pics\\BilderE\\Level2"), true, false, 5160, 5640, 1215, 10},
        {"cmdspeicherne3", "Englisch L3",
         "Möchten Sie das Bild im Ordner Englisch Level 3 speichern?",
         QStringLiteral("Pics\\BilderE\\Level3"), true, false, 6720, 5640, 1215, 11},
        {"cmdhintergründe", "In Hintergründe speichern",
         "Möchten Sie das Bild im Ordner Hintergrundbilder speichern?",
         PictureLibrary::backgroundFolder, false, false, 3600, 6480, 4335, 13},
    }};
    return targets;
}

} // namespace savetargets
