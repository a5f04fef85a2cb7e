// Writing text over the view with GLUT's bitmap fonts.
#include "render/overlay.h"

#include <GL/glut.h>

#include "model/message_line.h"
#include "suggest/rule_book.h"

void beginOverlay() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, CanvasSize, 0, CanvasSize);
    // Upside down, so that canvas y runs from the top.
    glScalef(1, -1, 1);
    glTranslatef(0, -CanvasSize, 0);
    glMatrixMode(GL_MODELVIEW);
}

void endOverlay() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void drawText(float x, float y, const char* text, void* font) {
    beginOverlay();
    glPushMatrix();
    glLoadIdentity();
    // Far above full intensity: the lit raster colour saturates to white
    // whatever the light and the current normal.
    glColor3f(10, 10, 10);
    drawString(x, y, 0, font, text);
    glPopMatrix();
    endOverlay();
}

void drawString(float x, float y, int spacing, void* font, const char* text) {
    if (text == nullptr || text[0] == '\0' || font == nullptr) return;
    // Keep the truncation to int defined for any position.
    if (!(x > -1e6f)) x = -1e6f;
    if (x > 1e6f) x = 1e6f;
    long long px = static_cast<long long>(x);
    for (const char* c = text; *c != '\0'; ++c) {
        // Bytes above 127 reach GLUT as negative codes, and draw nothing.
        const int code = static_cast<signed char>(*c);
        glRasterPos2f(static_cast<float>(px), y);
        glutBitmapCharacter(font, code);
        px += glutBitmapWidth(font, code) + spacing;
    }
}

void drawStatusLine() {
    drawText(StatusLinePlace.x, StatusLinePlace.y, buildHudText(), GLUT_BITMAP_9_BY_15);
}

void drawHintLine() {
    drawText(HintLinePlace.x, HintLinePlace.y, hintText, GLUT_BITMAP_HELVETICA_12);
}

void drawMessageLine() {
    drawText(MessageLinePlace.x, MessageLinePlace.y, currentMessage(), GLUT_BITMAP_HELVETICA_12);
}
