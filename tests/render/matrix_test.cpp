// Every matrix of the view against the one Mesa's own GL and GLU calls
// build, the viewport rule and the status line's text.
#include <GL/glu.h>

#include <climits>
#include <cmath>
#include <functional>

#include "model/game_state.h"
#include "render/overlay.h"
#include "tests/render/gl_harness.h"

namespace {

// Both matrices after `build`, from a start that is not the identity, so
// that the order of multiplication shows.
std::vector<float> stateAfter(const std::function<void()>& build) {
    for (GLenum mode : {GL_PROJECTION, GL_MODELVIEW})
        glMatrixMode(mode), glLoadIdentity(), glRotatef(25, 1, 2, 0.5f), glScalef(1.5f, 0.5f, 2);
    build();
    std::vector<float> s(32);
    glGetFloatv(GL_MODELVIEW_MATRIX, &s[0]);
    glGetFloatv(GL_PROJECTION_MATRIX, &s[16]);
    return s;
}

// Mesa's projection for a square box, in GL_PROJECTION, back to GL_MODELVIEW.
void projection(decltype(&glOrtho) box, double side, double near, double far) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (box) box(-side, side, -side, side, near, far);
    glMatrixMode(GL_MODELVIEW);
}

// What f writes as projection errors.
std::string printedBy(const std::function<void()>& f) {
    char text[256] = {};
    std::FILE* file = projectionErrors = fmemopen(text, sizeof text, "w");
    f(), std::fclose(file), projectionErrors = stdout;
    return text;
}

struct Row {
    std::string code;
    std::function<void()> ours, mesa;
    std::string printed = "";
};
// A row named by its own code: ours, then Mesa's, then what ours prints.
// clang-format off
#define ROW(ours, mesa, ...) Row{#ours, [=] { ours; }, [=] { mesa; }, __VA_ARGS__}
// clang-format on

const std::string error = "Projection error! Invalid Parameters";

TEST_F(GlTest, EveryMatrixEqualsMesas) {
    // Rotations come first: every later builder must start from the identity.
    std::vector<Row> rows;
    for (float a : {-45.0f, 90.0f, 123.4f, 377.0f})
        for (int i = 0; i < 3; ++i)
            rows.push_back(ROW(applyRotation(a, i == 0, i == 1, i == 2),
                               glRotatef(a, i == 0, i == 1, i == 2)));
    rows.insert(
        rows.end(),
        {ROW(applyRotation(40, 2, 5, -1), glRotatef(40, 1, 0, 0)),  // the first flagged axis only
         ROW(applyRotation(40, 0, 0, 0), {}), ROW(applyScale(0.1f, -2, 3), glScalef(0.1f, -2, 3)),
         ROW(applyTranslation(-2, -10, 0.5f), glTranslatef(-2, -10, 0.5f)),
         ROW(loadIdentityMatrix(), glLoadIdentity()),
         ROW(frustumProjection(-3, 1, 2, 5, 0.1f, 10), glFrustum(-3, 1, 2, 5, 0.1f, 10)),
         ROW(orthoProjection(2, -1, 1, -4, 7, 0.5f), glOrtho(2, -1, 1, -4, 7, 0.5f)),
         ROW(frustumProjection(-1, 1, -1, 1, 2, 2), {}, error),
         ROW(orthoProjection(3, 3, -1, 1, 0, 1), {}, error),
         // The start view, zoom 0.6 and 1.0, perspective and zoom 0.
         ROW(setProjection(), projection(glOrtho, 1.08, 0, 6.48)),
         ROW((viewSettings.zoom = 0.6f, setProjection()), projection(glOrtho, 0.72, 0, 4.32)),
         ROW((viewSettings.zoom = 1, setProjection()), projection(glOrtho, 1.2, 0, 7.2)),
         ROW((viewSettings.orthogonal = 0, setProjection()), projection(glFrustum, 0.6, 0.54, 3.6)),
         ROW((viewSettings.orthogonal = 1, viewSettings.zoom = 0, setProjection()),
             projection(nullptr, 0, 0, 0), error),
         // Auto-rotation turns a degree before the rotation is applied; an
         // angle about to overflow first loses whole turns, a smaller one
         // keeps them.
         ROW((viewSettings.eye[0] = 1.5f, viewSettings.angleX = INT_MAX, viewSettings.angleY = 1000,
              viewSettings.angleZ = 400, viewSettings.rotateX = viewSettings.rotateY = 1,
              applyViewTransform()),
             (glLoadIdentity(), gluLookAt(1.5, 1, 1, 0, 0, 0, 0, 1, 0), glRotatef(128, 1, 0, 0),
              glRotatef(1001, 0, 1, 0), glRotatef(400, 0, 0, 1), glScalef(0.1f, 0.1f, 0.1f),
              glTranslatef(-2, -10, -3)))});
    // Cameras and Mesa's up for them (last): -1 the camera's own; 0 to 2 the
    // axis standing in for an up with no side vector (eye on the up line
    // through the target, up along the line of sight, no up); 3 none, the
    // matrix must stay as it was (eye on the target, values not finite).
    const float cameras[][10] = {
        {1, 1, 1, 0, 0, 0, 0, 1, 0, -1},         {3, -2, 5, 1, 1, 0, 0, 2, 0.5f, -1},
        {1e-3f, 2e-3f, 0, 0, 0, 0, 0, 0, 1, -1}, {0.01f, 1, 0, 0, 0, 0, 0, 1, 0, -1},
        {0, 1, 0, 0, 0, 0, 0, 1, 0, 0},          {0, -2, 0, 0, 0, 0, 0, 1, 0, 0},
        {2, 1, 2, 1, 1, 1, 3, 0, 3, 1},          {2, 2, 0, 1, 1, 0, 3, 3, 0, 2},
        {1, 1, 1, 0, 0, 0, 0, 0, 0, 0},          {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0, 1, 0, 3},
        {NAN, 1, 1, 0, 0, 0, 0, 1, 0, 3},        {1, 1, 1, 0, INFINITY, 0, 0, 1, 0, 3},
        {1, 1, 1, 0, 0, 0, 0, NAN, 0, 3}};
    for (const auto& c : cameras) {
        const int a = static_cast<int>(c[9]);
        const float u[3] = {a < 0 ? c[6] : a == 0, a < 0 ? c[7] : a == 1, a < 0 ? c[8] : a == 2};
        rows.push_back(ROW(lookAt(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]),
                           if (a < 3)
                               gluLookAt(c[0], c[1], c[2], c[3], c[4], c[5], u[0], u[1], u[2])));
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        const std::vector<float> mesa = stateAfter(rows[r].mesa);
        std::vector<float> ours;
        EXPECT_EQ(printedBy([&] { ours = stateAfter(rows[r].ours); }), rows[r].printed)
            << rows[r].code;
        for (int k = 0; k < 32; ++k)
            EXPECT_NEAR(ours[k], mesa[k], 1e-5f * std::fmax(1, std::fabs(mesa[k])))
                << "row " << r << ": " << rows[r].code << ", element " << k;
    }
    EXPECT_EQ(viewSettings.angleY, 1001);  // the mouse steering reduces it itself
}

TEST_F(GlTest, ViewportIsTheCentredSquare) {
    const int cases[][6] = {{800, 600, 100, 0, 600, 600}, {600, 800, 0, 100, 600, 600},
                            {601, 600, 0, 0, 600, 600},   {1, 4, 0, 1, 1, 1},
                            {40, -5, 20, 0, 0, 0},        {-5, 40, 0, 20, 0, 0}};
    for (const auto& c : cases) {
        reshapeView(c[0], c[1]);
        GLint v[4];
        glGetIntegerv(GL_VIEWPORT, v);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(v[i], c[2 + i]) << c[0] << " x " << c[1];
    }
}

TEST(HudText, ShowsLevelScoreAndCheatsLeftCutToItsBuffer) {
    gameState.level = INT_MIN, gameState.score = INT_MAX, gameState.cheatsLeft = -3;
    EXPECT_STREQ(buildHudText(),
                 "Level: -2147483648      Score: 2147483647                    Number 6 Cheat: -3");
    formatHudText(hudText, 9, 12, 0, 0);
    EXPECT_STREQ(hudText, "Level: 1");
}

}  // namespace
