// The matrix builder: one 16-float buffer, overwritten by every builder call.
#include <cmath>

#include "render/camera.h"

namespace {
// Degrees to radians, in single precision as the view has always used it.
constexpr float DegreesToRadians = 0.017453292f;
}  // namespace

MatrixBuilder::MatrixBuilder() : m(new float[16]) { identity(); }

MatrixBuilder::~MatrixBuilder() { delete[] m; }

float* MatrixBuilder::identity() {
    for (int k = 0; k < 16; ++k) m[k] = k % 5 == 0 ? 1.0f : 0.0f;
    return m;
}

float* MatrixBuilder::scaling(float sx, float sy, float sz) {
    identity();
    m[0] = sx, m[5] = sy, m[10] = sz;
    return m;
}

float* MatrixBuilder::translation(float tx, float ty, float tz) {
    identity();
    m[12] = tx, m[13] = ty, m[14] = tz;
    return m;
}

float* MatrixBuilder::rotationX(float degrees) {
    identity();
    const float r = degrees * DegreesToRadians, c = std::cos(r), s = std::sin(r);
    m[5] = c, m[6] = s, m[9] = -s, m[10] = c;
    return m;
}

float* MatrixBuilder::rotationY(float degrees) {
    identity();
    const float r = degrees * DegreesToRadians, c = std::cos(r), s = std::sin(r);
    m[0] = c, m[8] = s, m[2] = -s, m[10] = c;
    return m;
}

float* MatrixBuilder::rotationZ(float degrees) {
    identity();
    const float r = degrees * DegreesToRadians, c = std::cos(r), s = std::sin(r);
    m[0] = c, m[1] = s, m[4] = -s, m[5] = c;
    return m;
}

MatrixBuilder matrixBuilder;
