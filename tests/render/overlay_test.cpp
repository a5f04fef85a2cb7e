// The text overlay: where the three lines land, that they are white, how
// the characters advance, and that the view's matrices survive the text.
#include <GL/glut.h>

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "app/view_settings.h"
#include "model/block.h"
#include "model/game_state.h"
#include "render/camera.h"
#include "render/message_line.h"
#include "render/overlay.h"
#include "render/scene.h"
#include "suggest/rule_book.h"
#include "tests/render/gl_harness.h"
#include "tests/support/test_support.h"

namespace {

using render_harness::GlTest;
using render_harness::Image;

bool isWhite(const render_harness::Pixel& p) {
    return p.r == 255 && p.g == 255 && p.b == 255;
}

// Rows (window y, from the bottom) that a line's glyphs can cover, for a
// baseline at canvas height y in the 600-pixel square.
struct Band {
    int low, high;
};
Band bandOf(float canvasY) {
    const int baseline = 600 - static_cast<int>(canvasY);
    return {baseline - 4, baseline + 14};
}

struct WhiteCount {
    int inside = 0, leftmost = 10000;
};
WhiteCount whiteIn(const Image& im, Band band) {
    WhiteCount w;
    for (int y = band.low; y <= band.high; ++y)
        for (int x = 0; x < im.width; ++x)
            if (isWhite(im.at(x, y))) ++w.inside, w.leftmost = std::min(w.leftmost, x);
    return w;
}

int whiteOutside(const Image& im, std::initializer_list<Band> bands) {
    int n = 0;
    for (int y = 0; y < im.height; ++y) {
        bool inBand = false;
        for (const Band& b : bands) inBand = inBand || (y >= b.low && y <= b.high);
        if (inBand) continue;
        for (int x = 0; x < im.width; ++x) n += isWhite(im.at(x, y));
    }
    return n;
}

class Overlay : public GlTest {};

TEST_F(Overlay, ThreeWhiteLinesAtTheirHeightsWhateverTheLight) {
    GameState::hintsOn = 1;  // the falling bar gets a suggestion line
    postMessage("Hello from the bottom line", 5);
    // Light from behind: the text must not take on any shading.
    ViewSettings::light[0] = 0, ViewSettings::light[1] = -1, ViewSettings::light[2] = -1;
    drawFrame();
    const Image im = render_harness::readBack(GL_BACK);
    ASSERT_NE(std::string(hintText).find_first_not_of(' '), std::string::npos);
    const Band status = bandOf(StatusLinePlace.y), hint = bandOf(HintLinePlace.y),
               message = bandOf(MessageLinePlace.y);
    for (const Band& b : {status, hint, message}) {
        const WhiteCount w = whiteIn(im, b);
        EXPECT_GT(w.inside, 100) << "band " << b.low;
        // Each line starts 5 units from the left edge.
        EXPECT_GE(w.leftmost, 5) << "band " << b.low;
        EXPECT_LE(w.leftmost, 7) << "band " << b.low;
    }
    EXPECT_EQ(whiteOutside(im, {status, hint, message}), 0);
}

TEST_F(Overlay, BlankHintAndEmptyMessageLeaveTheirLinesDark) {
    GameState::hintsOn = 0;
    postMessage("", 5);
    drawFrame();
    const Image im = render_harness::readBack(GL_BACK);
    EXPECT_GT(whiteIn(im, bandOf(StatusLinePlace.y)).inside, 100);
    EXPECT_EQ(whiteIn(im, bandOf(HintLinePlace.y)).inside, 0);
    EXPECT_EQ(whiteIn(im, bandOf(MessageLinePlace.y)).inside, 0);
}

TEST_F(Overlay, LinesStartInTheCentredSquareOfAWideWindow) {
    postMessage("Wide", 5);
    // The window is 600 wide, so a 800 x 600 square starts 100 to the right
    // of its left edge and the text with it.
    reshapeView(800, 600);
    drawFrame();
    const Image im = render_harness::readBack(GL_BACK);
    const WhiteCount status = whiteIn(im, bandOf(StatusLinePlace.y));
    EXPECT_GE(status.leftmost, 105);
    EXPECT_LE(status.leftmost, 107);
    EXPECT_GE(whiteIn(im, bandOf(MessageLinePlace.y)).leftmost, 105);
}

// The raster position (window pixels) after writing text at canvas (5, 20).
float rasterXAfter(const char* text) {
    drawText(5, 20, text, GLUT_BITMAP_9_BY_15);
    float position[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    return position[0];
}

TEST_F(Overlay, CharactersAdvanceByTheirWidthInCanvasUnits) {
    void* font = GLUT_BITMAP_HELVETICA_12;
    const int wA = glutBitmapWidth(font, 'A'), wi = glutBitmapWidth(font, 'i');
    ASSERT_NE(wA, wi);
    float position[4];
    drawText(5, 20, "Ai", font);
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    EXPECT_FLOAT_EQ(position[0], 5 + wA + wi);
    EXPECT_FLOAT_EQ(position[1], 580);
    // In a 300-pixel square a canvas unit is half a pixel: each character
    // starts only half its width after the one before.
    reshapeView(300, 300);
    drawText(5, 20, "Ai", font);
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    EXPECT_FLOAT_EQ(position[0], (5 + wA) / 2.0f + wi);
    EXPECT_FLOAT_EQ(position[1], 290);
    // The start is truncated to a whole unit.
    reshapeView(600, 600);
    drawText(5.9f, 20, "A", font);
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    EXPECT_FLOAT_EQ(position[0], 5 + wA);
    // A spacing is added after every character.
    beginOverlay();
    glLoadIdentity();
    drawString(5, 20, 3, font, "Ai");
    endOverlay();
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    EXPECT_FLOAT_EQ(position[0], 5 + wA + 3 + wi);
}

TEST_F(Overlay, EmptyMissingAndHighByteTextsDrawNothing) {
    drawText(100, 100, "x", GLUT_BITMAP_9_BY_15);
    float before[4], after[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, before);
    drawText(5, 20, "", GLUT_BITMAP_9_BY_15);
    drawText(5, 20, nullptr, GLUT_BITMAP_9_BY_15);
    drawText(5, 20, "text", nullptr);
    glGetFloatv(GL_CURRENT_RASTER_POSITION, after);
    for (int i = 0; i < 2; ++i) EXPECT_FLOAT_EQ(after[i], before[i]);
    // Bytes above 127 reach GLUT as negative codes: no glyph, no advance.
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_FLOAT_EQ(rasterXAfter("\xC3\xA9\xFF"), 5);
    const Image im = render_harness::readBack(GL_BACK);
    EXPECT_EQ(whiteIn(im, {0, 599}).inside, 0);
    // A line end is written like any other character.
    EXPECT_FLOAT_EQ(rasterXAfter("a\nb"), 5 + glutBitmapWidth(GLUT_BITMAP_9_BY_15, 'a') +
                                              glutBitmapWidth(GLUT_BITMAP_9_BY_15, '\n') +
                                              glutBitmapWidth(GLUT_BITMAP_9_BY_15, 'b'));
}

TEST_F(Overlay, TextLeavesBothMatricesAndTheModeAsFound) {
    setProjection();
    applyViewTransform();
    applyTranslation(0.5f, 0.5f, 0.5f);
    float projectionBefore[16], modelviewBefore[16], projectionAfter[16], modelviewAfter[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projectionBefore);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelviewBefore);
    drawStatusLine();
    drawMessageLine();
    drawHintLine();
    glGetFloatv(GL_PROJECTION_MATRIX, projectionAfter);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelviewAfter);
    GLint mode = 0, projectionDepth = 0, modelviewDepth = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projectionDepth);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelviewDepth);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_EQ(projectionDepth, 1);
    EXPECT_EQ(modelviewDepth, 1);
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(projectionAfter[k], projectionBefore[k]);
        EXPECT_EQ(modelviewAfter[k], modelviewBefore[k]);
    }
}

}  // namespace
