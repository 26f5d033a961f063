#include "levelclock.h"

int levelSeconds(int startSeconds, int nowSeconds) {
    constexpr int day = 24 * 3600;
    const int elapsed = nowSeconds - startSeconds;
    return elapsed < 0 ? elapsed + day : elapsed;
}
