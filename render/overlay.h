// The text written over the 3-D view: a 600 x 600 canvas with its origin at
// the top left, the bitmap-font writer, and the status, hint and message
// lines of every frame.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr float CanvasSize = 600.0f;

// Where each line's baseline starts on the canvas.
struct TextLinePlace {
    float x, y;
};
constexpr TextLinePlace StatusLinePlace = {5, 20};
constexpr TextLinePlace HintLinePlace = {5, 50};
constexpr TextLinePlace MessageLinePlace = {5, 595};

// Longest status line: three 11-character numbers and the labels.
constexpr size_t HudTextSize = 128;
// The status line of the current frame.
extern char hudText[HudTextSize];

// "Level: 3      Score: 120                    Number 6 Cheat: 5" for the
// given values; always terminated, cut to fit a smaller buffer.
void formatHudText(char* out, size_t size, int32_t level, int32_t score, int32_t cheatsLeft);
// Builds hudText from the game state and returns it.
const char* buildHudText();

// Switch the projection to the canvas and back (the modelview is untouched).
void beginOverlay();
void endOverlay();
// Writes text in white at canvas (x, y) with a GLUT bitmap font; both
// matrices are left as they were found.
void drawText(float x, float y, const char* text, void* font);
// Writes the characters one by one, each at a whole canvas unit; the
// advance is the glyph width plus spacing, counted in canvas units.
void drawString(float x, float y, int spacing, void* font, const char* text);

// The three lines of a frame.
void drawStatusLine();
void drawHintLine();
// Asks the message line for its text (which advances it): once per frame.
void drawMessageLine();
