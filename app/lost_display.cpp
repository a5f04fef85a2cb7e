// Xlib reports a lost window or display through its error handlers, whose
// defaults call exit(): freeglut's exit handler then waits for ever on a
// lock the GL driver holds. The game ends at once instead, with status 1:
// its recording is flushed token by token already. freeglut ignores a
// destroyed window that is no longer drawn, so each window is also named in
// a request now and then, which reports its loss.
#include "app/lost_display.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include "app/keep_game.h"
#include "app/recording.h"

namespace {

constexpr int checkMilliseconds = 250;
constexpr int maxWindows = 2;

Display* display = nullptr;
Window windows[maxWindows];
int windowCount = 0;

[[noreturn]] void endForLostDisplay() {
    static const char message[] = "zandok: the display or a window is gone\n";
    (void)!write(2, message, sizeof message - 1);
    keepGameBeingLeft();  // exit's handlers do not run here
    closeRecording();     // a playback's copy not yet kept goes too
    _exit(1);
}

int onXError(Display*, XErrorEvent*) { endForLostDisplay(); }
int onXIOError(Display*) { endForLostDisplay(); }

void checkWindows(int) {
    for (int i = 0; i < windowCount; ++i) {
        Window root;
        int x, y;
        unsigned width, height, border, depth;
        XGetGeometry(display, windows[i], &root, &x, &y, &width, &height, &border, &depth);
    }
    glutTimerFunc(checkMilliseconds, checkWindows, 0);
}

}  // namespace

void watchForLostDisplay() {
    XSetErrorHandler(onXError);
    XSetIOErrorHandler(onXIOError);
}

void watchCurrentWindow() {
    display = glXGetCurrentDisplay();
    if (windowCount < maxWindows) windows[windowCount++] = glXGetCurrentDrawable();
    if (windowCount == 1) glutTimerFunc(checkMilliseconds, checkWindows, 0);
}
