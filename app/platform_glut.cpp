// The game window and the GLUT calls behind the window seam.
#include "app/platform_glut.h"

#include <GL/freeglut.h>

#include "app/commands.h"
#include "app/control_panel.h"
#include "app/game_frames.h"
#include "app/mouse.h"
#include "app/process_end.h"
#include "app/window_seam.h"
#include "render/camera.h"
#include "render/view_settings.h"

int mainWindow = 0;

namespace {

const char* const gameTitle = "3D Zandok - blocks in three dimensions (APRIL 2003, v.1)";

// The window calls act on the game window whichever window is current.
void onGameWindow() {
    if (mainWindow && glutGetWindow() != mainWindow) glutSetWindow(mainWindow);
}

void redisplay() {
    if (mainWindow) glutPostWindowRedisplay(mainWindow);
}
void fullScreen() {
    onGameWindow();
    glutFullScreen();
}
void reshapeWindow(int width, int height) {
    onGameWindow();
    glutReshapeWindow(width, height);
}
void positionWindow(int x, int y) {
    onGameWindow();
    glutPositionWindow(x, y);
}

}  // namespace

void createGameWindow() {
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    glutInitWindowSize(ViewSettings::windowWidth, ViewSettings::windowHeight);
    glutInitWindowPosition(ViewSettings::windowX, ViewSettings::windowY);
    mainWindow = glutCreateWindow(gameTitle);

    glutDisplayFunc(drawGameFrame);
    glutReshapeFunc(reshapeView);
    glutMouseFunc(onMouseButton);
    glutMotionFunc(onMouseDrag);
    glutKeyboardFunc(onKey);
    glutSpecialFunc(onSpecialKey);
}

void installWindowSeam() {
    windowSeam.redisplay = redisplay;
    windowSeam.setProjection = setProjection;
    windowSeam.fullScreen = fullScreen;
    windowSeam.reshapeWindow = reshapeWindow;
    windowSeam.positionWindow = positionWindow;
    windowSeam.syncPanel = syncControlPanel;
    windowSeam.makeGameWindowCurrent = onGameWindow;
    windowSeam.exitProcess = endNormally;
}
