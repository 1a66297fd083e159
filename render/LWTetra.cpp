// Geometry and the display-list fractal; the grey levels are private to this file.
#include "LWTetra.h"

#include <cmath>
#include <initializer_list>

LWVektor a, b, c, d;

static float white[3];
static float black[3];

void setCorners() {
    const float apex = static_cast<float>(std::sqrt(6.0) / 4.0);
    const float base = static_cast<float>(-std::sqrt(6.0) / 12.0);
    const float back = static_cast<float>(-std::sqrt(3.0) / 6.0);
    initVektor(&a, 0, 0, apex);
    initVektor(&b, back, 0.5f, base);
    initVektor(&c, back, -0.5f, base);
    initVektor(&d, static_cast<float>(std::sqrt(3.0) / 3.0), 0, base);
}

static void face(const LWVektor &normal, const LWVektor &p, const LWVektor &q, const LWVektor &r) {
    glNormal3f(normal.x, normal.y, normal.z);
    glVertex3f(p.x, p.y, p.z);
    glVertex3f(q.x, q.y, q.z);
    glVertex3f(r.x, r.y, r.z);
}

void drawSingleTetra() {
    glBegin(GL_TRIANGLES);
    face(d, a, b, c);
    face(c, a, d, b);
    face(b, a, c, d);
    face(a, b, d, c);
    glEnd();
}

void drawTetra(GLuint base, GLuint level, GLuint low, GLuint high, float dist, float turn,
               float size) {
    if (level <= high) {
        drawTetra(base, level + 1, low, high, dist, turn, size);
        glNewList(base + level, GL_COMPILE);
        if (level >= low)
            drawSingleTetra();
        for (const LWVektor *k : {&a, &d, &b, &c}) {
            glPushMatrix();
            glRotatef(turn, k->x, k->y, k->z);
            glTranslatef(k->x * dist, k->y * dist, k->z * dist);
            glScalef(size, size, size);
            glCallList(base + level + 1);
            glPopMatrix();
        }
    } else {
        glNewList(base + level, GL_COMPILE);
    }
    glEndList();
}

void setColors(unsigned char shaded, float level) {
    const float dark = shaded ? 0.25f * level : 0.0f;
    const float light = shaded ? level * 0.75f : level;
    for (int i = 0; i < 3; ++i) {
        black[i] = dark;
        white[i] = light;
    }
}

// Leaves the front material (ambient 0, diffuse L, specular 0, shininess 1) and colour L.
static void setMaterial(const float *level) {
    const GLfloat none[] = {0, 0, 0, 1};
    const GLfloat diffuse[] = {level[0], level[1], level[2], 1};
    const GLfloat shininess[] = {1.0f};
    glMaterialfv(GL_FRONT, GL_AMBIENT, none);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, none);
    glMaterialfv(GL_FRONT, GL_SHININESS, shininess);
    glColor3f(level[0], level[1], level[2]);
}

void setWhiteColor() {
    setMaterial(white);
}

void setBlackColor() {
    setMaterial(black);
}
