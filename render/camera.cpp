// Projection, camera and the frame's modelview chain, handed to the GL.
#include "render/camera.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "model/well.h"
#include "render/view_settings.h"

std::FILE* projectionErrors = stdout;

namespace {

void projectionError() { std::fputs("Projection error! Invalid Parameters", projectionErrors); }

// Light 0's colours, sent with its position in every frame.
const float lightDiffuse[4] = {0.9f, 0.9f, 0.9f, 0.0f};
const float lightSpecular[4] = {1.0f, 1.0f, 1.0f, 0.0f};

// The well's cells are scaled to a tenth and centred on the origin.
constexpr float WellScale = 0.1f;
// The well's size in cells along x, y and z.
const int32_t wellSize[3] = {WellWidth, WellHeight, WellDepth};

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

bool finite(const float v[3]) {
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

void cross(const float a[3], const float b[3], float out[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

// One degree more; a thousand turns either way are first taken off by whole
// turns, which leave the picture as it was.
void turnOneDegree(int32_t& angle) { angle = withinTurns(angle) + 1; }

// How far along the line of sight the well's farthest corner lies in the
// view of the current settings (the camera and the three rotations).
float wellFarthestDistance() {
    float camera[16], v[3] = {0, 0, 1}, distance = 0;
    if (cameraMatrix(viewSettings.eye, viewSettings.centre, viewSettings.up, camera))
        for (int i = 0; i < 3; ++i) {
            v[i] = camera[4 * i + 2];
            distance += v[i] * viewSettings.eye[i];
        }
    // The line of sight in the well's own axes: the transposed rotations,
    // the one about x first.
    const int32_t angles[3] = {viewSettings.angleX, viewSettings.angleY, viewSettings.angleZ};
    for (int axis = 0; axis < 3; ++axis) {
        const float r = static_cast<float>(angles[axis]) * (std::numbers::pi_v<float> / 180);
        const float c = std::cos(r), s = std::sin(r);
        const int i = (axis + 1) % 3, j = (axis + 2) % 3;
        const float vi = v[i];
        v[i] = c * vi + s * v[j];
        v[j] = c * v[j] - s * vi;
    }
    // The corners lie half the well's scaled size from its centre.
    for (int i = 0; i < 3; ++i)
        distance += std::fabs(v[i]) * static_cast<float>(wellSize[i]) * (WellScale / 2);
    return distance;
}

// The given far plane, or one just past the well's farthest corner when
// the given one would cut the well. Distances no float view can show (or
// not finite) keep the given plane, so the matrix stays finite.
float farPlaneHoldingTheWell(float far) {
    const float needed = wellFarthestDistance() * 1.001f + 0.01f;
    return needed > far && needed < 1e30f ? needed : far;
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
    if (!normalise(f) || !finite(up)) return false;
    // At unit length (a zero up stays zero) a very long up cannot overflow.
    float upward[3] = {up[0], up[1], up[2]}, s[3], u[3];
    normalise(upward);
    cross(upward, f, s);
    if (!normalise(s)) {
        // An eye on the up line through the target (which the camera
        // spinners reach) or no up at all: the coordinate axis least
        // parallel to the line of sight stands in for the up, which gives
        // the view from just beside that line.
        int least = 0;
        for (int i = 1; i < 3; ++i)
            if (std::fabs(f[i]) < std::fabs(f[least])) least = i;
        float axis[3] = {0, 0, 0};
        axis[least] = 1;
        cross(axis, f, s);
        normalise(s);
    }
    cross(f, s, u);
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
        orthoProjection(-2 * h, 2 * h, -2 * h, 2 * h, 0, farPlaneHoldingTheWell(12 * h));
    } else {
        frustumProjection(-0.6f, 0.6f, -0.6f, 0.6f, 0.6f * 0.9f, farPlaneHoldingTheWell(0.6f * 6));
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
    if (viewSettings.rotateX) turnOneDegree(viewSettings.angleX);
    applyRotation(static_cast<float>(viewSettings.angleX), 1, 0, 0);
    if (viewSettings.rotateY) turnOneDegree(viewSettings.angleY);
    applyRotation(static_cast<float>(viewSettings.angleY), 0, 1, 0);
    if (viewSettings.rotateZ) turnOneDegree(viewSettings.angleZ);
    applyRotation(static_cast<float>(viewSettings.angleZ), 0, 0, 1);

    applyScale(WellScale, WellScale, WellScale);
    // The well's centre, half its size along each axis, to the origin: the
    // view turns about it and the camera looks at it.
    float wellCentre[3];
    for (int i = 0; i < 3; ++i) wellCentre[i] = static_cast<float>(wellSize[i]) / 2;
    applyTranslation(-wellCentre[0], -wellCentre[1], -wellCentre[2]);
}

void reshapeView(int width, int height) {
    setProjection();
    const ViewportRect v = squareViewport(width, height);
    glViewport(v.x, v.y, v.width, v.height);
}
