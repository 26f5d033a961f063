#include "boardlayout.h"

#include "levelspec.h"

namespace boardlayout {

namespace {
constexpr int boardLeft = 840;
constexpr int largeSide = 1575;
constexpr int smallSide = 459;
constexpr int largeRows[] = {480, 2040, 3600, 5160, 6720};
constexpr int smallRows[] = {840, 1320, 1800, 2280, 2760};
constexpr int designColumns[] = {840, 2400, 3960, 5520, 7080};
} // namespace

QRect designSlot(const LevelSpec &spec, int k) {
    int left = designColumns[k % columns];
    switch (k) {
    case 9:
        left = spec.img9Left;
        break;
    case 14:
        left = spec.img14Left;
        break;
    case 23:
        left = spec.img23Left;
        break;
    case 24:
        left = spec.img24Left;
        break;
    default:
        break;
    }
    return QRect(left, largeRows[k / columns], largeSide, largeSide);
}

QRect slot(Board board, int k) {
    const int side = board == Board::Large ? largeSide : smallSide;
    const int *rows = board == Board::Large ? largeRows : smallRows;
    const int top = rows[k / columns];
    return QRect(boardLeft + side * (k % columns), top, side, side);
}

QRect background(Board board) {
    // The small background is a little taller than the five rows it lies behind.
    return board == Board::Large ? QRect(boardLeft, 480, 7875, 7815)
                                 : QRect(boardLeft, 840, 2295, 2380);
}

} // namespace boardlayout
