// The display switches and camera values, changed by keys, the mouse, the
// control panel and the command line, and read by the renderer every frame.
// Fields stay at fixed addresses: the control panel binds them in place.
#pragma once

#include <cstdint>

namespace ViewSettings {

extern int32_t orthogonal;
extern int32_t gridlines;
extern int32_t wireframe;
extern int32_t navigating;
extern int32_t rotateX, rotateY, rotateZ;
extern int32_t angleX, angleY, angleZ;
extern float zoom;
extern float light[4];
extern float eye[3];
extern float centre[3];
extern float up[3];
extern const int32_t windowWidth;
extern const int32_t windowHeight;

// Every field back to its start value.
void reset();

}  // namespace ViewSettings
