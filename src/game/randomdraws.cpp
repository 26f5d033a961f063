#include "randomdraws.h"

#include "app/services.h"

#include <QtGlobal>

namespace randomdraws {

QVector<int> distinct(RandomSource &random, int count, int n) {
    QVector<int> chosen;
    if (count < 0 || count > n)
        return chosen;
    chosen.reserve(count);
    while (chosen.size() < count) {
        // A source that strays to 1.0 must not pick a slot that is not there.
        const int index = qBound(0, random.below(n), n - 1);
        if (!chosen.contains(index))
            chosen.append(index);
    }
    return chosen;
}

QVector<int> permutation(RandomSource &random, int n) {
    return distinct(random, n, n);
}

} // namespace randomdraws
