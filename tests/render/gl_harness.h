// The render tests' GL context: one 600 x 600 GLUT window with Mesa's
// software GL and the game's GL state, on the tests' virtual display.
#pragma once

#include <GL/freeglut.h>

#include <vector>

#include <gtest/gtest.h>

#include "render/camera.h"
#include "render/gl_setup.h"
#include "render/view_settings.h"
#include "tests/support/test_support.h"
#include "tests/support/virtual_display.h"

struct Pixel {
    int r, g, b;
};

// The window's pixels as the GL reads them now, rows from the bottom.
struct Image {
    std::vector<unsigned char> rgb = std::vector<unsigned char>(3 * 600 * 600);
    Image() { glReadPixels(0, 0, 600, 600, GL_RGB, GL_UNSIGNED_BYTE, rgb.data()); }
    Pixel at(int x, int y) const {
        if (x < 0 || y < 0 || x >= 600 || y >= 600) return {-1, -1, -1};
        const unsigned char* p = &rgb[3 * (600 * y + x)];
        return {p[0], p[1], p[2]};
    }
};

inline bool openWindow() {
    static const bool open = [] {
        if (!useVirtualDisplay()) return false;
        int argc = 1;
        char name[] = "render_tests", *argv[] = {name, nullptr};
        glutInit(&argc, argv), glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
        glutInitWindowSize(600, 600), glutCreateWindow("render tests"), initGraphics();
        return true;
    }();
    return open;
}

// A fresh game in the start view, in the window's 600 x 600 square.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(openWindow()) << "no Xvfb or no GL window";
        testing_support::resetGame(), viewSettings = {}, reshapeView(600, 600);
    }
};
