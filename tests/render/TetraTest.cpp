// The tetrahedron, the display-list fractal and the colour levels, in a real context.
#include "GLWindow.h"
#include "LWTetra.h"

#include <array>
#include <gtest/gtest.h>
#include <tuple>

using F4 = std::array<float, 4>;

class Tetra : public ::testing::Test {
protected:
    void SetUp() override { setCorners(); }
    GLWindow window{64, 64};
};

// Seen from any side with back faces culled, exactly the faces turned to the eye remain (in
// feedback mode); lit from the eye they are black, since every normal points inward.
TEST_F(Tetra, FacesAreFrontFacingFromOutsideWithInwardNormals) {
    EXPECT_EQ(a.z, 0.61237246f);
    EXPECT_EQ(std::make_tuple(b.x, b.y, b.z), std::make_tuple(-0.28867513f, 0.5f, -0.20412415f));
    EXPECT_EQ(d.x, 0.57735026f);
    for (GLenum cap : {GL_CULL_FACE, GL_LIGHTING, GL_LIGHT0, GL_NORMALIZE})
        glEnable(cap);
    const GLfloat none[] = {0, 0, 0, 1}, fromEye[] = {0, 0, 1, 0};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glMaterialfv(GL_FRONT, GL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_POSITION, fromEye);
    for (const F4 turn :
         {F4{0, 0, 0, 1}, F4{90, 0, 1, 0.5f}, F4{70, 1, 0, 0}, F4{135, 1, 1, 0.5f}}) {
        glLoadIdentity();
        glRotatef(turn[0], turn[1], turn[2], turn[3]);
        GLfloat m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        int facing = 0; // faces whose outward normal, minus the opposite corner, faces the eye
        for (const LWVektor *k : {&a, &b, &c, &d})
            facing += -(m[2] * k->x + m[6] * k->y + m[10] * k->z) > 1e-4f;
        std::vector<GLfloat> fed(512);
        glFeedbackBuffer(GLsizei(fed.size()), GL_3D_COLOR, fed.data());
        glRenderMode(GL_FEEDBACK);
        drawSingleTetra();
        ASSERT_EQ(glRenderMode(GL_RENDER), facing * 23) << turn[0]; // token, 3, 3 x (xyz rgba)
        for (int i = 0; i < facing; ++i)
            EXPECT_EQ(fed[i * 23 + 5], 0.0f);
    }
}

TEST_F(Tetra, BaseListDrawsTheSumOfPowersOfFourFromLowToHigh) {
    const GLuint base = glGenLists(6);
    for (const std::array<GLuint, 3> k : {std::array<GLuint, 3>{0, 4, 341},
                                          {0, 0, 1},
                                          {0, 1, 5},
                                          {0, 2, 21},
                                          {0, 3, 85},
                                          {1, 3, 84},
                                          {4, 4, 256},
                                          {2, 1, 0}}) {
        drawTetra(base, 0, k[0], k[1], 1.0f, 10.0f, 0.5f);
        EXPECT_EQ(primitivesOf(base), 4 * k[2]) << k[0] << ".." << k[1];
        // The list past high is empty, even after an earlier, deeper build filled it.
        EXPECT_EQ(primitivesOf(base + k[1] + 1), 0u);
        EXPECT_EQ(primitivesOf(base + k[1]), k[1] >= k[0] ? 4u : 0u);
    }
    glDeleteLists(base, 6);
}

TEST_F(Tetra, ColourLevelsBecomeMaterialAndColour) {
    const auto state = [](GLenum pname) {
        F4 value{};
        if (pname == GL_CURRENT_COLOR)
            glGetFloatv(pname, value.data());
        else
            glGetMaterialfv(GL_FRONT, pname, value.data());
        return value;
    };
    setColors(true, 1.0f);
    setWhiteColor();
    EXPECT_EQ(state(GL_DIFFUSE), (F4{0.75f, 0.75f, 0.75f, 1}));
    EXPECT_EQ(state(GL_AMBIENT), (F4{0, 0, 0, 1}));
    EXPECT_EQ(state(GL_SPECULAR), (F4{0, 0, 0, 1}));
    EXPECT_EQ(state(GL_SHININESS)[0], 1.0f);
    EXPECT_EQ(state(GL_CURRENT_COLOR), (F4{0.75f, 0.75f, 0.75f, 1}));
    setColors(false, 1.0f);
    setBlackColor();
    EXPECT_EQ(state(GL_DIFFUSE), (F4{0, 0, 0, 1}));
    setWhiteColor();
    EXPECT_EQ(state(GL_CURRENT_COLOR), (F4{1, 1, 1, 1}));
}
