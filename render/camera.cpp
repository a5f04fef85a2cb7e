// Projection, camera and the frame's modelview chain, handed to the GL.
#include "render/camera.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>

#include "render/view_settings.h"

namespace {

void projectionError() { std::fputs("Projection error! Invalid Parameters", stdout); }

// Light 0's colours, sent with its position in every frame.
const float lightDiffuse[4] = {0.9f, 0.9f, 0.9f, 0.0f};
const float lightSpecular[4] = {1.0f, 1.0f, 1.0f, 0.0f};

// The well's cells are scaled to a tenth and centred on the origin.
constexpr float WellScale = 0.1f;

// Scales v to unit length; false when it has no direction (zero) or a value
// is not finite. Dividing by the largest component first keeps the squares
// from overflowing or vanishing for very long or very short vectors.
bool normalise(float v[3]) {
    for (int i = 0; i < 3; ++i)
        if (!std::isfinite(v[i])) return false;
    const float largest = std::fmax(std::fabs(v[0]), std::fmax(std::fabs(v[1]), std::fabs(v[2])));
    if (!(largest > 0)) return false;
    for (int i = 0; i < 3; ++i) v[i] /= largest;
    const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    for (int i = 0; i < 3; ++i) v[i] /= length;
    return true;
}

}  // namespace

bool frustumMatrix(float left, float right, float bottom, float top, float near, float far,
                   float out[16]) {
    if (far == near || left == right || bottom == top) return false;
    for (int k = 0; k < 16; ++k) out[k] = 0.0f;
    out[0] = 2 * near / (right - left);
    out[5] = 2 * near / (top - bottom);
    out[8] = (right + left) / (right - left);
    out[9] = (top + bottom) / (top - bottom);
    out[10] = -(far + near) / (far - near);
    out[11] = -1.0f;
    out[14] = -2 * far * near / (far - near);
    return true;
}

bool cameraMatrix(const float eye[3], const float centre[3], const float up[3], float out[16]) {
    float f[3] = {eye[0] - centre[0], eye[1] - centre[1], eye[2] - centre[2]};
    if (f[0] == 0 && f[1] == 0 && f[2] == 0) return false;
    if (!normalise(f)) return false;
    float s[3] = {up[1] * f[2] - up[2] * f[1], up[2] * f[0] - up[0] * f[2],
                  up[0] * f[1] - up[1] * f[0]};
    // An eye on the up line through the target (which the camera spinners
    // reach) leaves no side direction: drawing it would fill the matrix
    // with NaNs and lose the well, so it is treated like eye == target.
    if (!normalise(s)) return false;
    const float u[3] = {f[1] * s[2] - f[2] * s[1], f[2] * s[0] - f[0] * s[2],
                        f[0] * s[1] - f[1] * s[0]};
    for (int k = 0; k < 16; ++k) out[k] = 0.0f;
    for (int i = 0; i < 3; ++i) {
        out[4 * i] = s[i];
        out[4 * i + 1] = u[i];
        out[4 * i + 2] = f[i];
    }
    out[15] = 1.0f;
    return true;
}

ViewportRect squareViewport(int32_t width, int32_t height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    const int32_t m = width < height ? width : height;
    return {(width - m) / 2, (height - m) / 2, m, m};
}

void applyScale(float sx, float sy, float sz) { glMultMatrixf(matrixBuilder.scaling(sx, sy, sz)); }

void applyTranslation(float tx, float ty, float tz) {
    glMultMatrixf(matrixBuilder.translation(tx, ty, tz));
}

void applyRotation(float degrees, int32_t onX, int32_t onY, int32_t onZ) {
    if (onX)
        glMultMatrixf(matrixBuilder.rotationX(degrees));
    else if (onY)
        glMultMatrixf(matrixBuilder.rotationY(degrees));
    else if (onZ)
        glMultMatrixf(matrixBuilder.rotationZ(degrees));
}

void loadIdentityMatrix() { glLoadMatrixf(matrixBuilder.identity()); }

void frustumProjection(float left, float right, float bottom, float top, float near, float far) {
    float m[16];
    if (!frustumMatrix(left, right, bottom, top, near, far, m)) {
        projectionError();
        return;
    }
    glMultMatrixf(m);
}

void orthoProjection(float left, float right, float bottom, float top, float near, float far) {
    if (near == far || left == right || bottom == top) {
        projectionError();
        return;
    }
    glScalef(2 / (right - left), 2 / (top - bottom), -2 / (far - near));
    glTranslatef(-(left + right) / 2, -(bottom + top) / 2, (near + far) / 2);
}

void setProjection() {
    glMatrixMode(GL_PROJECTION);
    loadIdentityMatrix();
    if (viewSettings.orthogonal) {
        const float h = viewSettings.zoom * 0.6f;
        orthoProjection(-2 * h, 2 * h, -2 * h, 2 * h, 0, 12 * h);
    } else {
        frustumProjection(-0.6f, 0.6f, -0.6f, 0.6f, 0.6f * 0.9f, 0.6f * 6);
    }
    glMatrixMode(GL_MODELVIEW);
}

void lookAt(float eyeX, float eyeY, float eyeZ, float centreX, float centreY, float centreZ,
            float upX, float upY, float upZ) {
    const float eye[3] = {eyeX, eyeY, eyeZ}, centre[3] = {centreX, centreY, centreZ},
                up[3] = {upX, upY, upZ};
    float m[16];
    if (!cameraMatrix(eye, centre, up, m)) return;
    glMultMatrixf(m);
    applyTranslation(-eyeX, -eyeY, -eyeZ);
}

void applyViewTransform() {
    loadIdentityMatrix();
    // Given under the identity, the light stays fixed to the viewer.
    glLightfv(GL_LIGHT0, GL_POSITION, viewSettings.light);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lightDiffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, lightSpecular);

    const float* eye = viewSettings.eye;
    const float* centre = viewSettings.centre;
    const float* up = viewSettings.up;
    lookAt(eye[0], eye[1], eye[2], centre[0], centre[1], centre[2], up[0], up[1], up[2]);

    // Auto-rotation turns one degree per drawn frame; angles set by the
    // mouse stay in effect whether or not the flag is on.
    if (viewSettings.rotateX) ++viewSettings.angleX;
    applyRotation(static_cast<float>(viewSettings.angleX), 1, 0, 0);
    if (viewSettings.rotateY) ++viewSettings.angleY;
    applyRotation(static_cast<float>(viewSettings.angleY), 0, 1, 0);
    if (viewSettings.rotateZ) ++viewSettings.angleZ;
    applyRotation(static_cast<float>(viewSettings.angleZ), 0, 0, 1);

    applyScale(WellScale, WellScale, WellScale);
    applyTranslation(-2, -10, -3);
}

void reshapeView(int width, int height) {
    setProjection();
    const ViewportRect v = squareViewport(width, height);
    glViewport(v.x, v.y, v.width, v.height);
}
