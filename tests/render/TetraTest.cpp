// The tetrahedron, the display-list fractal and the colour levels, in a real GL context.
#include "GLWindow.h"
#include "LWCam.h"
#include "LWTetra.h"

#include <QApplication>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

class Tetra : public ::testing::Test {
protected:
    void SetUp() override {
        setCorners();
        glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        glDisable(GL_COLOR_MATERIAL);
        glDisable(GL_DEPTH_TEST);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    // Polygons that survive culling, as returned by feedback mode: (vertex count, x, y, r, g, b).
    std::vector<std::array<float, 3>> feedbackColours(void (*drawing)()) {
        std::vector<GLfloat> buffer(4096);
        glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR, buffer.data());
        glRenderMode(GL_FEEDBACK);
        drawing();
        const GLint used = glRenderMode(GL_RENDER);
        std::vector<std::array<float, 3>> colours;
        for (GLint i = 0; i < used;) {
            EXPECT_EQ(buffer[i], GLfloat(GL_POLYGON_TOKEN));
            const int vertices = int(buffer[i + 1]);
            colours.push_back({buffer[i + 5], buffer[i + 6], buffer[i + 7]});
            i += 2 + vertices * 7; // x y z r g b a
        }
        return colours;
    }
    GLWindow window{200, 200};
};

static float length(const LWVektor &v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

TEST_F(Tetra, CornersFormTheRegularUnitTetrahedron) {
    EXPECT_EQ(a.z, 0.61237246f);
    EXPECT_EQ(b.x, -0.28867513f);
    EXPECT_EQ(b.z, -0.20412415f);
    EXPECT_EQ(d.x, 0.57735026f);
    EXPECT_EQ(c.y, -0.5f);
    const LWVektor *corners[] = {&a, &b, &c, &d};
    LWVektor sum{0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(length(*corners[i]), std::sqrt(6.0) / 4, 1e-6);
        sum = {sum.x + corners[i]->x, sum.y + corners[i]->y, sum.z + corners[i]->z};
        for (int j = i + 1; j < 4; ++j) {
            const LWVektor edge{corners[i]->x - corners[j]->x, corners[i]->y - corners[j]->y,
                                corners[i]->z - corners[j]->z};
            EXPECT_NEAR(length(edge), 1.0, 1e-6);
        }
    }
    EXPECT_NEAR(length(sum), 0.0, 1e-6);
}

// Seen from any side with back faces culled, only the faces turned to the eye remain; lit from
// the eye they come out black, since every normal points inward.
TEST_F(Tetra, FacesAreFrontFacingFromOutsideWithInwardNormals) {
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_NORMALIZE);
    const GLfloat fromEye[] = {0, 0, 1, 0}, none[] = {0, 0, 0, 1}, white[] = {1, 1, 1, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, fromEye);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, none);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
    const std::array<std::array<float, 3>, 6> turns{
        {{0, 0, 1}, {0, 1, 0}, {1, 0, 0}, {1, 1, 0}, {180, 0, 1}, {135, 1, 1}}};
    for (const auto &turn : turns) {
        glLoadIdentity();
        glRotatef(turn[0], turn[1], turn[2], 0.5f);
        GLfloat m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        // Faces whose outward normal (minus the opposite corner) has a positive eye z.
        int facing = 0;
        for (const LWVektor *k : {&a, &b, &c, &d}) {
            const float eyeZ = -(m[2] * k->x + m[6] * k->y + m[10] * k->z);
            facing += eyeZ > 1e-4f;
        }
        const auto colours = feedbackColours(drawSingleTetra);
        EXPECT_EQ(int(colours.size()), facing) << "turn " << turn[0];
        for (const auto &colour : colours)
            EXPECT_EQ(colour[0], 0.0f);
    }
    // Lit from behind the figure, the same faces light up.
    const GLfloat fromBehind[] = {0, 0, -1, 0};
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, fromBehind);
    const auto colours = feedbackColours(drawSingleTetra);
    ASSERT_FALSE(colours.empty());
    for (const auto &colour : colours)
        EXPECT_GT(colour[0], 0.1f);
}

TEST_F(Tetra, BaseListDrawsTheSumOfPowersOfFourFromLowToHigh) {
    const GLuint base = glGenLists(6);
    struct Case {
        GLuint low, high, tetrahedra;
    };
    for (const Case &k : {Case{0, 0, 1}, Case{0, 1, 5}, Case{0, 2, 21}, Case{0, 3, 85},
                          Case{0, 4, 341}, Case{1, 3, 84}, Case{4, 4, 256}, Case{2, 1, 0}}) {
        drawTetra(base, 0, k.low, k.high, 1.0f, 10.0f, 0.5f);
        EXPECT_EQ(primitivesOf(base), 4 * k.tetrahedra) << k.low << ".." << k.high;
        // Level L's list holds the subtree below L; the one past high is empty.
        for (GLuint level = 1; level <= k.high + 1; ++level) {
            GLuint below = 0;
            for (GLuint l = std::max(level, k.low); l <= k.high; ++l)
                below += 1u << (2 * (l - level));
            EXPECT_EQ(primitivesOf(base + level), 4 * below);
        }
    }
    glDeleteLists(base, 6);
}

TEST_F(Tetra, ShallowerRebuildEmptiesTheListPastTheNewHigh) {
    const GLuint base = glGenLists(6);
    drawTetra(base, 0, 0, 4, 1.0f, 0.0f, 0.5f);
    EXPECT_EQ(primitivesOf(base + 3), 4u * 5);
    drawTetra(base, 0, 0, 2, 1.0f, 0.0f, 0.5f);
    EXPECT_EQ(primitivesOf(base + 3), 0u);
    EXPECT_EQ(primitivesOf(base), 4u * 21);
    glDeleteLists(base, 6);
}

// Level-1 copies sit at dist x corner, scaled by size and turned about the corner's axis.
TEST_F(Tetra, CopiesAreMovedScaledAndTurnedAboutTheirCorner) {
    const GLuint base = glGenLists(6);
    glMatrixMode(GL_PROJECTION);
    glOrtho(-2, 2, -2, 2, -2, 2); // window x = (x + 2) * 50
    glMatrixMode(GL_MODELVIEW);
    drawTetra(base, 0, 1, 1, 2.0f, 90.0f, 0.25f);
    std::vector<GLfloat> buffer(2048);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glCallList(base);
    const GLint used = glRenderMode(GL_RENDER);
    ASSERT_EQ(used, 16 * (2 + 3 * 3)); // 16 triangles of 3 vertices (x y z)
    // Order of the copies: a, d, b, c; each copy's 12 vertices average to its centre.
    const LWVektor *order[] = {&a, &d, &b, &c};
    for (int copy = 0; copy < 4; ++copy) {
        float x = 0, y = 0;
        for (int v = 0; v < 12; ++v) {
            const GLfloat *vertex = &buffer[(copy * 4 + v / 3) * 11 + 2 + (v % 3) * 3];
            x += vertex[0] / 50 - 2;
            y += vertex[1] / 50 - 2;
        }
        EXPECT_NEAR(x / 12, 2 * order[copy]->x, 1e-3);
        EXPECT_NEAR(y / 12, 2 * order[copy]->y, 1e-3);
    }
    // The copy at a (axis z) turned 90 degrees: its first vertex is a's copy of a, on the axis;
    // its second is b scaled by 0.25 and turned a quarter about z: (-b.y, b.x) / 4 from 2a.
    const GLfloat *second = &buffer[2 + 3];
    EXPECT_NEAR(second[0] / 50 - 2, 2 * a.x - 0.25f * b.y, 1e-3);
    EXPECT_NEAR(second[1] / 50 - 2, 2 * a.y + 0.25f * b.x, 1e-3);
    glDeleteLists(base, 6);
}

static std::array<float, 4> floats(GLenum pname) {
    std::array<float, 4> value{};
    glGetFloatv(pname, value.data());
    return value;
}

static std::array<float, 4> material(GLenum pname) {
    std::array<float, 4> value{};
    glGetMaterialfv(GL_FRONT, pname, value.data());
    return value;
}

TEST_F(Tetra, ColourLevelsBecomeMaterialAndColour) {
    using F4 = std::array<float, 4>;
    setColors(true, 1.0f);
    setWhiteColor();
    EXPECT_EQ(material(GL_DIFFUSE), (F4{0.75f, 0.75f, 0.75f, 1}));
    EXPECT_EQ(material(GL_AMBIENT), (F4{0, 0, 0, 1}));
    EXPECT_EQ(material(GL_SPECULAR), (F4{0, 0, 0, 1}));
    EXPECT_EQ(material(GL_SHININESS)[0], 1.0f);
    EXPECT_EQ(floats(GL_CURRENT_COLOR), (F4{0.75f, 0.75f, 0.75f, 1}));
    setBlackColor();
    EXPECT_EQ(material(GL_DIFFUSE), (F4{0.25f, 0.25f, 0.25f, 1}));
    EXPECT_EQ(floats(GL_CURRENT_COLOR), (F4{0.25f, 0.25f, 0.25f, 1}));

    setColors(false, 1.0f);
    setWhiteColor();
    EXPECT_EQ(floats(GL_CURRENT_COLOR), (F4{1, 1, 1, 1}));
    setBlackColor();
    EXPECT_EQ(floats(GL_CURRENT_COLOR), (F4{0, 0, 0, 1}));
    setColors(true, 0.0f);
    setWhiteColor();
    EXPECT_EQ(material(GL_DIFFUSE), (F4{0, 0, 0, 1}));
}

TEST_F(Tetra, NeutralCameraLeavesTheMatrixAndCameraTurnsInOrder) {
    LWCam cam;
    cam.zoom = 7;
    initVektor(&cam.o, 5, 6, 7);
    initCam(&cam);
    EXPECT_EQ(cam.zoom, 1.0f);
    EXPECT_EQ(cam.o.z, 0.0f);
    glTranslatef(1, 2, 3);
    std::array<float, 16> before{}, after{};
    glGetFloatv(GL_MODELVIEW_MATRIX, before.data());
    drawCam(&cam);
    glGetFloatv(GL_MODELVIEW_MATRIX, after.data());
    EXPECT_EQ(before, after);

    // Zoom 2, then move by p, then 90 degrees about Z: (1, 0, 0) -> (2, 0, 0) -> (2, 1, 0)
    // -> (-1, 2, 0).
    glLoadIdentity();
    cam.zoom = 2;
    initVektor(&cam.p, 0, 1, 0);
    initVektor(&cam.o, 0, 0, 90);
    drawCam(&cam);
    glGetFloatv(GL_MODELVIEW_MATRIX, after.data());
    EXPECT_NEAR(after[0] + after[12], -1, 1e-6); // x of M * (1, 0, 0, 1)
    EXPECT_NEAR(after[1] + after[13], 2, 1e-6);
}
