// Special keys, mouse buttons and drags. Block actions go through onKey, so
// they are recorded, sound and obey an open prompt as the keys do.
#include "app/mouse.h"

#include <cstdint>

#include "app/commands.h"
#include "app/input_state.h"
#include "app/window_seam.h"
#include "model/game_state.h"
#include "model/sound_cue.h"
#include "render/view_settings.h"

namespace {

constexpr int rightButton = 2;
constexpr int buttonDown = 0;
constexpr int steerThreshold = 10;  // pixels between two motion events
constexpr float minZoom = 0.6f;
constexpr float maxZoom = 1.0f;

void viewCue() { playCue(CueView); }
void fullScreen() {
    windowSeam.fullScreen();
    viewCue();
}
void startGeometry() {
    windowSeam.reshapeWindow(ViewSettings::windowWidth, ViewSettings::windowHeight);
    windowSeam.positionWindow(ViewSettings::windowX, ViewSettings::windowY);
    viewCue();
}

struct SpecialKeyRule {
    int code;
    unsigned char key;  // the key it stands for, or 0
    void (*action)();
};

const SpecialKeyRule specialKeys[] = {
    {KeyF1, '?', nullptr},      {KeyLeft, 'a', nullptr}, {KeyUp, 'w', nullptr},
    {KeyRight, 'd', nullptr},   {KeyDown, 'x', nullptr}, {KeyHome, 0, fullScreen},
    {KeyEnd, 0, startGeometry},
};

// How a drag maps to the well's x (h) and z (v) in each quarter of the view
// angle: h = hx*dx + hy*dy, v = vx*dx + vy*dy.
struct SteeringQuarter {
    int hx, hy, vx, vy;
};
const SteeringQuarter quarters[4] = {
    {1, 0, 0, 1},    // 0..89
    {0, 1, 1, 0},    // 90..179
    {-1, 0, 0, -1},  // 180..269
    {0, 1, -1, 0},   // 270..359
};

// The motion between two events, in a wider type: a drag across the whole
// int range must not overflow.
void navigate(int64_t dx, int64_t dy) {
    const float width = static_cast<float>(ViewSettings::windowWidth);
    const auto degrees = static_cast<int64_t>(static_cast<float>(dx) / width * 360.0f);
    viewSettings.angleY = withinTurns(viewSettings.angleY + degrees);
    float zoom = viewSettings.zoom + static_cast<float>(dy) / width;
    if (zoom < minZoom) zoom = minZoom;
    if (zoom > maxZoom) zoom = maxZoom;
    viewSettings.zoom = zoom;
    windowSeam.setProjection();
}

void steer(int64_t dx, int64_t dy) {
    viewSettings.angleY = ((viewSettings.angleY % 360) + 360) % 360;
    const SteeringQuarter& q = quarters[viewSettings.angleY / 90];
    const int64_t h = q.hx * dx + q.hy * dy;
    const int64_t v = q.vx * dx + q.vy * dy;
    if (h > steerThreshold)
        onKey('d', 0, 0);
    else if (h < -steerThreshold)
        onKey('a', 0, 0);
    else if (v > steerThreshold)
        onKey('x', 0, 0);
    else if (v < -steerThreshold)
        onKey('w', 0, 0);
}

}  // namespace

void onSpecialKey(int key, int, int) {
    for (const SpecialKeyRule& rule : specialKeys) {
        if (rule.code != key) continue;
        if (rule.key) onKey(rule.key, 0, 0);
        if (rule.action) rule.action();
        return;
    }
}

void onMouseButton(int button, int state, int x, int y) {
    inputState.lastMouseX = x;
    inputState.lastMouseY = y;
    if (button == rightButton && state == buttonDown) onKey('s', 0, 0);
}

void onMouseDrag(int x, int y) {
    const int64_t dx = int64_t{x} - inputState.lastMouseX;
    const int64_t dy = int64_t{y} - inputState.lastMouseY;
    if (viewSettings.navigating)
        navigate(dx, dy);
    else
        steer(dx, dy);
    inputState.lastMouseX = x;
    inputState.lastMouseY = y;
    windowSeam.redisplay();
}
