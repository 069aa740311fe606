#include "view3d/camera_3d.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "view3d/expect_near.h"

#include "view3d/node_picking.h"

namespace qv {
namespace {

using test::ExpectNear;

constexpr float kPi = std::numbers::pi_v<float>;

TEST(Camera3D, LookUpAndRightStayAnOrthonormalFrame)
{
    const float turns[][2] = {{0, 0}, {0.7f, 0.3f}, {-2.5f, -1.2f}, {4.0f, 1.5f}};
    for (const auto& [yaw, pitch] : turns) {
        SCOPED_TRACE(yaw);
        Camera3D camera;
        camera.Turn(yaw, pitch);
        EXPECT_NEAR(camera.Look().length(), 1, 1e-5);
        EXPECT_NEAR(camera.Up().length(), 1, 1e-5);
        EXPECT_NEAR(camera.Right().length(), 1, 1e-5);
        EXPECT_NEAR(QVector3D::dotProduct(camera.Look(), camera.Up()), 0, 1e-5);
        ExpectNear(QVector3D::crossProduct(camera.Look(), camera.Up()), camera.Right());
        EXPECT_NEAR(camera.Right().y(), 0, 1e-6) << "the horizon stays level";
    }
}

TEST(Camera3D, PitchStopsShortOfThePoles)
{
    Camera3D camera;
    ExpectNear(camera.Look(), QVector3D(0, 0, -1));
    camera.Turn(0, -kPi);
    EXPECT_FLOAT_EQ(camera.Pitch(), -(kPi / 2 - 0.04f));
    EXPECT_NEAR(camera.Look().y(), -std::cos(0.04f), 1e-6) << "from above, 0.04 off vertical";
    camera.Turn(0, 10);
    EXPECT_FLOAT_EQ(camera.Pitch(), kPi / 2 - 0.04f);
}

TEST(Camera3D, SitsZoomDistanceBehindTheFocus)
{
    Camera3D camera;
    camera.Turn(0.4f, -0.6f);
    const QVector3D focus(1, 2, 3);
    const QVector3D eye = camera.Position(focus, 5);
    EXPECT_NEAR((eye - focus).length(), 5, 1e-5);
    ExpectNear((focus - eye).normalized(), camera.Look());
    // The focus appears in the middle of the view.
    const QVector3D centre =
        (Camera3D::Projection(QSizeF(800, 550), 5, 1000) * camera.View(focus, 5)).map(focus);
    EXPECT_NEAR(centre.x(), 0, 1e-5);
    EXPECT_NEAR(centre.y(), 0, 1e-5);
}

TEST(Camera3D, TheCursorRayMatchesTheProjection)
{
    Camera3D camera;
    camera.Turn(1.1f, 0.2f);
    const QVector3D focus(0, 1, 0);
    const QSizeF view(800, 550);
    const QMatrix4x4 matrix = Camera3D::Projection(view, 10, 1000) * camera.View(focus, 10);
    const QPointF cursors[] = {{400, 275}, {0, 0}, {799, 120}, {37, 549}};
    for (const QPointF& cursor : cursors) {
        SCOPED_TRACE(cursor.x());
        const Ray ray = camera.RayThrough(cursor, view, focus, 10);
        const QVector3D ndc = matrix.map(ray.origin + 7 * ray.direction);
        EXPECT_NEAR((ndc.x() + 1) / 2 * 800, cursor.x(), 1e-2);
        EXPECT_NEAR((1 - ndc.y()) / 2 * 550, cursor.y(), 1e-2);
    }
}

TEST(Camera3D, RaysMeetSpheresFromOutsideAndInside)
{
    const Ray ray{{0, 0, 0}, {0, 0, -1}};
    struct Case {
        const char* what;
        QVector3D centre;
        float distance;
    };
    const Case cases[] = {
        {"ahead", {0, 0, -5}, 4.85f},
        {"grazed", {0.14f, 0, -5}, 5 - std::sqrt(0.15f * 0.15f - 0.14f * 0.14f)},
        {"missed", {0.16f, 0, -5}, -1},
        {"behind", {0, 0, 5}, -1},
        {"around the eye", {0, 0, -0.1f}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(RaySphereDistance(ray, c.centre, 0.15f), c.distance, 1e-4);
    }
}

TEST(NodePicking, TheNearestNodeOnTheRayWins)
{
    Scene3D scene;
    scene.Included = {true, true, false, true};
    scene.NodePositions = {{0, 0, -9}, {0.1f, 0, -4}, {0, 0, -2}, {3, 0, -3}};
    EXPECT_EQ(PickNode(scene, {{0, 0, 0}, {0, 0, -1}}), 1) << "person 2 is not in the scene";
    EXPECT_EQ(PickNode(scene, {{0, 0, 0}, {0, 1, 0}}), -1);
}

}  // namespace
}  // namespace qv
