// The frame, drawn from scratch every time from the game state and the view
// settings.
#include "render/scene.h"

#include <GL/glut.h>

#include "model/game_state.h"
#include "model/well.h"
#include "render/camera.h"
#include "render/overlay.h"
#include "render/view_settings.h"
#include "suggest/display_well.h"

namespace {

// Cell value to colour: block kinds, suggestion families and settled cubes.
constexpr int32_t ColourCount = 9;
const float cellColours[ColourCount][3] = {
    {1, 1, 1},        // 0: never drawn
    {0, 0, 1},        // 1: zblk
    {0, 1, 0},        // 2: bar; lh suggestion
    {0, 1, 1},        // 3: b4; rh suggestion
    {1, 0, 0},        // 4: base3; zblk suggestion
    {1, 0, 1},        // 5: slab; bar suggestion
    {1, 1, 0},        // 6: lh; b4 and base3 suggestions
    {1, 1, 1},        // 7: rh
    {0.5, 0.5, 0.5},  // 8: settled cube
};
const float unknownColour[3] = {1, 1, 1};

constexpr float GridGrey = 0.5f;

}  // namespace

void setCellColour(int32_t value) {
    const float* c = value > 0 && value < ColourCount ? cellColours[value] : unknownColour;
    glColor3f(c[0], c[1], c[2]);
}

void drawCell(int32_t x, int32_t y, int32_t z, int32_t value) {
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
    setCellColour(value);
    if (viewSettings.wireframe)
        glutWireCube(1.0);
    else
        glutSolidCube(1.0);
    glPopMatrix();
}

void drawCells(const Well& well) {
    for (int32_t x = 0; x < well.width; ++x)
        for (int32_t y = 0; y < well.height; ++y)
            for (int32_t z = 0; z < well.depth; ++z) {
                const int32_t value = well.cell(x, y, z);
                if (value != 0) drawCell(x, y, z, value);
            }
}

void drawGridlines() {
    // Lit like the cubes, with whatever normal is current.
    glColor3f(GridGrey, GridGrey, GridGrey);
    glBegin(GL_LINES);
    for (int z = 0; z <= WellDepth; ++z)
        for (int y = 0; y <= WellHeight; ++y) {
            glVertex3i(0, y, z);
            glVertex3i(WellWidth, y, z);
        }
    for (int z = 0; z <= WellDepth; ++z)
        for (int x = 0; x <= WellWidth; ++x) {
            glVertex3i(x, 0, z);
            glVertex3i(x, WellHeight, z);
        }
    for (int y = 0; y <= WellHeight; ++y)
        for (int x = 0; x <= WellWidth; ++x) {
            glVertex3i(x, y, 0);
            glVertex3i(x, y, WellDepth);
        }
    glEnd();
}

void drawFrame() {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // The turns of this frame first: the far plane follows the view.
    applyViewTransform();
    setProjection();
    // Behind everything else: the lattice writes no depth, so the cubes
    // (whose wire edges all lie on lattice lines) and the text stay whole.
    if (viewSettings.gridlines) {
        glDepthMask(GL_FALSE);
        drawGridlines();
        glDepthMask(GL_TRUE);
    }
    // From here a unit cube at integer (x, y, z) fills exactly that cell.
    applyTranslation(0.5f, 0.5f, 0.5f);

    drawStatusLine();
    drawMessageLine();
    composeDisplayWell(gameState.hintsOn == 1);
    drawHintLine();
    drawCells(displayWell);
}

void displayFrame() {
    drawFrame();
    glutSwapBuffers();
}
