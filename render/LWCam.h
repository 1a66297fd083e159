// The camera record and its transform: rotations (degrees) about X, Y, Z, then position, then zoom.
#pragma once

#include "LWVektor.h"

struct LWCam {
    LWVektor p; // translation, applied after the three rotations
    LWVektor o; // orientation, degrees about X, Y and Z
    float zoom; // uniform scale, applied first to what is drawn
};

// Neutral camera: zoom 1, no translation, no turn.
void initCam(LWCam *cam);
// Multiplies the camera transform onto the current GL matrix.
void drawCam(const LWCam *cam);
