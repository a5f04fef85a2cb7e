// The display switches and camera values, changed by keys, the mouse, the
// control panel and the command line, and read by the renderer every frame.
// The initialisers are the values at program start. The one instance stays
// at a fixed address: the control panel binds its fields in place.
#pragma once

#include <cstdint>

struct ViewSettings {
    int32_t orthogonal = 1;
    int32_t gridlines = 1;
    int32_t wireframe = 0;
    int32_t navigating = 0;
    int32_t rotateX = 0, rotateY = 0, rotateZ = 0;
    int32_t angleX = 0, angleY = 0, angleZ = 0;
    float zoom = 0.9f;
    float light[4] = {1, 1, 1, 0};
    float eye[3] = {1, 1, 1};
    float centre[3] = {0, 0, 0};
    float up[3] = {0, 1, 0};
    // The game window's place and size at creation, to which End returns it;
    // reshaping does not change them.
    static constexpr int32_t windowX = 40;
    static constexpr int32_t windowY = 40;
    static constexpr int32_t windowWidth = 600;
    static constexpr int32_t windowHeight = 600;
};

inline ViewSettings viewSettings;

// View angles that reach this many degrees either way lose whole turns,
// which leave the picture as it was, long before they could overflow.
constexpr int32_t AngleBound = 360 * 1000;
// The angle, less whole turns once it has reached AngleBound either way.
inline int32_t withinTurns(int64_t angle) {
    return static_cast<int32_t>(angle >= AngleBound || angle <= -AngleBound ? angle % 360 : angle);
}
