// Complete frames of known game states, read back from the window.
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>

#include "model/block.h"
#include "model/game_state.h"
#include "model/message_line.h"
#include "render/scene.h"
#include "tests/render/gl_harness.h"

namespace {

using Colour = std::array<float, 3>;
// By kind: bar, b4, base3, slab, lh, rh, zblk.
const Colour kindColour[KindCount] = {{0, 1, 0}, {0, 1, 1}, {1, 0, 0}, {1, 0, 1},
                                      {1, 1, 0}, {1, 1, 1}, {0, 0, 1}};
const Colour green = kindColour[0], magenta = kindColour[3], grey = {0.5f, 0.5f, 0.5f};

class Frame : public GlTest {
protected:
    Image frame() { return drawFrame(), Image(); }
    bool black(const Pixel& p) { return p.r + p.g + p.b == 0; }
    // A lit face or edge of the colour: its dark channels stay dark and its
    // others are equal; a grey top face is well below a white one.
    bool shows(const Pixel& p, const Colour& c) {
        const int v[3] = {p.r, p.g, p.b}, lit = std::max({p.r, p.g, p.b});
        for (int i = 0; i < 3; ++i)
            if (c[i] == 0 ? v[i] > 8 : v[i] < 20 || lit - v[i] > 3) return false;
        return (c[0] + c[1] + c[2] != 1.5f || lit <= 160) && (c != Colour{1, 1, 1} || lit > 160);
    }
    // The pixel (offset by dx, dy) under a point of the cell frame (cube
    // centres at whole numbers) in the start view: the well's centre in the
    // middle, seen from (1, 1, 1) at a tenth of a unit a cell, 1.08 units
    // from the middle to the edge.
    Pixel at(const Image& im, double x, double y, double z, int dx = 0, int dy = 0) {
        x -= 1.5, y -= 9.5, z -= 2.5;
        const double k = 300 / 10.8;
        return im.at(static_cast<int>(300 + k * (x - z) / std::sqrt(2)) + dx,
                     static_cast<int>(300 + k * (2 * y - x - z) / std::sqrt(6)) + dy);
    }
    // A point inside the top face of the cube at (x, y, z).
    Pixel top(const Image& im, int x, int y, int z) { return at(im, x + .25, y + .5, z - .25); }
    // Some pixel of the 3 x 3 square round a point shows the colour.
    bool nearby(const Image& im, double x, double y, double z, const Colour& c) {
        for (int d = 0; d < 9; ++d)
            if (shows(at(im, x, y, z, d % 3 - 1, d / 3 - 1), c)) return true;
        return false;
    }
    void place(int x, int y, int z, int mode) {
        fallingBlock.x = x, fallingBlock.y = y, fallingBlock.z = z, fallingBlock.mode = mode;
        fallingBlock.build();
    }
};

TEST_F(Frame, GreyLatticeBehindEverythingElseAroundTheWholeWellFromEveryCamera) {
    gameState.hintsOn = 1;  // the hint line as well as the status line
    // Eye, perspective, turns about x, y and z, wire frame, zoom: the start
    // view, wire cubes (every edge on a lattice line), views whose lattice
    // crosses the text, the start camera in perspective, the one the usage
    // text offers further away, in both projections and turned, and an eye on
    // the up line through the target.
    const std::array<float, 9> views[] = {
        {1, 1, 1, 0, 0, 0, 0, 0, 0.9f},          {1, 1, 1, 0, 0, 0, 0, 1, 0.9f},
        {1, 1, 1, 0, 0, 20, 0, 1, 0.9f},         {1, 1, 1, 0, 0, 0, 50, 0, 0.9f},
        {1, 1, 1, 0, 0, 0, 0, 0, 0.6f},          {1, 1, 1, 1, 0, 0, 0, 0, 0.9f},
        {3.5f, 4, 5, 1, 0, 0, 0, 0, 0.9f},       {3.5f, 4, 5, 0, 0, 0, 0, 0, 0.9f},
        {3.5f, 4, 5, 1, -20, -40, -60, 0, 0.9f}, {3.5f, 4, 5, 0, -20, -40, -60, 0, 0.9f},
        {0, 1, 0, 0, 0, 0, 0, 0, 0.9f}};
    for (const auto& v : views) {
        SCOPED_TRACE("view " + std::to_string(&v - views));
        std::copy(v.begin(), v.begin() + 3, viewSettings.eye);
        viewSettings.orthogonal = v[3] == 0, viewSettings.wireframe = v[7],
        viewSettings.zoom = v[8];
        viewSettings.angleX = v[4], viewSettings.angleY = v[5], viewSettings.angleZ = v[6];
        viewSettings.gridlines = 0;
        const Image off = frame();  // leaves a cell's colour as the current colour
        viewSettings.gridlines = 1;
        const Image on = frame();
        // The outlines (least x and y, less the greatest) of the well's
        // corners, every one inside the depth range, and of the lattice.
        double mv[16], pr[16], w[3], corners[4] = {600, 600, 0, 0}, lattice[4] = {600, 600, 0, 0};
        const GLint vp[4] = {0, 0, 600, 600};
        glGetDoublev(GL_MODELVIEW_MATRIX, mv), glGetDoublev(GL_PROJECTION_MATRIX, pr);
        const auto grow = [](double* b, double x, double y) {
            for (int e = 0; e < 4; ++e) b[e] = std::min(b[e], (e < 2 ? 1 : -1) * (e % 2 ? y : x));
        };
        for (int k = 0; k < 8; ++k) {
            gluProject(k & 1 ? 3.5 : -0.5, k & 2 ? 19.5 : -0.5, k & 4 ? 5.5 : -0.5, mv, pr, vp,
                       &w[0], &w[1], &w[2]);
            EXPECT_TRUE(w[2] > -1e-6 && w[2] < 1) << "corner " << k;
            grow(corners, w[0], w[1]);
        }
        // The lattice changes only black pixels: every cube and text pixel
        // stays as it was; its outline is the well's (at zoom 0.6 the well is
        // larger than the window).
        int changed = 0;
        for (int i = 0; i < 600 * 600; ++i)
            if (std::memcmp(&on.rgb[3 * i], &off.rgb[3 * i], 3) != 0)
                black(off.at(i % 600, i / 600)) ? grow(lattice, i % 600, i / 600) : void(++changed);
        EXPECT_EQ(changed, 0);
        for (int e = 0; e < 4 && v[8] > 0.6f; ++e) EXPECT_NEAR(lattice[e], corners[e], 2) << e;
        if (&v != views) continue;
        // Lines along x, y (at its top) and z, at points no other line hides
        // along the line of sight: the grid's corners lie half a cell from the
        // cubes' centres.
        for (const auto& p : {std::array{0.0, 2.5, 5.5}, {-0.5, 19.0, 5.5}, {-0.5, 11.5, 5.0}})
            EXPECT_TRUE(nearby(on, p[0], p[1], p[2], grey) && black(at(off, p[0], p[1], p[2])))
                << p[0] << ", " << p[1] << ", " << p[2];
    }
}

TEST_F(Frame, BlocksInTheirKindsColourOverGreySettledCubes) {
    viewSettings.gridlines = 0;
    testing_support::fillSettled({{0, 0, 0}, {3, 0, 5}, {2, 19, 0}});
    for (int kind = 0; kind < KindCount; ++kind) {
        testing_support::startKind(kind);
        place(1, 10, 2, 0);
        const Image im = frame();
        // Only the cubes of the block's highest row show all their top face.
        int high = 0;
        for (int i = 0; i < WellCells; ++i)
            if (blockWell.cell(i % 4, i / 24, i / 4 % 6)) high = i / 24;
        for (int i = 0; i < 24; ++i)
            EXPECT_TRUE(!blockWell.cell(i % 4, high, i / 4) ||
                        shows(top(im, i % 4, high, i / 4), kindColour[kind]))
                << kind << " " << i;
        EXPECT_GE(high, 10);
        for (const auto& [x, y, z] : {std::array{0, 0, 0}, {3, 0, 5}, {2, 19, 0}}) {
            EXPECT_TRUE(shows(top(im, x, y, z), grey)) << x << ", " << y << ", " << z;
            // The +z side is turned from the light: the ambient fifth only.
            EXPECT_NEAR(at(im, x - 0.25, y - 0.25, z + 0.5).r, 0.2 * 0.5 * 255, 2);
        }
    }
}

TEST_F(Frame, SuggestionInTheFamilyColourUnderTheBlockAndWireframes) {
    // A bar along x: in an empty well the bar family's magenta marks the
    // floor row x = 0..3, y = 0, z = 0; dropped there the bar covers it.
    viewSettings.gridlines = 0;
    gameState.hintsOn = 1;
    place(0, 12, 3, 2);
    const Image suggested = frame();
    viewSettings.wireframe = 1;
    const Image wire = frame();
    viewSettings.wireframe = gameState.hintsOn = 0;
    const Image plain = frame();
    gameState.hintsOn = 1;
    place(0, 0, 0, 2);
    const Image covered = frame();
    for (int x = 0; x < WellWidth; ++x) {
        for (const auto& [y, z, c] : {std::tuple{0, 0, magenta}, {12, 3, green}}) {
            EXPECT_TRUE(shows(top(suggested, x, y, z), c)) << x << ", " << y;
            // The edge between the top and the +z side, and nothing inside.
            EXPECT_TRUE(nearby(wire, x, y + 0.5, z + 0.5, c)) << x << ", " << y;
            EXPECT_TRUE(black(top(wire, x, y, z))) << x << ", " << y;
        }
        EXPECT_TRUE(black(top(plain, x, 0, 0))) << x;
        EXPECT_TRUE(shows(top(covered, x, 0, 0), green)) << x;
    }
}

TEST_F(Frame, WhiteTextOnlyOnTheStatusHintAndMessageLines) {
    gameState.hintsOn = 1;  // the falling bar gets a hint
    postMessage("Hello from the bottom line", 5);
    // Light from behind: text that took on the shading would not be white.
    viewSettings.light[0] = 0, viewSettings.light[1] = viewSettings.light[2] = -1;
    const Image all = frame();
    gameState.hintsOn = 0;  // the next frame blanks the hint line
    clearMessages();
    const Image statusOnly = frame();
    const int heights[3] = {20, 50, 595};  // of the baselines, from the top
    for (const Image* im : {&all, &statusOnly}) {
        int count[4] = {};
        for (int i = 0; i < 600 * 600; ++i) {
            int line = 0;
            while (line < 3 && std::abs(i / 600 - 605 + heights[line]) > 9) ++line;
            count[line] += im->rgb[3 * i] + im->rgb[3 * i + 1] + im->rgb[3 * i + 2] == 3 * 255;
        }
        for (int line = 0; line < 3; ++line)
            EXPECT_EQ(count[line] > 100, im == &all || line == 0) << line;
        EXPECT_EQ(count[3], 0);
    }
}

}  // namespace
