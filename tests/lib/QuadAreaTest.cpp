// The benchmark's fill measure: only the part of a quad on the screen counts.
#include "lib/QuadArea.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
// Strip order, draw-model coordinates (pixel edges at whole numbers - 0.5).
void Rect(vrels::QuadVertex v[4], float left, float top, float right, float bottom) {
    const float xs[4] = {left, right, left, right};
    const float ys[4] = {top, top, bottom, bottom};
    for (int i = 0; i < 4; ++i) {
        v[i].x = xs[i] - 0.5f;
        v[i].y = ys[i] - 0.5f;
    }
}
} // namespace

TEST(QuadArea, OnlyThePartOnTheScreenCounts) {
    vrels::QuadVertex v[4];
    Rect(v, 10, 20, 42, 52);
    EXPECT_DOUBLE_EQ(vrels::OnScreenArea(v), 32.0 * 32.0);
    Rect(v, -16, 100, 16, 132);
    EXPECT_DOUBLE_EQ(vrels::OnScreenArea(v), 16.0 * 32.0);
    Rect(v, -100, -100, 1000, 1000);
    EXPECT_DOUBLE_EQ(vrels::OnScreenArea(v), 640.0 * 480.0);
    Rect(v, 700, 0, 800, 100);
    EXPECT_DOUBLE_EQ(vrels::OnScreenArea(v), 0.0);
    // Mirrored: the same area.
    Rect(v, 42, 20, 10, 52);
    EXPECT_DOUBLE_EQ(vrels::OnScreenArea(v), 32.0 * 32.0);
}

TEST(QuadArea, TurnedQuadsKeepTheirArea) {
    // A 20 x 20 square turned by 45 degrees about (100, 100).
    const double r = 10.0 * std::sqrt(2.0);
    vrels::QuadVertex v[4];
    const double xs[4] = {100, 100 + r, 100 - r, 100};
    const double ys[4] = {100 - r, 100, 100, 100 + r};
    for (int i = 0; i < 4; ++i) {
        v[i].x = static_cast<float>(xs[i]);
        v[i].y = static_cast<float>(ys[i]);
    }
    EXPECT_NEAR(vrels::OnScreenArea(v), 400.0, 0.01);
}
