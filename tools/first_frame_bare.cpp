// A bare GLUT window of the game window's size and mode (600 x 600, double
// RGB with depth), the yardstick of tools/first_frame.sh: at its first buffer
// swap it prints "first swap" and the wall clock in microseconds since the
// epoch on standard error, as the game does with ZANDOK_FIRST_SWAP_EXIT, and
// ends. It shares only app/first_swap.h with the game.
#include <GL/freeglut.h>

#include "app/first_swap.h"

namespace {

void display() {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
    reportFirstSwapAndExit();
}

}  // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    glutInitWindowSize(600, 600);
    glutInitWindowPosition(40, 40);
    glutCreateWindow("bare GLUT window");
    glutDisplayFunc(display);
    glutMainLoop();
    return 0;
}
