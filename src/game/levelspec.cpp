#include "levelspec.h"

namespace {
const QString germanLives = QStringLiteral("Leben:");
const QString germanCheck = QStringLiteral("Prüfen");
const QString germanOther = QStringLiteral("Mit einem anderen Bild weitermachen?");
const QString germanWrong = QStringLiteral("Diese Antwort ist leider Falsch");
const QString englishLives = QStringLiteral("Lifes:");
// The check caption of levels 2 and 3 ends in a blank, level 1's does not.
const QString englishCheck = QStringLiteral("Examine");
const QString englishCheckBlank = QStringLiteral("Examine ");
const QString englishOther = QStringLiteral("Continue with another picture?");
const QString englishWrong = QStringLiteral("This answer is not correct");
const QColor darkRed(128, 0, 0);
const QColor lightGrey(224, 224, 224);
} // namespace

const std::array<LevelSpec, levelCount> &levelSpecs() {
    using S = ScreenId;
    static const std::array<LevelSpec, levelCount> rows = {{
        {S::frmGame, Language::German, 1, QStringLiteral("Pics\\BilderD\\Level1"), germanLives,
         germanCheck, germanOther, germanWrong, S::frmWin, S::frmspielende, darkRed, //
         6600, 6480, 5640, 9720, 6960, 7080, 5520, 7080},
        {S::frmGameD2, Language::German, 2, QStringLiteral("Pics\\BilderD\\Level2"), germanLives,
         germanCheck, germanOther, germanWrong, S::frmWinD2, S::frmspielende, darkRed, //
         6720, 6480, 5640, 9840, 7080, 6960, 5520, 7080},
        {S::frmGameD3, Language::German, 3, QStringLiteral("Pics\\BilderD\\Level3"), germanLives,
         germanCheck, germanOther, germanWrong, S::frmWinD3, S::frmspielende, darkRed, //
         6720, 6360, 5520, 9840, 7080, 7080, 7080, 5640},
        {S::frmGameE1, Language::English, 1, QStringLiteral("Pics\\BilderE\\Level1"), englishLives,
         englishCheck, englishOther, englishWrong, S::frmWinE1, S::frmGameOver,
         lightGrey, //
         6720, 6480, 5520, 9840, 7080, 6960, 5520, 7080},
        {S::frmGameE2, Language::English, 2, QStringLiteral("Pics\\BilderE\\Level2"), englishLives,
         englishCheckBlank, englishOther, englishWrong, S::frmWinE2, S::frmGameOver,
         darkRed, //
         6720, 6480, 5520, 9840, 7080, 7080, 5520, 7080},
        {S::frmGameE3, Language::English, 3, QStringLiteral("Pics\\BilderE\\Level3"), englishLives,
         englishCheckBlank, englishOther, englishWrong, S::frmWinE3, S::frmGameOver,
         lightGrey, //
         6720, 6480, 5520, 9840, 7080, 7080, 5520, 7080},
    }};
    return rows;
}

const LevelSpec *levelSpecFor(ScreenId screen) {
    for (const LevelSpec &row : levelSpecs()) {
        if (row.screenName == screen)
            return &row;
    }
    return nullptr;
}
