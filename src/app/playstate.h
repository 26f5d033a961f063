#pragma once

// Level times of the running process, in days (1.0 = 24 hours). Never stored.
struct PlayState {
    double levelZeit = 0;
    double zeitD1 = 0;
    double zeitD2 = 0;
    double zeitD3 = 0;
    double zeitE1 = 0;
    double zeitE2 = 0;
    double zeitE3 = 0;
};
