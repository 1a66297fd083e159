// Stores and copies of LWVektor components.
#include "LWVektor.h"

void initVektor(LWVektor *v, float x, float y, float z) {
    v->x = x;
    v->y = y;
    v->z = z;
}

void copyVektor(LWVektor *dst, const LWVektor *src) {
    initVektor(dst, src->x, src->y, src->z);
}
