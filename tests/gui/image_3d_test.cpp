// The 3D viewer on a real X server: it opens, draws, survives the mouse and picks nodes.
#include "gui/image_3d.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "app/image_settings.h"
#include "data/data_file.h"
#include "data/example_family.h"
#include "fake_dialogs.h"
#include "gui/view3d_window.h"
#include "test_support.h"
#include "view3d/node_picking.h"

namespace qv {
namespace {

// Processes events until the view has drawn `frames` more frames or the time is up.
bool WaitForFrames(TImage_3D& view, int64_t frames, int milliseconds = 20000)
{
    const int64_t target = view.FrameCount() + frames;
    QElapsedTimer timer;
    timer.start();
    while (view.FrameCount() < target && timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return view.FrameCount() >= target;
}

// Pixels that are not the black background: a drawn scene, not an empty frame.
int DrawnPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::max({c.red(), c.green(), c.blue()}) > 40) ++count;
        }
    return count;
}

void SendMouse(QWidget& widget, QEvent::Type type, const QPointF& position, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent event(type, position, widget.mapToGlobal(position), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

void Drag(QWidget& widget, Qt::MouseButton button, QPointF from, QPointF to)
{
    SendMouse(widget, QEvent::MouseButtonPress, from, button, button);
    for (int step = 1; step <= 4; ++step)
        SendMouse(widget, QEvent::MouseMove, from + (to - from) * step / 4, Qt::NoButton, button);
    SendMouse(widget, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
}

// As the window system delivers it: press, release, double click, release.
void DoubleClick(QWidget& widget, QPoint position)
{
    QTest::mousePress(&widget, Qt::LeftButton, {}, position);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, position);
    QTest::mouseDClick(&widget, Qt::LeftButton, {}, position);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, position);
}

void Wheel(QWidget& widget, QPointF position, int notches)
{
    QWheelEvent event(position, widget.mapToGlobal(position), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &event);
}

// Where a point of the scene appears in the view.
QPointF OnScreen(const TImage_3D& view, const QVector3D& point)
{
    const QMatrix4x4 matrix = Camera3D::Projection(QSizeF(view.size()), view.ZoomDistance(), 1000) *
                              view.Camera().View(view.Focus(), view.ZoomDistance());
    const QVector3D ndc = matrix.map(point);
    return {(ndc.x() + 1) / 2 * view.width(), (1 - ndc.y()) / 2 * view.height()};
}

// A shown viewer window over the given data and proband.
class ViewerWindow {
public:
    ViewerWindow(std::unique_ptr<TAhnenData> data, int64_t proband, DisplayType type)
        : m_data(std::move(data)),
          m_window(*m_data, BuildScene(*m_data, proband, type), m_dialogs, m_settings)
    {
        m_window.show();
    }
    bool Ready()
    {
        return QTest::qWaitForWindowExposed(&m_window) && WaitForFrames(m_window.View(), 3);
    }
    const TAhnenData& Data() const { return *m_data; }
    const test::FakeDialogs& Dialogs() const { return m_dialogs; }
    View3DWindow& Window() { return m_window; }
    TImage_3D& View() { return m_window.View(); }

private:
    std::unique_ptr<TAhnenData> m_data;
    test::FakeDialogs m_dialogs;
    TImageSettings m_settings;
    View3DWindow m_window;
};

// Queen Elizabeth II's ancestry, nearly the whole of Queen.ged, in each display type.
class ViewerTest : public testing::TestWithParam<DisplayType> {
protected:
    void SetUp() override
    {
        QV_REQUIRE_TESTDATA();
        std::unique_ptr<TAhnenData> data = OpenDataFile(test::TestDataFile("Queen.ged"));
        const int64_t queen = data->FindPerson("I3062");
        m_viewer = std::make_unique<ViewerWindow>(std::move(data), queen, GetParam());
        ASSERT_TRUE(m_viewer->Ready()) << "no frames drawn";
        m_data = &m_viewer->Data();
        m_window = &m_viewer->Window();
    }
    void Keep(const QImage& image, const std::string& name)
    {
        const char* folder = std::getenv("QV_VIEWER_FRAMES");
        if (!folder) return;
        std::filesystem::create_directories(folder);
        const int type = static_cast<int>(GetParam());
        image.save(QString::fromStdString(std::string(folder) + "/queen-" + std::to_string(type) +
                                          "-" + name + ".png"));
    }

    std::unique_ptr<ViewerWindow> m_viewer;
    const TAhnenData* m_data = nullptr;
    View3DWindow* m_window = nullptr;
};

// Pixels in a light colour of a name label (the text's inner part, not its outline).
int LabelPixels(const QImage& image, QColor label)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - label.red()) < 12 && std::abs(c.green() - label.green()) < 12 &&
                std::abs(c.blue() - label.blue()) < 12)
                ++count;
        }
    return count;
}

TEST_P(ViewerTest, DrawsTheSceneAndLabelsASearchedPerson)
{
    TImage_3D& view = m_window->View();
    const QImage first = view.grabFramebuffer();
    Keep(first, "start");
    EXPECT_GT(DrawnPixels(first), 2000) << "the first frame is blank";
    EXPECT_EQ(LabelPixels(first, QColor(204, 204, 255)), 0);

    m_window->SurnameEdit().setText("Windsor");
    m_window->GivenNamesEdit().setText("George");
    QTest::keyClick(&m_window->GivenNamesEdit(), Qt::Key_Return);
    ASSERT_GE(view.MarkedPerson(), 0);
    EXPECT_EQ(m_data->Persons[view.MarkedPerson()].Surname, "Windsor");
    const QVector3D node = view.Scene().NodePositions[view.MarkedPerson()];
    EXPECT_EQ(view.FocusTarget(), node);

    // Let the view glide there, then come close enough to read the name.
    QElapsedTimer timer;
    timer.start();
    while ((view.Focus() - node).length() > 0.01f && timer.elapsed() < 8000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_LT((view.Focus() - node).length(), 0.01f) << "the focus glides to the found person";
    const int notches = int(std::ceil(std::log(view.ZoomDistance() / 4) / std::log(1.1)));
    Wheel(view, QPointF(view.width() / 2.0, view.height() / 2.0), notches);
    ASSERT_TRUE(WaitForFrames(view, 2));
    const QImage marked = view.grabFramebuffer();
    Keep(marked, "marked");
    EXPECT_GT(LabelPixels(marked, QColor(204, 204, 255)), 50) << "George's label, light blue";
}

TEST_P(ViewerTest, SurvivesDragsWheelAndDoubleClicks)
{
    TImage_3D& view = m_window->View();
    const QPointF centre(view.width() / 2.0, view.height() / 2.0);
    const float yaw = view.Camera().Yaw();
    Drag(view, Qt::RightButton, centre, centre + QPointF(60, -30));
    EXPECT_NE(view.Camera().Yaw(), yaw);
    const QVector3D focus = view.Focus();
    Drag(view, Qt::LeftButton, centre, centre + QPointF(-40, 25));
    EXPECT_NE(view.Focus(), focus);
    const float zoom = view.ZoomDistance();
    Wheel(view, centre, 3);
    EXPECT_FLOAT_EQ(view.ZoomDistance(), zoom / 1.1f / 1.1f / 1.1f);
    Wheel(view, centre, -1);
    EXPECT_FLOAT_EQ(view.ZoomDistance(), zoom / 1.1f / 1.1f);
    ASSERT_TRUE(WaitForFrames(view, 2));

    // From this far away a node is smaller than a pixel: the click picks whatever the ray
    // through that pixel meets first, if anything.
    const QPoint aim = OnScreen(view, view.Scene().NodePositions[view.Scene().Proband]).toPoint();
    const int64_t expected =
        HasNodesAndTubes(GetParam())
            ? PickNode(view.Scene(), view.Camera().RayThrough(aim, QSizeF(view.size()),
                                                              view.Focus(), view.ZoomDistance()))
            : -1;
    DoubleClick(view, aim);
    EXPECT_EQ(view.MarkedPerson(), expected);
    ASSERT_TRUE(WaitForFrames(view, 2));
    Keep(view.grabFramebuffer(), "after-mouse");
    EXPECT_GT(DrawnPixels(view.grabFramebuffer()), 2000);
}

INSTANTIATE_TEST_SUITE_P(DisplayTypes, ViewerTest,
                         testing::Values(DisplayType::Cone, DisplayType::RightAngles,
                                         DisplayType::Blocks));

// The example family is small enough for its nodes to be hit from the first view.
class SmallViewerTest : public testing::TestWithParam<DisplayType> {};

TEST_P(SmallViewerTest, ClickMarksTheLinesDoubleClickGlidesEmptySpaceClears)
{
    auto data = std::make_unique<TAhnenData>(LoadExampleFamily(""));
    const int64_t proband = 18;
    const int64_t father = data->GetFather(proband);
    ViewerWindow viewer(std::move(data), proband, GetParam());
    ASSERT_TRUE(viewer.Ready());
    TImage_3D& view = viewer.View();
    Wheel(view, QPointF(view.width() / 2.0, view.height() / 2.0), 2);

    const QPoint aim = OnScreen(view, view.Scene().NodePositions[father]).toPoint();
    QTest::mouseClick(&view, Qt::LeftButton, {}, aim);
    EXPECT_EQ(view.MarkedPerson(), father);
    EXPECT_TRUE(view.Marked()[proband]);
    EXPECT_EQ(std::count(view.Marked().begin(), view.Marked().end(), true), 2);
    EXPECT_NE(view.FocusTarget(), view.Scene().NodePositions[father]) << "one click only marks";

    DoubleClick(view, aim);
    EXPECT_EQ(view.FocusTarget(), view.Scene().NodePositions[father]);
    ASSERT_TRUE(WaitForFrames(view, 2));
    EXPECT_GT(DrawnPixels(view.grabFramebuffer()), 2000);

    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(view.MarkedPerson(), -1);
    EXPECT_EQ(std::count(view.Marked().begin(), view.Marked().end(), true), 0);
}

INSTANTIATE_TEST_SUITE_P(DisplayTypes, SmallViewerTest,
                         testing::Values(DisplayType::Cone, DisplayType::RightAngles));

// Run with Mesa told to offer OpenGL 3.0 only (ctest's viewer_old_opengl_under_xvfb): the
// window says what is missing instead of failing silently or crashing.
TEST(ViewerWithoutOpenGL33, SaysWhatIsMissing)
{
    if (!std::getenv("QV_EXPECT_OLD_OPENGL")) GTEST_SKIP() << "only with an old OpenGL";
    ViewerWindow viewer(std::make_unique<TAhnenData>(LoadExampleFamily("")), 18, DisplayType::Cone);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer.Window()));
    QElapsedTimer timer;
    timer.start();
    while (viewer.Dialogs().shown.empty() && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_EQ(viewer.Dialogs().shown.size(), 1u);
    EXPECT_TRUE(viewer.Dialogs().shown[0].startsWith("E: Die 3D-Ansicht braucht OpenGL 3.3"))
        << viewer.Dialogs().shown[0].toStdString();
    EXPECT_EQ(viewer.View().FrameCount(), 0);
}

}  // namespace
}  // namespace qv
