#include "view3d/level_of_detail.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// A sphere of radius 0.1 covers 0.1 × 1000 / d pixels: 2 at distance 50.
const ScreenScale kScreen{{0, 0, 0}, 1000, 2};

TEST(LevelOfDetail, SpheresSmallerThanTheLimitAreLeftToTheirPoints)
{
    const std::vector<float> nodes = {0,  0,  -49, 1, 0, 0,   // just large enough
                                      0,  0,  -51, 0, 0, 1,   // too small
                                      30, 40, 0,   0, 1, 0};  // 50 away sideways: the limit
    EXPECT_EQ(VisibleSpheres(nodes, kScreen),
              (std::vector<float>{0, 0, -49, 1, 0, 0, 30, 40, 0, 0, 1, 0}));
}

TEST(LevelOfDetail, ThinTubesBecomeLinesUnlessTheyComeClose)
{
    // Tubes of radius 0.05 need to come within 25 of the eye.
    const std::vector<float> tubes = {
        -100, 0, -20, 100, 0,  -20,  // far ends, but passes 20 in front of the eye
        0,    0, -30, 0,   10, -30,  // 30 away all along
    };
    const TubeDetail detail = SplitTubes(tubes, kScreen);
    EXPECT_EQ(detail.tubes, (std::vector<float>{-100, 0, -20, 100, 0, -20}));
    ASSERT_EQ(detail.lines.size(), 12u) << "two line vertices with colour";
    EXPECT_EQ(std::vector<float>(detail.lines.begin(), detail.lines.begin() + 3),
              (std::vector<float>{0, 0, -30}));
    EXPECT_EQ(std::vector<float>(detail.lines.begin() + 6, detail.lines.begin() + 9),
              (std::vector<float>{0, 10, -30}));
}

}  // namespace
}  // namespace qv
