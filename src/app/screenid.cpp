#include "screenid.h"

#include <array>

namespace {
const std::array<const char *, screenCount> names = {
    "frmintro",    "frmStart",          "frmGame",
    "frmGameD2",   "frmGameD3",         "frmGameE1",
    "frmGameE2",   "frmGameE3",         "frmWin",
    "frmWinD2",    "frmWinD3",          "frmWinE1",
    "frmWinE2",    "frmWinE3",          "frmspielende",
    "frmGameOver", "frmUrkunde",        "frmUrkundeE",
    "frmlogin",    "frmbenutzer",       "frmbenutzeranleitung",
    "frmAbout",    "frmanleitungspiel",
};
} // namespace

QString screenName(ScreenId id) {
    return QString::fromLatin1(names.at(static_cast<int>(id)));
}

std::optional<ScreenId> screenByName(const QString &name) {
    for (int i = 0; i < screenCount; ++i) {
        if (name == QLatin1String(names[i]))
            return screenAt(i);
    }
    return std::nullopt;
}

ScreenId screenAt(int index) {
    return static_cast<ScreenId>(index);
}
