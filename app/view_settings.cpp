// Start values of the view.
#include "app/view_settings.h"

namespace ViewSettings {

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
const int32_t windowWidth = 600;
const int32_t windowHeight = 600;

void reset() {
    orthogonal = 1, gridlines = 1, wireframe = 0, navigating = 0;
    rotateX = rotateY = rotateZ = 0;
    angleX = angleY = angleZ = 0;
    zoom = 0.9f;
    const float startLight[4] = {1, 1, 1, 0};
    for (int i = 0; i < 4; ++i) light[i] = startLight[i];
    for (int i = 0; i < 3; ++i) eye[i] = 1, centre[i] = 0, up[i] = i == 1 ? 1.0f : 0.0f;
}

}  // namespace ViewSettings
