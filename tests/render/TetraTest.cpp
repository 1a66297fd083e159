// The tetrahedron, the display-list fractal, the camera and the colour levels, in a real context.
#include "GLWindow.h"
#include "LWCam.h"
#include "LWTetra.h"

#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using F4 = std::array<float, 4>;

class Tetra : public ::testing::Test {
protected:
    void SetUp() override {
        setCorners();
        for (GLenum cap : {GL_LIGHTING, GL_CULL_FACE, GL_COLOR_MATERIAL, GL_DEPTH_TEST})
            glDisable(cap);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-2, 2, -2, 2, -2, 2); // window x = (x + 2) * 50 in the 200 x 200 window
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    // Feedback of what the call draws: for each triangle surviving culling, its three vertices.
    static std::vector<GLfloat> feedback(GLenum type, const std::function<void()> &drawing) {
        std::vector<GLfloat> buffer(4096);
        glFeedbackBuffer(GLsizei(buffer.size()), type, buffer.data());
        glRenderMode(GL_FEEDBACK);
        drawing();
        buffer.resize(std::size_t(glRenderMode(GL_RENDER)));
        return buffer;
    }
    GLWindow window{200, 200};
};

TEST_F(Tetra, CornersFormTheRegularUnitTetrahedron) {
    EXPECT_EQ(a.z, 0.61237246f);
    EXPECT_EQ(b.x, -0.28867513f);
    EXPECT_EQ(b.z, -0.20412415f);
    EXPECT_EQ(d.x, 0.57735026f);
    EXPECT_EQ(c.y, -0.5f);
    const LWVektor *k[] = {&a, &b, &c, &d};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(std::hypot(k[i]->x, k[i]->y, k[i]->z), std::sqrt(6.0) / 4, 1e-6);
        for (int j = i + 1; j < 4; ++j)
            EXPECT_NEAR(std::hypot(k[i]->x - k[j]->x, k[i]->y - k[j]->y, k[i]->z - k[j]->z), 1,
                        1e-6);
    }
}

// From any side with back faces culled, exactly the faces turned to the eye remain; lit from
// the eye they come out black, since every normal points inward, and lit from behind they shine.
TEST_F(Tetra, FacesAreFrontFacingFromOutsideWithInwardNormals) {
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_NORMALIZE);
    const GLfloat none[] = {0, 0, 0, 1}, white[] = {1, 1, 1, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, none);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
    for (const GLfloat z : {1.0f, -1.0f}) {
        const GLfloat light[] = {0, 0, z, 0};
        for (const F4 turn : {F4{0, 0, 0, 1}, F4{90, 0, 1, 0.5f}, F4{70, 1, 0, 0}, F4{180, 0, 1, 0},
                              F4{135, 1, 1, 0.5f}}) {
            glLoadIdentity();
            glLightfv(GL_LIGHT0, GL_POSITION, light);
            glRotatef(turn[0], turn[1], turn[2], turn[3]);
            GLfloat m[16];
            glGetFloatv(GL_MODELVIEW_MATRIX, m);
            int facing = 0; // faces whose outward normal, minus the opposite corner, faces the eye
            for (const LWVektor *k : {&a, &b, &c, &d})
                facing += -(m[2] * k->x + m[6] * k->y + m[10] * k->z) > 1e-4f;
            const auto triangles = feedback(GL_3D_COLOR, drawSingleTetra); // 2 + 3 x 7 floats
            ASSERT_EQ(int(triangles.size()), facing * 23) << turn[0];
            for (std::size_t i = 0; i < triangles.size(); i += 23)
                EXPECT_EQ(triangles[i + 5] > 0.1f, z < 0) << turn[0];
        }
    }
}

TEST_F(Tetra, BaseListDrawsTheSumOfPowersOfFourFromLowToHigh) {
    const GLuint base = glGenLists(6);
    struct Case {
        GLuint low, high, tetrahedra;
    };
    for (const Case &k : {Case{0, 4, 341}, Case{0, 0, 1}, Case{0, 1, 5}, Case{0, 2, 21},
                          Case{0, 3, 85}, Case{1, 3, 84}, Case{4, 4, 256}, Case{2, 1, 0}}) {
        drawTetra(base, 0, k.low, k.high, 1.0f, 10.0f, 0.5f);
        EXPECT_EQ(primitivesOf(base), 4 * k.tetrahedra) << k.low << ".." << k.high;
        // Level L's list holds the subtree below L; the one past high is empty, even when an
        // earlier, deeper build had filled it.
        for (GLuint level = 1; level <= k.high + 1; ++level) {
            GLuint below = 0;
            for (GLuint l = std::max(level, k.low); l <= k.high; ++l)
                below += 1u << (2 * (l - level));
            EXPECT_EQ(primitivesOf(base + level), 4 * below);
        }
    }
    glDeleteLists(base, 6);
}

// Level-1 copies, in the order a, d, b, c, sit at dist x corner, scaled by size and turned
// about the corner's axis.
TEST_F(Tetra, CopiesAreMovedScaledAndTurnedAboutTheirCorner) {
    const GLuint base = glGenLists(6);
    drawTetra(base, 0, 1, 1, 2.0f, 90.0f, 0.25f);
    const auto triangles = feedback(GL_3D, [base] { glCallList(base); }); // 2 + 3 x 3 floats
    ASSERT_EQ(triangles.size(), 16u * 11);
    const auto x = [&](int triangle, int vertex) {
        return triangles[triangle * 11 + 2 + vertex * 3] / 50 - 2;
    };
    const auto y = [&](int triangle, int vertex) {
        return triangles[triangle * 11 + 3 + vertex * 3] / 50 - 2;
    };
    const LWVektor *order[] = {&a, &d, &b, &c};
    for (int copy = 0; copy < 4; ++copy) {
        float sx = 0, sy = 0; // each corner appears three times among a copy's 12 vertices
        for (int v = 0; v < 12; ++v) {
            sx += x(copy * 4 + v / 3, v % 3);
            sy += y(copy * 4 + v / 3, v % 3);
        }
        EXPECT_NEAR(sx / 12, 2 * order[copy]->x, 1e-3);
        EXPECT_NEAR(sy / 12, 2 * order[copy]->y, 1e-3);
    }
    // The first face's second vertex is b, scaled by 1/4 and turned a quarter about z (a's axis).
    EXPECT_NEAR(x(0, 1), -0.25f * b.y, 1e-3);
    EXPECT_NEAR(y(0, 1), 0.25f * b.x, 1e-3);
    glDeleteLists(base, 6);
}

static F4 material(GLenum pname) {
    F4 value{};
    glGetMaterialfv(GL_FRONT, pname, value.data());
    return value;
}

static F4 colour() {
    F4 value{};
    glGetFloatv(GL_CURRENT_COLOR, value.data());
    return value;
}

TEST_F(Tetra, ColourLevelsBecomeMaterialAndColour) {
    setColors(true, 1.0f);
    setWhiteColor();
    EXPECT_EQ(material(GL_DIFFUSE), (F4{0.75f, 0.75f, 0.75f, 1}));
    EXPECT_EQ(material(GL_AMBIENT), (F4{0, 0, 0, 1}));
    EXPECT_EQ(material(GL_SPECULAR), (F4{0, 0, 0, 1}));
    EXPECT_EQ(material(GL_SHININESS)[0], 1.0f);
    EXPECT_EQ(colour(), (F4{0.75f, 0.75f, 0.75f, 1}));
    setBlackColor();
    EXPECT_EQ(material(GL_DIFFUSE), (F4{0.25f, 0.25f, 0.25f, 1}));
    EXPECT_EQ(colour(), (F4{0.25f, 0.25f, 0.25f, 1}));
    setColors(false, 1.0f);
    setWhiteColor();
    EXPECT_EQ(colour(), (F4{1, 1, 1, 1}));
    setBlackColor();
    EXPECT_EQ(colour(), (F4{0, 0, 0, 1}));
    setColors(true, 0.0f);
    setWhiteColor();
    EXPECT_EQ(material(GL_DIFFUSE), (F4{0, 0, 0, 1}));
}

// A neutral camera leaves the matrix alone; otherwise a point is zoomed, moved, then turned.
TEST_F(Tetra, CameraTransformsInOrder) {
    LWCam cam{{1, 2, 3}, {5, 6, 7}, 7};
    initCam(&cam);
    glTranslatef(1, 2, 3);
    std::array<float, 16> before{}, after{};
    glGetFloatv(GL_MODELVIEW_MATRIX, before.data());
    drawCam(&cam);
    glGetFloatv(GL_MODELVIEW_MATRIX, after.data());
    EXPECT_EQ(before, after);

    glLoadIdentity();
    cam = {{0, 1, 0}, {0, 0, 90}, 2}; // (1, 0, 0) -> (2, 0, 0) -> (2, 1, 0) -> (-1, 2, 0)
    drawCam(&cam);
    glGetFloatv(GL_MODELVIEW_MATRIX, after.data());
    EXPECT_NEAR(after[0] + after[12], -1, 1e-6);
    EXPECT_NEAR(after[1] + after[13], 2, 1e-6);
}
