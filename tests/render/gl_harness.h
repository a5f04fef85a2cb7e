// The render tests' GL context: a private virtual display (Xvfb, started on
// first use and ended with the test program) and one 600 x 600 GLUT window
// with Mesa's software GL and the game's GL state.
#pragma once

#include <GL/freeglut.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "render/view_settings.h"
#include "render/camera.h"
#include "render/gl_setup.h"
#include "tests/support/test_support.h"

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
    static int window = -1;  // not tried yet; 0: failed
    if (window >= 0) return window > 0;
    window = 0;
    int fds[2];
    if (pipe(fds) != 0) return false;
    if (fork() == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);  // ends with the test program, even a crashed one
        std::freopen("/dev/null", "w", stderr);
        execlp("Xvfb", "Xvfb", "-displayfd", std::to_string(fds[1]).c_str(), "-screen", "0",
               "640x640x24", "-nolisten", "tcp", nullptr);
        _exit(127);
    }
    close(fds[1]);
    char number[16] = {};  // Xvfb writes the display it found free
    if (read(fds[0], number, sizeof number - 1) <= 0) return false;
    setenv("DISPLAY", (":" + std::to_string(std::atoi(number))).c_str(), 1);
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
    int argc = 1;
    char name[] = "render_tests", *argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    glutInitWindowSize(600, 600);
    window = glutCreateWindow("render tests");
    initGraphics();
    return true;
}

// A fresh game in the start view, in the window's 600 x 600 square.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(openWindow()) << "no Xvfb or no GL window";
        testing_support::resetGame();
        viewSettings.reset();
        reshapeView(600, 600);
    }
};
