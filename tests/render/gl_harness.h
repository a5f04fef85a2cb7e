// The render tests' GL context: a private virtual X display (Xvfb) and one
// 600 x 600 GLUT window with Mesa's software GL and the game's GL state,
// opened once per test program, plus read-back helpers.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace render_harness {

struct Pixel {
    int r, g, b;
};

struct Image {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;  // rows from the bottom, as the GL reads them
    Pixel at(int x, int y) const;
    bool operator==(const Image& o) const { return rgb == o.rgb; }
};

// Starts the display and the window on first use; false (with a test
// failure) when that is impossible.
bool openWindow();
// The whole 600 x 600 window from the given colour buffer.
Image readBack(GLenum buffer);
// What the window shows on the X display (after a buffer swap).
Image readWindow();
// Window coordinates of a point of the current modelview, with the current
// projection and viewport (after a frame: the cell frame, cube centres at
// integer coordinates).
void project(double x, double y, double z, double& wx, double& wy);
// The pixel under a point of the current modelview.
Pixel pixelAt(const Image& image, double x, double y, double z);

// Tests that draw: a fresh game, the start view, and the window's square.
class GlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
};

}  // namespace render_harness
