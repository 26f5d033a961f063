#pragma once

#include <QRect>

struct LevelSpec;

// Where the 25 picture slots and the background behind them lie (twips).
// Slot k sits in row k / 5, column k % 5.
namespace boardlayout {

constexpr int slotCount = 25;
constexpr int columns = 5;

// Large: the whole board (after a turn). Small: shrunk into the top-left
// corner while a word is spelled.
enum class Board { Large, Small };

// The board as designed, shown until the first picture is chosen.
QRect designSlot(const LevelSpec &spec, int k);
QRect slot(Board board, int k);
QRect background(Board board);

} // namespace boardlayout
