#pragma once

#include "controltable.h"

#include "app/playstate.h"
#include "app/screenid.h"

#include <array>
#include <vector>

// One of the two certificates.
struct CertificateSpec {
    ScreenId screen;
    const char *caption;
    QSize client;                              // twips
    std::array<double PlayState::*, 3> levels; // levels 1, 2, 3
    const char *nameLabel;
    std::array<const char *, 4> frameLines;
    std::vector<ControlSpec> controls; // stacking order
};

const CertificateSpec &certificateSpec(ScreenId screen);

// Sum of the three level times in days, added in the order the total has
// always been formed: (level 2 + level 1) + level 3.
double certificateTotal(double level1, double level2, double level3);
