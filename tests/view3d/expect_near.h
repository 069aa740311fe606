// Comparing points of the 3D layouts, which are computed in float.
#pragma once

#include <QVector3D>

#include <gtest/gtest.h>

namespace qv::test {

inline void ExpectNear(const QVector3D& actual, const QVector3D& expected, float tolerance = 1e-5f)
{
    EXPECT_NEAR(actual.x(), expected.x(), tolerance);
    EXPECT_NEAR(actual.y(), expected.y(), tolerance);
    EXPECT_NEAR(actual.z(), expected.z(), tolerance);
}

}  // namespace qv::test
