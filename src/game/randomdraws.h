#pragma once

#include <QVector>

class RandomSource;

namespace randomdraws {

// `count` different indices below n, in drawing order: each draw that
// repeats an earlier index is drawn again. Needs count <= n, or it could
// never finish; returns an empty list then.
QVector<int> distinct(RandomSource &random, int count, int n);

// A random order of 0 .. n-1, drawn the same way.
QVector<int> permutation(RandomSource &random, int n);

} // namespace randomdraws
