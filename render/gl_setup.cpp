// One-time GL state of the game window. Everything not set here stays at the
// GL's defaults, which the picture relies on: colour tracking of ambient and
// diffuse, global ambient 0.2, depth function GL_LESS, smooth shading, no
// culling.
#include "render/gl_setup.h"

#include <GL/gl.h>

namespace {
const float materialSpecular[4] = {0.3f, 0.3f, 0.3f, 0.0f};
}  // namespace

void initGraphics() {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    // The well's 0.1 scale would otherwise shrink every normal.
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 100);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, materialSpecular);
    glEnable(GL_DEPTH_TEST);
    glClear(GL_DEPTH_BUFFER_BIT);
}
