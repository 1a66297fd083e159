// A three-component float vector: a plain record embedded in its owners, passed by pointer.
#pragma once

struct LWVektor {
    float x;
    float y;
    float z;
};

void initVektor(LWVektor *v, float x, float y, float z);
void copyVektor(LWVektor *dst, const LWVektor *src);
