// Complete frames of known game states, read back from the window: the
// background, the lattice, the cubes in their colours and shading, the
// suggestion, wire frames and the effects of the view switches.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "app/view_settings.h"
#include "model/block.h"
#include "model/game_state.h"
#include "model/well.h"
#include "render/camera.h"
#include "render/scene.h"
#include "suggest/rule_book.h"
#include "tests/render/gl_harness.h"
#include "tests/support/test_support.h"

namespace {

using render_harness::GlTest;
using render_harness::Image;
using render_harness::Pixel;
using render_harness::pixelAt;

struct Colour {
    float r, g, b;
};
const Colour blue{0, 0, 1}, green{0, 1, 0}, cyan{0, 1, 1}, red{1, 0, 0}, magenta{1, 0, 1},
    yellow{1, 1, 0}, white{1, 1, 1}, grey{0.5f, 0.5f, 0.5f};

// The colour each kind of falling block is drawn in, by kind number.
const Colour kindColour[KindCount] = {green, cyan, red, magenta, yellow, white, blue};

Image frame() {
    drawFrame();
    return render_harness::readBack(GL_BACK);
}

// What a face with the given cell-frame normal shows for a cube colour, with
// the frame's modelview and light: global ambient 0.2, light diffuse 0.9,
// and the white specular 0.3 with exponent 100 towards a distant viewer.
Pixel lit(const Colour& c, double nx, double ny, double nz) {
    double mv[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    double n[3];
    for (int i = 0; i < 3; ++i) n[i] = mv[i] * nx + mv[4 + i] * ny + mv[8 + i] * nz;
    const double nLength = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    const float* l = ViewSettings::light;
    const double lLength = std::sqrt(l[0] * l[0] + l[1] * l[1] + l[2] * l[2]);
    double h[3] = {l[0] / lLength, l[1] / lLength, l[2] / lLength + 1};
    const double hLength = std::sqrt(h[0] * h[0] + h[1] * h[1] + h[2] * h[2]);
    double nl = 0, nh = 0;
    for (int i = 0; i < 3; ++i)
        nl += n[i] / nLength * l[i] / lLength, nh += n[i] / nLength * h[i] / hLength;
    const double k = 0.2 + 0.9 * std::max(0.0, nl);
    const double spec = nl > 0 ? 0.3 * std::pow(std::max(0.0, nh), 100) : 0;
    auto channel = [&](float v) {
        return static_cast<int>(std::lround(255 * std::min(1.0, v * k + spec)));
    };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

void expectNear(const Pixel& seen, const Pixel& expected, const std::string& what) {
    EXPECT_NEAR(seen.r, expected.r, 3) << what;
    EXPECT_NEAR(seen.g, expected.g, 3) << what;
    EXPECT_NEAR(seen.b, expected.b, 3) << what;
}

// Points well inside the three faces a cube shows in the start view (cube
// centred at integer x, y, z of the cell frame). None of them projects onto
// any cube edge or grid line.
Pixel topFace(const Image& im, int x, int y, int z) {
    return pixelAt(im, x + 0.25, y + 0.5, z - 0.25);
}
Pixel xFace(const Image& im, int x, int y, int z) {
    return pixelAt(im, x + 0.5, y - 0.25, z + 0.25);
}
Pixel zFace(const Image& im, int x, int y, int z) {
    return pixelAt(im, x - 0.25, y - 0.25, z + 0.5);
}

bool isBlack(const Pixel& p) {
    return p.r == 0 && p.g == 0 && p.b == 0;
}
bool isNeutralGrey(const Pixel& p) {
    return p.r == p.g && p.g == p.b && p.r >= 20 && p.r <= 160;
}
// The hue of a colour: its zero channels stay (nearly) dark, the others lit.
bool hasHue(const Pixel& p, const Colour& c) {
    const int v[3] = {p.r, p.g, p.b};
    const float want[3] = {c.r, c.g, c.b};
    int lit = -1;
    for (int i = 0; i < 3; ++i) {
        if (want[i] == 0 && v[i] > 8) return false;
        if (want[i] > 0) {
            if (v[i] < 25) return false;
            if (lit >= 0 && std::abs(v[i] - lit) > 3) return false;
            lit = v[i];
        }
    }
    return true;
}

// Any pixel of the 3 x 3 neighbourhood of a point satisfies the test.
template <class Test>
bool near(const Image& im, double x, double y, double z, Test test) {
    double wx, wy;
    render_harness::project(x, y, z, wx, wy);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (test(im.at(static_cast<int>(wx) + dx, static_cast<int>(wy) + dy))) return true;
    return false;
}

// After a frame the display well holds the falling block over the settled
// cubes over the suggestion, and nothing else.
void expectDisplayComposed() {
    for (int i = 0; i < WellCells; ++i) {
        const int32_t shown = displayWell.cells[i];
        if (blockWell.cells[i] != 0)
            EXPECT_EQ(shown, blockWell.cells[i]) << "cell " << i;
        else if (settledWell.cells[i] != 0)
            EXPECT_EQ(shown, SettledCube) << "cell " << i;
        else
            EXPECT_TRUE(shown == 0 || (shown >= 2 && shown <= 6)) << "cell " << i;
    }
}

class Frame : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        GameState::hintsOn = 0;
    }
    // Moves the falling block's anchor and repaints it.
    static void placeBlock(int x, int y, int z, int mode) {
        fallingBlock.x = x, fallingBlock.y = y, fallingBlock.z = z;
        fallingBlock.mode = static_cast<int16_t>(mode);
        fallingBlock.build();
    }
};

TEST_F(Frame, BackgroundIsBlackAndTheLatticeGrey) {
    placeBlock(2, 15, 2, 0);
    const Image on = frame();
    // Beside the well.
    for (const auto& [x, y] : {std::pair{10, 300}, {590, 300}, {10, 100}, {590, 100}, {150, 450}})
        EXPECT_TRUE(isBlack(on.at(x, y))) << x << ", " << y;
    // Middles of lattice lines along x, y and z (grid corners sit half a
    // cell below the cell frame's cube centres).
    const double lines[][3] = {{1.5, 2.5, 5.5},  {3.5, 7, 5.5},  {-0.5, 11.5, 3},
                               {1.5, 5.5, -0.5}, {3.5, -0.5, 2}, {0.5, 8.5, 5.5}};
    for (const auto& p : lines)
        EXPECT_TRUE(near(on, p[0], p[1], p[2], isNeutralGrey))
            << p[0] << ", " << p[1] << ", " << p[2];
    ViewSettings::gridlines = 0;
    const Image off = frame();
    for (const auto& p : lines)
        EXPECT_TRUE(near(off, p[0], p[1], p[2], [](const Pixel& px) { return !isBlack(px); }) ==
                    false)
            << p[0] << ", " << p[1] << ", " << p[2];
}

TEST_F(Frame, GridlinesAddOnlyGreyLines) {
    testing_support::fillSettled(
        {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}, {3, 0, 5}, {3, 0, 4}});
    GameState::hintsOn = 1;
    placeBlock(1, 9, 1, 0);
    const Image on = frame();
    ViewSettings::gridlines = 0;
    const Image off = frame();
    int differing = 0;
    for (int y = 0; y < on.height; ++y)
        for (int x = 0; x < on.width; ++x) {
            const Pixel a = on.at(x, y), b = off.at(x, y);
            if (a.r == b.r && a.g == b.g && a.b == b.b) continue;
            ++differing;
            ASSERT_TRUE(a.r == a.g && a.g == a.b) << "at " << x << ", " << y;
        }
    // 287 lines of up to a few hundred pixels each.
    EXPECT_GT(differing, 5000);
}

TEST_F(Frame, FallingBlockShowsItsKindsColour) {
    ViewSettings::gridlines = 0;
    for (int kind = 0; kind < KindCount; ++kind) {
        testing_support::startKind(kind);
        placeBlock(1, 10, 2, 0);
        int cells = 0, top = -1;
        for (int i = 0; i < WellCells; ++i) cells += blockWell.cells[i] != 0;
        ASSERT_EQ(cells, shapeOf(kind, 0)->count) << kindTable[kind].name;
        for (int y = 0; y < WellHeight; ++y)
            for (int z = 0; z < WellDepth; ++z)
                for (int x = 0; x < WellWidth; ++x)
                    if (blockWell.cell(x, y, z) != 0) top = y;
        const Image im = frame();
        // The cubes of the highest row show their top faces unhidden.
        for (int z = 0; z < WellDepth; ++z)
            for (int x = 0; x < WellWidth; ++x)
                if (blockWell.cell(x, top, z) != 0)
                    expectNear(topFace(im, x, top, z), lit(kindColour[kind], 0, 1, 0),
                               std::string(kindTable[kind].name) + " at " + std::to_string(x) +
                                   ", " + std::to_string(top) + ", " + std::to_string(z));
    }
}

TEST_F(Frame, CubesAreLitFromTheViewersUpperRight) {
    ViewSettings::gridlines = 0;
    blockWell.clear();
    blockWell.setCell(1, 8, 4, 7);
    settledWell.setCell(2, 3, 1, SettledCube);
    const Image im = frame();
    for (const auto& [c, x, y, z] : {std::tuple{white, 1, 8, 4}, {grey, 2, 3, 1}}) {
        const Pixel top = topFace(im, x, y, z), side = xFace(im, x, y, z),
                    away = zFace(im, x, y, z);
        expectNear(top, lit(c, 0, 1, 0), "top");
        expectNear(side, lit(c, 1, 0, 0), "+x side");
        expectNear(away, lit(c, 0, 0, 1), "+z side");
        // The +z side is turned from the light: only the ambient fifth.
        EXPECT_NEAR(away.r, 255 * 0.2 * c.r, 2);
        EXPECT_GT(top.r, side.r);
        EXPECT_GT(side.r, away.r);
    }
}

TEST_F(Frame, NearerCubeHidesTheFartherInEitherDrawingOrder) {
    ViewSettings::gridlines = 0;
    // (2, 6, 2) lies straight in front of (1, 5, 1) along the line of sight.
    for (bool blockInFront : {true, false}) {
        blockWell.clear();
        settledWell.clear();
        const int front[3] = {2, 6, 2}, back[3] = {1, 5, 1};
        const int* blockCell = blockInFront ? front : back;
        const int* settledCell = blockInFront ? back : front;
        blockWell.setCell(blockCell[0], blockCell[1], blockCell[2], 1);
        settledWell.setCell(settledCell[0], settledCell[1], settledCell[2], SettledCube);
        const Image im = frame();
        const Colour& seen = blockInFront ? blue : grey;
        expectNear(topFace(im, 2, 6, 2), lit(seen, 0, 1, 0), "top in front");
        expectNear(xFace(im, 2, 6, 2), lit(seen, 1, 0, 0), "+x side in front");
        expectNear(zFace(im, 2, 6, 2), lit(seen, 0, 0, 1), "+z side in front");
    }
}

TEST_F(Frame, SettledCubesAreGrey) {
    ViewSettings::gridlines = 0;
    for (int z = 0; z < WellDepth; ++z)
        for (int x = 0; x < WellWidth; ++x) {
            if (x != 2) settledWell.setCell(x, 0, z, SettledCube);
            if (z < 3) settledWell.setCell(x, 1, z, SettledCube);
        }
    const Image im = frame();
    expectDisplayComposed();
    for (int x = 0; x < WellWidth; ++x)
        for (int z = 0; z < 3; ++z) expectNear(topFace(im, x, 1, z), lit(grey, 0, 1, 0), "layer 1");
    for (int z = 3; z < WellDepth; ++z) {
        expectNear(topFace(im, 0, 0, z), lit(grey, 0, 1, 0), "layer 0");
        expectNear(topFace(im, 3, 0, z), lit(grey, 0, 1, 0), "layer 0");
    }
}

TEST_F(Frame, SuggestionShowsInTheFamilyColourUnderTheBlock) {
    ViewSettings::gridlines = 0;
    GameState::hintsOn = 1;
    // A bar lying along x: in an empty well the rule book marks the floor
    // row at x = 0..3, y = 0, z = 0 in the bar family's magenta.
    placeBlock(0, 12, 3, 2);
    const Image suggested = frame();
    const std::string hint = hintText;
    EXPECT_EQ(hint, "Suggestion: x=0; y=0; z=0 (bar-2).");
    expectDisplayComposed();
    for (int x = 0; x < WellWidth; ++x) {
        EXPECT_EQ(displayWell.cell(x, 0, 0), 5);
        expectNear(topFace(suggested, x, 0, 0), lit(magenta, 0, 1, 0), "suggested cell");
    }
    for (int x = 0; x < WellWidth; ++x)
        expectNear(topFace(suggested, x, 12, 3), lit(green, 0, 1, 0), "falling bar");

    // The rule book ignores where the block is: dropped onto the suggested
    // row, the bar covers it in its own colour.
    placeBlock(0, 0, 0, 2);
    const Image covered = frame();
    EXPECT_EQ(std::string(hintText), hint);
    expectDisplayComposed();
    for (int x = 0; x < WellWidth; ++x)
        expectNear(topFace(covered, x, 0, 0), lit(green, 0, 1, 0), "bar over its suggestion");

    // With suggestions off the row is not marked at all.
    placeBlock(0, 12, 3, 2);
    GameState::hintsOn = 0;
    const Image plain = frame();
    for (int x = 0; x < WellWidth; ++x) EXPECT_TRUE(isBlack(topFace(plain, x, 0, 0)));
}

TEST_F(Frame, WireframeDrawsOnlyTheEdgesInEachCellsColour) {
    ViewSettings::gridlines = 0;
    GameState::hintsOn = 1;
    placeBlock(2, 12, 1, 0);  // a bar along z: x = 2, z = 1..4
    settledWell.setCell(3, 4, 5, SettledCube);
    // The middle of each cube's edge between its top and its +x side, and
    // a point inside its top face.
    const struct {
        int x, y, z;
        Colour c;
    } cubes[] = {{2, 12, 2, green}, {3, 4, 5, grey}, {0, 0, 1, magenta}};
    for (int wire : {0, 1}) {
        ViewSettings::wireframe = wire;
        const Image im = frame();
        for (const auto& cube : cubes) {
            const Colour c = cube.c;
            const bool edge = near(im, cube.x + 0.5, cube.y + 0.5, cube.z, [&](const Pixel& p) {
                return c.r == 0.5f ? isNeutralGrey(p) : hasHue(p, c);
            });
            EXPECT_TRUE(edge) << "edge of " << cube.x << ", " << cube.y << ", " << cube.z;
            const Pixel inside = topFace(im, cube.x, cube.y, cube.z);
            if (wire)
                EXPECT_TRUE(isBlack(inside))
                    << "face of " << cube.x << ", " << cube.y << ", " << cube.z;
            else
                expectNear(inside, lit(c, 0, 1, 0), "solid face");
        }
    }
}

TEST_F(Frame, ZoomMattersOnlyInTheOrthographicView) {
    settledWell.setCell(1, 0, 1, SettledCube);
    ViewSettings::zoom = 0.6f;
    const Image orthoNear = frame();
    ViewSettings::zoom = 1.0f;
    const Image orthoFar = frame();
    EXPECT_FALSE(orthoNear == orthoFar);

    ViewSettings::orthogonal = 0;
    const Image perspectiveA = frame();
    ViewSettings::zoom = 0.6f;
    const Image perspectiveB = frame();
    EXPECT_TRUE(perspectiveA == perspectiveB);
    EXPECT_FALSE(perspectiveA == orthoNear);
    int drawn = 0;
    for (int y = 100; y < 500; ++y)
        for (int x = 100; x < 500; ++x) drawn += !isBlack(perspectiveA.at(x, y));
    EXPECT_GT(drawn, 10000);
}

TEST_F(Frame, ZeroZoomReportsEveryFrameAndDrawsOn) {
    ViewSettings::zoom = 0;
    testing::internal::CaptureStdout();
    frame();
    const Image im = frame();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Projection error! Invalid ParametersProjection error! Invalid Parameters");
    float projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    for (int k = 0; k < 16; ++k) EXPECT_EQ(projection[k], k % 5 == 0 ? 1 : 0);
    int white = 0;
    for (int y = 575; y < 600; ++y)
        for (int x = 0; x < 600; ++x) white += im.at(x, y).r == 255 && im.at(x, y).b == 255;
    EXPECT_GT(white, 50);  // the status line still shows
}

TEST_F(Frame, EyeOnTheUpLineDrawsLikeEyeOnTheTarget) {
    // The camera spinners can put the eye straight above the target.
    ViewSettings::eye[0] = 0, ViewSettings::eye[1] = 1, ViewSettings::eye[2] = 0;
    testing::internal::CaptureStdout();
    const Image above = frame();
    float modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    for (float v : modelview) EXPECT_TRUE(std::isfinite(v));
    ViewSettings::eye[1] = 0;
    const Image onTarget = frame();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(above == onTarget);
    // The well is drawn, seen straight along z.
    EXPECT_TRUE(near(above, 1.5, 4.5, 5.5, isNeutralGrey));
}

TEST_F(Frame, DisplayFrameSwapsTheFrameToTheFront) {
    settledWell.setCell(0, 0, 0, SettledCube);
    const Image drawn = frame();
    EXPECT_FALSE(render_harness::readWindow() == drawn);  // still in the back buffer
    displayFrame();
    const Image shown = render_harness::readWindow();
    EXPECT_TRUE(shown == drawn);
}

TEST_F(Frame, EveryFrameResetsTheStatusAndTheHintLine) {
    for (int hints : {0, 2}) {
        GameState::hintsOn = hints;
        setStatus(Collision);
        std::strcpy(hintText, "left over");
        displayWell.setCell(3, 3, 3, 5);
        frame();
        EXPECT_EQ(getStatus(), Ok);
        EXPECT_EQ(std::string(hintText), std::string(42, ' '));
        for (int i = 0; i < WellCells; ++i) EXPECT_EQ(displayWell.cells[i], blockWell.cells[i]);
    }
}

TEST_F(Frame, AutoRotationTurnsOneDegreePerFrame) {
    ViewSettings::rotateX = ViewSettings::rotateY = ViewSettings::rotateZ = 1;
    ViewSettings::angleY = 358;
    const Image first = frame();
    frame();
    const Image third = frame();
    EXPECT_EQ(ViewSettings::angleX, 3);
    EXPECT_EQ(ViewSettings::angleY, 361);
    EXPECT_EQ(ViewSettings::angleZ, 3);
    EXPECT_FALSE(first == third);
    ViewSettings::rotateX = ViewSettings::rotateY = ViewSettings::rotateZ = 0;
    const Image stopped = frame();
    EXPECT_TRUE(stopped == frame());
    EXPECT_EQ(ViewSettings::angleY, 361);
}

TEST_F(Frame, CellColoursFollowTheTableAndUnknownValuesAreWhite) {
    const Colour expected[] = {white, blue, green, cyan, red, magenta, yellow, white, grey};
    for (int value = -2; value <= 12; ++value) {
        setCellColour(value);
        float c[4];
        glGetFloatv(GL_CURRENT_COLOR, c);
        const Colour& want = value >= 1 && value <= 8 ? expected[value] : white;
        EXPECT_FLOAT_EQ(c[0], want.r) << value;
        EXPECT_FLOAT_EQ(c[1], want.g) << value;
        EXPECT_FLOAT_EQ(c[2], want.b) << value;
    }
}

}  // namespace
