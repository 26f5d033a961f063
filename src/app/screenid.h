#pragma once

#include <QString>
#include <optional>

// One slot per screen of the program.
enum class ScreenId {
    frmintro,
    frmStart,
    frmGame,
    frmGameD2,
    frmGameD3,
    frmGameE1,
    frmGameE2,
    frmGameE3,
    frmWin,
    frmWinD2,
    frmWinD3,
    frmWinE1,
    frmWinE2,
    frmWinE3,
    frmspielende,
    frmGameOver,
    frmUrkunde,
    frmUrkundeE,
    frmlogin,
    frmbenutzer,
    frmbenutzeranleitung,
    frmAbout,
    frmanleitungspiel,
};

constexpr int screenCount = 23;

QString screenName(ScreenId id);
std::optional<ScreenId> screenByName(const QString &name);
ScreenId screenAt(int index);
