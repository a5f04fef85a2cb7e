// The virtual display and the GL window shared by the render tests. Xvfb is
// started only when a test needs GL, and stopped when the program ends, so
// plain ctest works on a machine without a display.
#include "tests/render/gl_harness.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/view_settings.h"
#include "render/camera.h"
#include "render/gl_setup.h"
#include "tests/support/test_support.h"

namespace render_harness {

namespace {

constexpr int WindowSize = 600;

pid_t xvfbPid = 0;
int window = 0;
bool triedOpening = false;

bool exposed = false;
void noteExposed() {
    exposed = true;
}

// Starts Xvfb on a free display number; returns the number, or -1.
int startXvfb() {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        // Die with the test program even if it crashes.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(fds[0]);
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) dup2(devNull, 1), dup2(devNull, 2);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    xvfbPid = pid;
    std::string number;
    char c;
    pollfd p = {fds[0], POLLIN, 0};
    while (poll(&p, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (number.empty()) return -1;
    return std::atoi(number.c_str());
}

void stopXvfb() {
    if (xvfbPid <= 0) return;
    kill(xvfbPid, SIGTERM);
    waitpid(xvfbPid, nullptr, 0);
    xvfbPid = 0;
}

class WindowEnvironment : public ::testing::Environment {
public:
    void TearDown() override {
        if (window != 0) {
            glutDestroyWindow(window);
            glutExit();
            window = 0;
        }
        stopXvfb();
    }
};

[[maybe_unused]] const auto* environment =
    ::testing::AddGlobalTestEnvironment(new WindowEnvironment);

}  // namespace

bool openWindow() {
    if (window != 0) return true;
    if (triedOpening) {
        ADD_FAILURE() << "no GL window (see the first failure)";
        return false;
    }
    triedOpening = true;
    const int display = startXvfb();
    if (display < 0) {
        ADD_FAILURE() << "could not start Xvfb";
        stopXvfb();
        return false;
    }
    setenv("DISPLAY", (":" + std::to_string(display)).c_str(), 1);
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);

    int argc = 1;
    char name[] = "render_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    glutInitWindowSize(WindowSize, WindowSize);
    glutInitWindowPosition(0, 0);
    window = glutCreateWindow("3D Zandok render tests");
    glutDisplayFunc(noteExposed);
    // Let GLUT map the window: one event pass at a time (no main loop)
    // until the first expose asks for a display.
    for (int i = 0; i < 400 && !exposed; ++i) {
        glutMainLoopEvent();
        if (!exposed) usleep(5000);
    }
    initGraphics();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    return true;
}

Pixel Image::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return {-1, -1, -1};
    const size_t i = 3 * (static_cast<size_t>(y) * width + x);
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

Image readBack(GLenum buffer) {
    Image image;
    image.width = image.height = WindowSize;
    image.rgb.resize(3 * WindowSize * WindowSize);
    glFinish();
    glReadBuffer(buffer);
    glReadPixels(0, 0, WindowSize, WindowSize, GL_RGB, GL_UNSIGNED_BYTE, image.rgb.data());
    return image;
}

Image readWindow() {
    Image image;
    image.width = image.height = WindowSize;
    image.rgb.resize(3 * WindowSize * WindowSize);
    glFinish();
    Display* display = glXGetCurrentDisplay();
    XSync(display, False);
    XImage* shot = XGetImage(display, glXGetCurrentDrawable(), 0, 0, WindowSize, WindowSize,
                             AllPlanes, ZPixmap);
    if (shot == nullptr) return image;
    for (int y = 0; y < WindowSize; ++y)
        for (int x = 0; x < WindowSize; ++x) {
            const unsigned long p = XGetPixel(shot, x, WindowSize - 1 - y);
            uint8_t* to = &image.rgb[3 * (static_cast<size_t>(y) * WindowSize + x)];
            to[0] = static_cast<uint8_t>((p & shot->red_mask) >> 16);
            to[1] = static_cast<uint8_t>((p & shot->green_mask) >> 8);
            to[2] = static_cast<uint8_t>(p & shot->blue_mask);
        }
    XDestroyImage(shot);
    return image;
}

void project(double x, double y, double z, double& wx, double& wy) {
    double modelview[16], projection[16], wz;
    int viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(x, y, z, modelview, projection, viewport, &wx, &wy, &wz);
}

Pixel pixelAt(const Image& image, double x, double y, double z) {
    double wx, wy;
    project(x, y, z, wx, wy);
    return image.at(static_cast<int>(wx), static_cast<int>(wy));
}

void GlTest::SetUpTestSuite() {
    openWindow();
}

void GlTest::SetUp() {
    ASSERT_TRUE(openWindow());
    testing_support::resetGame();
    ViewSettings::reset();
    reshapeView(WindowSize, WindowSize);
}

}  // namespace render_harness
