// The matrix builder and the pure view values: no display needed.
#include <cmath>

#include <gtest/gtest.h>

#include "render/camera.h"

namespace {

void expectIdentityExcept(const float* m, std::initializer_list<std::pair<int, float>> written) {
    for (int k = 0; k < 16; ++k) {
        float expected = k % 5 == 0 ? 1.0f : 0.0f;
        for (const auto& [index, value] : written)
            if (index == k) expected = value;
        EXPECT_FLOAT_EQ(m[k], expected) << "element " << k;
    }
}

TEST(MatrixBuilder, EveryBuilderStartsFromTheIdentityInTheOneBuffer) {
    float* buffer = matrixBuilder.identity();
    expectIdentityExcept(buffer, {});
    // A rotation's elements must not survive into the next builder.
    EXPECT_EQ(matrixBuilder.rotationZ(30), buffer);
    EXPECT_EQ(matrixBuilder.translation(1, 2, 3), buffer);
    expectIdentityExcept(buffer, {{12, 1}, {13, 2}, {14, 3}});
    EXPECT_EQ(matrixBuilder.scaling(2, 3, 4), buffer);
    expectIdentityExcept(buffer, {{0, 2}, {5, 3}, {10, 4}});
}

TEST(MatrixBuilder, ConstructorPicksTheBuilderByKindCode) {
    MatrixBuilder identity(0, 7, 8, 9);
    expectIdentityExcept(identity.m, {});
    MatrixBuilder scaling(1, 2, 3, 4);
    expectIdentityExcept(scaling.m, {{0, 2}, {5, 3}, {10, 4}});
    MatrixBuilder translation(2, -1, 5, 6);
    expectIdentityExcept(translation.m, {{12, -1}, {13, 5}, {14, 6}});
    MatrixBuilder turnX(3, 180, 0, 0), turnY(4, 180, 0, 0), turnZ(5, 180, 0, 0);
    EXPECT_NEAR(turnX.m[5], -1, 1e-6);
    EXPECT_NEAR(turnX.m[0], 1, 1e-6);
    EXPECT_NEAR(turnY.m[0], -1, 1e-6);
    EXPECT_NEAR(turnY.m[5], 1, 1e-6);
    EXPECT_NEAR(turnZ.m[0], -1, 1e-6);
    EXPECT_NEAR(turnZ.m[10], 1, 1e-6);
    // An unknown code cannot name a builder: the identity.
    MatrixBuilder unknown(42, 1, 2, 3);
    expectIdentityExcept(unknown.m, {});
}

TEST(ViewValues, CameraNeedsAUsableSideVector) {
    float m[16];
    const float origin[3] = {0, 0, 0}, yUp[3] = {0, 1, 0};
    const float onTarget[3] = {0, 0, 0}, onUpLine[3] = {0, 1, 0}, belowOnUpLine[3] = {0, -3, 0};
    EXPECT_FALSE(cameraMatrix(onTarget, origin, yUp, m));
    EXPECT_FALSE(cameraMatrix(onUpLine, origin, yUp, m));
    EXPECT_FALSE(cameraMatrix(belowOnUpLine, origin, yUp, m));
    const float start[3] = {1, 1, 1}, noUp[3] = {0, 0, 0};
    EXPECT_FALSE(cameraMatrix(start, origin, noUp, m));
    const float notANumber[3] = {NAN, 1, 1}, endless[3] = {INFINITY, 1, 1};
    EXPECT_FALSE(cameraMatrix(notANumber, origin, yUp, m));
    EXPECT_FALSE(cameraMatrix(endless, origin, yUp, m));
    EXPECT_FALSE(cameraMatrix(start, origin, endless, m));
    // Far apart but finite: still a proper rotation.
    const float far[3] = {1e30f, 1e30f, 1e30f};
    ASSERT_TRUE(cameraMatrix(far, origin, yUp, m));
    for (float v : m) EXPECT_TRUE(std::isfinite(v));
    EXPECT_NEAR(m[2] * m[2] + m[6] * m[6] + m[10] * m[10], 1, 1e-5);
}

TEST(ViewValues, ViewportIsTheCentredSquare) {
    const struct {
        int w, h;
        ViewportRect expected;
    } cases[] = {
        {800, 600, {100, 0, 600, 600}}, {600, 601, {0, 0, 600, 600}}, {601, 600, {0, 0, 600, 600}},
        {600, 800, {0, 100, 600, 600}}, {300, 300, {0, 0, 300, 300}}, {1, 4, {0, 1, 1, 1}},
        {0, 0, {0, 0, 0, 0}},           {-5, 40, {0, 20, 0, 0}},
    };
    for (const auto& c : cases) {
        const ViewportRect v = squareViewport(c.w, c.h);
        EXPECT_EQ(v.x, c.expected.x) << c.w << " x " << c.h;
        EXPECT_EQ(v.y, c.expected.y) << c.w << " x " << c.h;
        EXPECT_EQ(v.width, c.expected.width) << c.w << " x " << c.h;
        EXPECT_EQ(v.height, c.expected.height) << c.w << " x " << c.h;
    }
}

}  // namespace
