#pragma once

// Seconds a level has run from its start to now, both times of day in
// seconds since midnight. A level played across midnight counts on instead
// of going negative.
int levelSeconds(int startSeconds, int nowSeconds);
