// Camera set-up and the five GL calls of its transform.
#include "LWCam.h"

#include <GL/gl.h>

void initCam(LWCam *cam) {
    cam->zoom = 1.0f;
    initVektor(&cam->p, 0, 0, 0);
    initVektor(&cam->o, 0, 0, 0);
}

void drawCam(const LWCam *cam) {
    glRotatef(cam->o.x, 1, 0, 0);
    glRotatef(cam->o.y, 0, 1, 0);
    glRotatef(cam->o.z, 0, 0, 1);
    glTranslatef(cam->p.x, cam->p.y, cam->p.z);
    glScalef(cam->zoom, cam->zoom, cam->zoom);
}
