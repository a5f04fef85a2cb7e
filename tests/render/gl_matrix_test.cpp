// Every matrix of the view against the one Mesa's own GL and GLU calls
// build, read back from a real context.
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "app/view_settings.h"
#include "render/camera.h"
#include "tests/render/gl_harness.h"

namespace {

using render_harness::GlTest;

struct Matrix {
    float m[16];
};

Matrix current(GLenum which) {
    Matrix r;
    glGetFloatv(which, r.m);
    return r;
}

void expectSame(const Matrix& a, const Matrix& b, const std::string& what,
                float tolerance = 1e-5f) {
    for (int k = 0; k < 16; ++k) {
        const float scale = std::fmax(1.0f, std::fabs(b.m[k]));
        EXPECT_NEAR(a.m[k], b.m[k], tolerance * scale) << what << ", element " << k;
    }
}

// A start matrix that is not the identity, so that the order of the
// multiplication shows.
void loadSomeMatrix() {
    glLoadIdentity();
    glTranslatef(0.5f, -2, 3);
    glRotatef(25, 1, 2, 0.5f);
    glScalef(1.5f, 0.5f, 2);
}

class GlMatrix : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        glMatrixMode(GL_MODELVIEW);
    }
    // The modelview after `ours` and after `mesa`, both from loadSomeMatrix.
    template <class Ours, class Mesa>
    void compare(Ours ours, Mesa mesa, const std::string& what) {
        loadSomeMatrix();
        mesa();
        const Matrix expected = current(GL_MODELVIEW_MATRIX);
        loadSomeMatrix();
        ours();
        expectSame(current(GL_MODELVIEW_MATRIX), expected, what);
    }
};

TEST_F(GlMatrix, BuildersEqualMesasRotateScaleAndTranslate) {
    const float angles[] = {0, 1, 30, -45, 90, 123.4f, 180, 377};
    for (float a : angles) {
        const std::string at = " at " + std::to_string(a);
        glLoadIdentity();
        glRotatef(a, 1, 0, 0);
        Matrix builder;
        std::copy_n(matrixBuilder.rotationX(a), 16, builder.m);
        expectSame(builder, current(GL_MODELVIEW_MATRIX), "rotationX" + at);
        glLoadIdentity();
        glRotatef(a, 0, 1, 0);
        std::copy_n(matrixBuilder.rotationY(a), 16, builder.m);
        expectSame(builder, current(GL_MODELVIEW_MATRIX), "rotationY" + at);
        glLoadIdentity();
        glRotatef(a, 0, 0, 1);
        std::copy_n(matrixBuilder.rotationZ(a), 16, builder.m);
        expectSame(builder, current(GL_MODELVIEW_MATRIX), "rotationZ" + at);

        compare([&] { applyRotation(a, 1, 0, 0); }, [&] { glRotatef(a, 1, 0, 0); }, "x" + at);
        compare([&] { applyRotation(a, 0, 1, 0); }, [&] { glRotatef(a, 0, 1, 0); }, "y" + at);
        compare([&] { applyRotation(a, 0, 0, 1); }, [&] { glRotatef(a, 0, 0, 1); }, "z" + at);
    }
    compare([] { applyScale(0.1f, 0.1f, 0.1f); }, [] { glScalef(0.1f, 0.1f, 0.1f); }, "well scale");
    compare([] { applyScale(-2, 3, 0.25f); }, [] { glScalef(-2, 3, 0.25f); }, "scale");
    compare([] { applyTranslation(-2, -10, -3); }, [] { glTranslatef(-2, -10, -3); }, "centring");
    compare([] { applyTranslation(0.5f, 0.5f, 0.5f); }, [] { glTranslatef(0.5f, 0.5f, 0.5f); },
            "half cell");
    compare([] { loadIdentityMatrix(); }, [] { glLoadIdentity(); }, "identity");
}

TEST_F(GlMatrix, RotationTakesTheFirstFlaggedAxisOnly) {
    compare([] { applyRotation(40, 1, 1, 1); }, [] { glRotatef(40, 1, 0, 0); }, "x, y and z");
    compare([] { applyRotation(40, 0, 5, -1); }, [] { glRotatef(40, 0, 1, 0); }, "y and z");
    compare([] { applyRotation(40, 0, 0, 2); }, [] { glRotatef(40, 0, 0, 1); }, "z");
    compare([] { applyRotation(40, 0, 0, 0); }, [] {}, "no axis");
}

TEST_F(GlMatrix, ProjectionsEqualGlFrustumAndGlOrtho) {
    const float boxes[][6] = {
        {-1.08f, 1.08f, -1.08f, 1.08f, 0, 6.48f},  // start zoom 0.9
        {-0.72f, 0.72f, -0.72f, 0.72f, 0, 4.32f},  // zoom 0.6
        {-1.2f, 1.2f, -1.2f, 1.2f, 0, 7.2f},       // zoom 1.0
        {-0.6f, 0.6f, -0.6f, 0.6f, 0.54f, 3.6f},   // perspective
        {-3, 1, 2, 5, -1, 10},                     // off centre
        {-3, 1, 2, 5, 0.1f, 10},                   // off centre
        {2, -1, 1, -4, 7, 0.5f},                   // reversed bounds
    };
    for (const auto& b : boxes) {
        const std::string what = std::to_string(b[0]) + ".." + std::to_string(b[5]);
        // glFrustum takes only positive near and far planes.
        if (b[4] > 0 && b[5] > 0)
            compare([&] { frustumProjection(b[0], b[1], b[2], b[3], b[4], b[5]); },
                    [&] { glFrustum(b[0], b[1], b[2], b[3], b[4], b[5]); }, "frustum " + what);
        compare([&] { orthoProjection(b[0], b[1], b[2], b[3], b[4], b[5]); },
                [&] { glOrtho(b[0], b[1], b[2], b[3], b[4], b[5]); }, "ortho " + what);
    }
}

TEST_F(GlMatrix, EqualBoundsPrintTheErrorAndLeaveTheMatrix) {
    const float bad[][6] = {{-1, 1, -1, 1, 2, 2}, {3, 3, -1, 1, 0, 1}, {-1, 1, 0.5f, 0.5f, 0, 1}};
    for (const auto& b : bad) {
        testing::internal::CaptureStdout();
        compare([&] { frustumProjection(b[0], b[1], b[2], b[3], b[4], b[5]); }, [] {}, "frustum");
        compare([&] { orthoProjection(b[0], b[1], b[2], b[3], b[4], b[5]); }, [] {}, "ortho");
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "Projection error! Invalid ParametersProjection error! Invalid Parameters");
    }
}

TEST_F(GlMatrix, SetProjectionFollowsTheViewSettings) {
    const struct {
        int orthogonal;
        float zoom;
        double box[6];
    } cases[] = {
        {1, 0.9f, {-1.08, 1.08, -1.08, 1.08, 0, 6.48}},
        {1, 0.6f, {-0.72, 0.72, -0.72, 0.72, 0, 4.32}},
        {1, 1.0f, {-1.2, 1.2, -1.2, 1.2, 0, 7.2}},
        {0, 0.6f, {-0.6, 0.6, -0.6, 0.6, 0.54, 3.6}},
        {0, 1.0f, {-0.6, 0.6, -0.6, 0.6, 0.54, 3.6}},
    };
    for (const auto& c : cases) {
        ViewSettings::orthogonal = c.orthogonal;
        ViewSettings::zoom = c.zoom;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        const double* b = c.box;
        if (c.orthogonal)
            glOrtho(b[0], b[1], b[2], b[3], b[4], b[5]);
        else
            glFrustum(b[0], b[1], b[2], b[3], b[4], b[5]);
        const Matrix expected = current(GL_PROJECTION_MATRIX);
        glTranslatef(5, 5, 5);  // left over from before: must be replaced
        glMatrixMode(GL_MODELVIEW);
        setProjection();
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
        expectSame(
            current(GL_PROJECTION_MATRIX), expected,
            "orthogonal " + std::to_string(c.orthogonal) + " zoom " + std::to_string(c.zoom));
    }
}

TEST_F(GlMatrix, LookAtEqualsGluLookAt) {
    const float cameras[][9] = {
        {1, 1, 1, 0, 0, 0, 0, 1, 0},          // start
        {3, -2, 5, 1, 1, 0, 0, 2, 0.5f},      // up neither unit nor upright
        {-4, 6, 1, 0.5f, -1, 2, 1, 1, 0},     // off-centre target
        {0, 0, 4, 0, 0, 0, 0, 1, 0},          // straight on
        {0.2f, 5, 0.1f, 0, 0, 0, 0, 1, 0},    // nearly above
        {1e-3f, 2e-3f, 0, 0, 0, 0, 0, 0, 1},  // very close to the target
    };
    for (const auto& c : cameras) {
        const std::string what = "eye " + std::to_string(c[0]) + ", " + std::to_string(c[1]) +
                                 ", " + std::to_string(c[2]);
        compare([&] { lookAt(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]); },
                [&] { gluLookAt(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]); }, what);
    }
}

TEST_F(GlMatrix, LookAtWithoutASideVectorLeavesTheMatrix) {
    const float cameras[][9] = {
        {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0, 1, 0},  // eye on the target
        {0, 1, 0, 0, 0, 0, 0, 1, 0},                    // on the up line (the spinners reach it)
        {0, -2, 0, 0, 0, 0, 0, 1, 0},                   // below, on the up line
        {2, 2, 0, 1, 1, 0, 3, 3, 0},                    // up along the line of sight
        {1, 1, 1, 0, 0, 0, 0, 0, 0},                    // no up vector
        {NAN, 1, 1, 0, 0, 0, 0, 1, 0},
        {1, 1, 1, 0, INFINITY, 0, 0, 1, 0},
        {1, 1, 1, 0, 0, 0, 0, NAN, 0},
    };
    testing::internal::CaptureStdout();
    for (const auto& c : cameras) {
        compare([&] { lookAt(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]); }, [] {},
                "degenerate camera");
        const Matrix after = current(GL_MODELVIEW_MATRIX);
        for (float v : after.m) EXPECT_TRUE(std::isfinite(v));
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(GlMatrix, ViewTransformIsTheCameraRotationsAndPlacedWell) {
    const float eye[3] = {1.5f, 0.8f, 2}, centre[3] = {0.1f, 0, -0.2f}, up[3] = {0.1f, 1, 0};
    for (int i = 0; i < 3; ++i)
        ViewSettings::eye[i] = eye[i], ViewSettings::centre[i] = centre[i],
        ViewSettings::up[i] = up[i];
    ViewSettings::angleX = 30, ViewSettings::angleY = -70, ViewSettings::angleZ = 400;
    ViewSettings::rotateY = 1, ViewSettings::rotateZ = 1;
    loadSomeMatrix();
    applyViewTransform();
    // Auto-rotation adds its degree before the rotation is applied.
    EXPECT_EQ(ViewSettings::angleX, 30);
    EXPECT_EQ(ViewSettings::angleY, -69);
    EXPECT_EQ(ViewSettings::angleZ, 401);
    const Matrix ours = current(GL_MODELVIEW_MATRIX);
    glLoadIdentity();
    gluLookAt(eye[0], eye[1], eye[2], centre[0], centre[1], centre[2], up[0], up[1], up[2]);
    glRotatef(30, 1, 0, 0);
    glRotatef(-69, 0, 1, 0);
    glRotatef(401, 0, 0, 1);
    glScalef(0.1f, 0.1f, 0.1f);
    glTranslatef(-2, -10, -3);
    expectSame(ours, current(GL_MODELVIEW_MATRIX), "view chain");
}

TEST_F(GlMatrix, StartViewPutsTheWellUprightInTheMiddle) {
    setProjection();
    applyViewTransform();
    glTranslatef(0.5f, 0.5f, 0.5f);
    double bottomX, bottomY, topX, topY, centreX, centreY;
    // The centre line of the well, floor to top, in cell units.
    render_harness::project(1.5, -0.5, 2.5, bottomX, bottomY);
    render_harness::project(1.5, 19.5, 2.5, topX, topY);
    render_harness::project(1.5, 9.5, 2.5, centreX, centreY);
    EXPECT_NEAR(centreX, 300, 0.5);
    EXPECT_NEAR(centreY, 300, 0.5);
    EXPECT_NEAR(bottomX, topX, 0.5);  // upright
    EXPECT_GT(topY, bottomY + 400);   // and tall on the screen
    EXPECT_LT(topY, 600);
    EXPECT_GT(bottomY, 0);
    // Seen from above, across the vertical edge at x = 4, z = 6: that edge
    // lies between the two other near edges on the screen, and the floor's
    // far corner shows higher than its near corner.
    double nearX, nearY, leftX, leftY, rightX, rightY, farX, farY;
    render_harness::project(3.5, -0.5, 5.5, nearX, nearY);
    render_harness::project(-0.5, -0.5, 5.5, leftX, leftY);
    render_harness::project(3.5, -0.5, -0.5, rightX, rightY);
    render_harness::project(-0.5, -0.5, -0.5, farX, farY);
    EXPECT_LT(leftX, nearX);
    EXPECT_LT(nearX, rightX);
    EXPECT_LT(nearY, leftY);
    EXPECT_LT(nearY, rightY);
    EXPECT_GT(farY, nearY);
}

TEST_F(GlMatrix, LightIsGivenInEyeSpaceWithItsColours) {
    ViewSettings::light[0] = 2, ViewSettings::light[1] = 0, ViewSettings::light[2] = 1;
    ViewSettings::angleY = 50;
    loadSomeMatrix();
    applyViewTransform();
    float position[4], diffuse[4], specular[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glGetLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    const float expectedPosition[4] = {2, 0, 1, 0}, expectedDiffuse[4] = {0.9f, 0.9f, 0.9f, 0},
                expectedSpecular[4] = {1, 1, 1, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(position[i], expectedPosition[i]);
        EXPECT_FLOAT_EQ(diffuse[i], expectedDiffuse[i]);
        EXPECT_FLOAT_EQ(specular[i], expectedSpecular[i]);
    }
}

TEST_F(GlMatrix, ReshapeSetsTheCentredSquareViewportAndTheProjection) {
    const struct {
        int w, h, expected[4];
    } cases[] = {{800, 600, {100, 0, 600, 600}},
                 {600, 601, {0, 0, 600, 600}},
                 {601, 600, {0, 0, 600, 600}},
                 {300, 500, {0, 100, 300, 300}}};
    ViewSettings::zoom = 0.6f;
    for (const auto& c : cases) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        reshapeView(c.w, c.h);
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(viewport[i], c.expected[i]) << c.w << " x " << c.h;
        EXPECT_NEAR(current(GL_PROJECTION_MATRIX).m[0], 1 / 0.72f, 1e-5);
    }
}

}  // namespace
