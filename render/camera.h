// The matrices of the 3-D view: the one matrix builder, the projection, the
// camera, the per-frame modelview chain and the square viewport. The pure
// matrix values are separate from the calls that hand them to the GL, so
// they can be checked without a display.
#pragma once

#include <cstdint>
#include <cstdio>

// Builds column-major 4x4 matrices (element k: column k / 4, row k % 4) in
// one buffer allocated once. Every builder first loads the identity, then
// writes its own elements, and returns the buffer: it stays valid only
// until the next builder call, so pass it straight to the GL.
struct MatrixBuilder {
    float* m;

    MatrixBuilder();
    ~MatrixBuilder();
    MatrixBuilder(const MatrixBuilder&) = delete;
    MatrixBuilder& operator=(const MatrixBuilder&) = delete;

    float* identity();
    float* scaling(float sx, float sy, float sz);
    float* translation(float tx, float ty, float tz);
    // Angles in degrees; right-handed, as glRotatef about the unit axes.
    float* rotationX(float degrees);
    float* rotationY(float degrees);
    float* rotationZ(float degrees);
};

// The program's one builder, holding the identity from static initialisation.
extern MatrixBuilder matrixBuilder;

// The glFrustum matrix; false (out untouched) when a pair of bounds is equal.
bool frustumMatrix(float left, float right, float bottom, float top, float near, float far,
                   float out[16]);
// The rotation part of the camera (rows: side, up, back); false when there
// is no camera transform to apply: eye on the target or a value not finite.
// With the eye on the up line through the target, or no up, the coordinate
// axis least parallel to the line of sight serves as the up.
bool cameraMatrix(const float eye[3], const float centre[3], const float up[3], float out[16]);

struct ViewportRect {
    int32_t x, y, width, height;
};
// The centred square of a window of the given size.
ViewportRect squareViewport(int32_t width, int32_t height);

// Post-multiply the current GL matrix.
void applyScale(float sx, float sy, float sz);
void applyTranslation(float tx, float ty, float tz);
// About the first axis whose flag is set, in the order x, y, z; none: no-op.
void applyRotation(float degrees, int32_t onX, int32_t onY, int32_t onZ);
void loadIdentityMatrix();

// Where "Projection error! Invalid Parameters" is written: standard output.
extern std::FILE* projectionErrors;
// Print "Projection error! Invalid Parameters" and leave the matrix alone
// when a pair of bounds is equal.
void frustumProjection(float left, float right, float bottom, float top, float near, float far);
void orthoProjection(float left, float right, float bottom, float top, float near, float far);

// The projection from the view settings; leaves the GL in GL_MODELVIEW.
// When the far plane would cut the well in the view of the current camera
// and angles, it moves out just past the well's farthest corner.
void setProjection();
// Camera rotation, then the translation to the eye (as gluLookAt).
void lookAt(float eyeX, float eyeY, float eyeZ, float centreX, float centreY, float centreZ,
            float upX, float upY, float upZ);
// The frame's modelview up to the placed and scaled well: identity, light 0,
// camera, auto-rotation and the three rotations, well scale and centring.
// An auto-rotated angle past a thousand turns loses whole turns.
void applyViewTransform();
// The GLUT reshape callback: projection and the centred square viewport.
void reshapeView(int width, int height);
