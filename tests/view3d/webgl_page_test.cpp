#include "view3d/webgl_page.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "data/error.h"
#include "small_pedigrees.h"
#include "view3d/webgl_scene_calls.h"

namespace qv {
namespace {

// The line that starts with prefix, or "" when there is none.
std::string LineStarting(const TArrayOfString& lines, const std::string& prefix)
{
    for (const std::string& line : lines)
        if (line.starts_with(prefix)) return line;
    return "";
}

size_t CountStarting(const TArrayOfString& lines, const std::string& prefix)
{
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.starts_with(prefix); });
}

TEST(WebGlPage, ALoneProbandIsOneNodeWithoutConnections)
{
    test::PedigreeBuilder b;
    b.Add('F');
    const TAhnenData data = b.Build();
    const TArrayOfString lines = WebGlPageLines(data, BuildScene(data, 0, DisplayType::Cone));
    EXPECT_EQ(LineStarting(lines, "var Nodes"), "var Nodes = [Vector(0,0,0),];");
    EXPECT_EQ(LineStarting(lines, "var Children"), "var Children = [[],];");
    EXPECT_EQ(LineStarting(lines, "var FamMids"), "var FamMids = [null,];");
    EXPECT_EQ(LineStarting(lines, "var Names"), "var Names = ['',];") << "no name at all";
    EXPECT_EQ(LineStarting(lines, "var Sexes"), "var Sexes = [1,];");
    EXPECT_EQ(CountStarting(lines, "CreateLine("), 0u);
    // Scale × 2 × 0 would leave the camera inside the node, where the wheel cannot help.
    EXPECT_EQ(LineStarting(lines, "var Zoom"), "var Zoom = 1;");
}

TEST(WebGlPage, ArraysNumberTheShownPersonsInIndexOrder)
{
    test::ThreeGenerations t = test::MakeThreeGenerations();
    t.data.Persons[t.GF].Surname = "Alt";
    t.data.Persons[t.GM].GivenNames = "Grete";
    t.data.Persons[t.F].Surname = "O'Neil";
    t.data.Persons[t.F].GivenNames = "Fritz";
    const TArrayOfString lines =
        WebGlPageLines(t.data, BuildScene(t.data, t.P, DisplayType::RightAngles));
    // GF 0, GM 1, F 2, M 3, P 4; the sibling and the child are not nodes.
    EXPECT_EQ(LineStarting(lines, "var Nodes"),
              "var Nodes = [Vector(0.2,2,0.2),Vector(0.6,2,0.2),Vector(0.4,1,0.2),"
              "Vector(0.4,1,0.6),Vector(0.4,0,0.4),];");
    EXPECT_EQ(LineStarting(lines, "var Children"), "var Children = [[2],[2],[4],[4],[],];");
    EXPECT_EQ(LineStarting(lines, "var FamMids"),
              "var FamMids = [null,null,Vector(0.4,2,0.2),null,Vector(0.4,1,0.4),];");
    EXPECT_EQ(LineStarting(lines, "var Names"),
              "var Names = ['Alt, ?','?, Grete','O\\'Neil, Fritz','','',];");
    EXPECT_EQ(LineStarting(lines, "var Sexes"), "var Sexes = [0,1,0,1,1,];");
    EXPECT_EQ(LineStarting(lines, "var HighlightNeeded"),
              "var HighlightNeeded = new Array(Nodes.length);");
    EXPECT_EQ(LineStarting(lines, "var FixPunkt"), "var FixPunkt = [0.40, 1.00, 0.40];");
    EXPECT_EQ(LineStarting(lines, "var Zoom"), "var Zoom = 4;");
    EXPECT_EQ(LineStarting(lines, "var LIGHT_DIR"), "var LIGHT_DIR = Vector(0.456,0.684,0.570);");
    EXPECT_EQ(LineStarting(lines, "var AMBIENT"), "var AMBIENT = 0.38;");
}

TEST(WebGlPage, ConnectionsAreOneCallEachInFamilyOrder)
{
    const test::SiblingParents s = test::MakeSiblingParents();
    const TArrayOfString lines =
        WebGlPageLines(s.data, BuildScene(s.data, s.P, DisplayType::RightAngles));
    // X–Y, F and M to X and Y's point; then F–M and P to theirs.
    TArrayOfString calls;
    for (const std::string& line : lines)
        if (line.starts_with("CreateLine(")) calls.push_back(line);
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0], "CreateLine(Vector(0.2,2,0.2),Vector(0.6,2,0.2));");
    // The shared ancestor is one node that lists both of its children.
    EXPECT_EQ(LineStarting(lines, "var Children"), "var Children = [[2,3],[2,3],[4],[4],[],];");
}

// The page's script counts 92 vertices per sphere and 20 per tube and closes a buffer
// once it holds more than 65000: after 707 spheres or 3251 tubes.
TEST(WebGlPage, SceneCallsCloseBuffersBefore16BitIndicesRunOut)
{
    EXPECT_EQ(SphereVertexCount(), 92);
    EXPECT_EQ(TubeVertexCount(), 20);
    const TAhnenData data = test::Ladder(1100);
    const Scene3D scene = BuildScene(data, int64_t(data.Persons.size()) - 1, DisplayType::Cone);
    const TArrayOfString calls = WebGlSceneCalls(data, scene);
    EXPECT_EQ(calls[5], "count+=92;");
    EXPECT_EQ(calls[6], "if (count>65000){");
    std::vector<int> runs{0};
    for (size_t i = 12; i < calls.size(); ++i) {
        if (calls[i].starts_with("CreateLine(")) ++runs.back();
        if (calls[i] == "FinishVBO();") runs.push_back(0);
    }
    // 1100 families of a couple and two children, and the proband's parents: 3302 tubes.
    EXPECT_EQ(runs, (std::vector<int>{3251, 3302 - 3251, 0}));
    EXPECT_EQ(calls.end()[-2], "texture = gl.createTexture();");
    EXPECT_EQ(calls.back(), "setInterval(draw, 33);");
}

TEST(WebGlPage, TheFileHasTrimmedLinesEndedByCrLf)
{
    const test::SiblingParents s = test::MakeSiblingParents();
    const auto path = std::filesystem::temp_directory_path() / "qv-webgl-page-test.html";
    WriteWebGlPage(s.data, BuildScene(s.data, s.P, DisplayType::Cone), path.string());
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove(path);
    EXPECT_TRUE(
        bytes.starts_with("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"));
    EXPECT_TRUE(bytes.ends_with("</body>\r\n</html>\r\n"));
    std::istringstream lines(bytes);
    for (std::string line; std::getline(lines, line);) {
        ASSERT_TRUE(line.ends_with("\r")) << line;
        line.pop_back();
        ASSERT_FALSE(line.empty());
        EXPECT_GT(static_cast<unsigned char>(line.front()), ' ') << line;
        EXPECT_GT(static_cast<unsigned char>(line.back()), ' ') << line;
    }
    // The one script element ends right before the first shader.
    EXPECT_EQ(bytes.find("</script>"), bytes.find("</script>\r\n<script id=\"shader-vs\""));
}

TEST(WebGlPage, AnUnwritablePlaceIsAnError)
{
    const test::SiblingParents s = test::MakeSiblingParents();
    EXPECT_THROW(WriteWebGlPage(s.data, BuildScene(s.data, s.P, DisplayType::Cone),
                                "/nonexistent-folder/page.html"),
                 Error);
}

}  // namespace
}  // namespace qv
