// WM_CLASS on the game's windows. GLUT has no call for it: the property is
// set on the X window behind the current GLUT window, just after GLUT
// created it.
#include "app/window_class.h"

#include <GL/glx.h>
#include <X11/Xutil.h>

#include <string>

namespace {

char windowClass[] = "zandok";

}  // namespace

void nameWindowClass(const char* instance) {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    if (!display || !window) return;
    std::string name = instance;  // Xlib takes the texts as writable
    XClassHint hint{name.data(), windowClass};
    XSetClassHint(display, window, &hint);
    XFlush(display);
}
