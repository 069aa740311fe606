// Page layout, globals and data arrays; the scene calls come from webgl_scene_calls.
#include "view3d/webgl_page.h"

#include <optional>
#include <sstream>

#include "data/ahnen_data.h"
#include "data/atomic_file.h"
#include "view3d/connections.h"
#include "view3d/node_label.h"
#include "view3d/scene_colours.h"
#include "view3d/webgl_numbers.h"
#include "view3d/webgl_scene_calls.h"
#include "view3d/webgl_script.h"

namespace qv {
namespace {

void AddText(TArrayOfString& lines, const char* text)
{
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
}

std::string VectorText(const QVector3D& v)
{
    return "Vector(" + CoordinateText(v.x()) + "," + CoordinateText(v.y()) + "," +
           CoordinateText(v.z()) + ")";
}

// The page's label: "?" for a missing part, nothing at all for a person without any name.
std::string PageLabel(const TPerson& person)
{
    return person.Surname.empty() && person.GivenNames.empty() ? "" : NodeLabelText(person);
}

const char* SexCode(char sex)
{
    return sex == 'M' ? "0," : sex == 'F' ? "1," : "2,";
}

void AddGlobals(TArrayOfString& lines, const Scene3D& scene)
{
    const QVector3D f = scene.InitialFocus;
    const QVector3D light = LightDirection();
    // A lone proband would be seen from distance 0, from inside its sphere.
    const long double zoom =
        scene.MaxLevel > 0 ? static_cast<long double>(scene.Scale) * 2 * scene.MaxLevel : 1;
    for (const std::string& line :
         {std::string("var gl = null;"),
          std::string("var viewportWidth;"),
          std::string("var viewportHeight;"),
          std::string("var program;"),
          std::string("var program_alpha;"),
          std::string("var program_tex;"),
          std::string("var texture;"),
          std::string("var vbos = [];"),
          std::string("var ibos = [];"),
          std::string("var icount = [];"),
          std::string("var vbo_quad;"),
          std::string("var ibo_quad;"),
          std::string("var mousestate = 0; //0=keine Taste, 1=linke Maustaste, 2=rechte Maustaste"),
          std::string("var mouseposlast;"),
          "var FixPunkt = [" + FixedText(f.x(), 2) + ", " + FixedText(f.y(), 2) + ", " +
              FixedText(f.z(), 2) + "];",
          std::string("var Rotation = [0.0, 0.0];"),
          "var Zoom = " + GeneralText(zoom) + ";",
          std::string("var Highlight = -1;"),
          std::string("var HighlightVBO = false;"),
          std::string("var HighlightVBOCount = 0; // Puffer mit grünen Linien am Ende"),
          std::string("var sfOew = 30.0 * Math.PI / 180.0; // halber vertikaler Sichtwinkel"),
          std::string("var zNah = 0.1;"),
          std::string("var zFern = 1000.0;"),
          std::string("var VertexBuffer = [];"),
          std::string("var IndexBuffer = [];"),
          "var LIGHT_DIR = Vector(" + FixedText(light.x(), 3) + "," + FixedText(light.y(), 3) +
              "," + FixedText(light.z(), 3) + ");",
          "var AMBIENT = " + FixedText(kAmbient, 2) + ";"})
        lines.push_back(line);
}

// Node numbers: the included persons in ascending index order.
std::vector<int64_t> NodeNumbers(const Scene3D& scene)
{
    std::vector<int64_t> number(scene.Included.size(), -1);
    int64_t next = 0;
    for (size_t p = 0; p < scene.Included.size(); ++p)
        if (scene.Included[p]) number[p] = next++;
    return number;
}

void AddDataArrays(TArrayOfString& lines, const TAhnenData& data, const Scene3D& scene)
{
    const std::vector<int64_t> number = NodeNumbers(scene);
    std::string nodes = "var Nodes = [", children = "var Children = [", mids = "var FamMids = [",
                names = "var Names = [", sexes = "var Sexes = [";
    for (size_t p = 0; p < scene.Included.size(); ++p) {
        if (!scene.Included[p]) continue;
        const TPerson& person = data.Persons[p];
        nodes += VectorText(scene.NodePositions[p]) + ",";
        std::string list;
        for (int64_t child : person.Children)
            if (scene.IsIncluded(child))
                list += (list.empty() ? "" : ",") + std::to_string(number[child]);
        children += "[" + list + "],";
        std::optional<QVector3D> mid = FamilyPoint(data, scene, person.ParentFamily);
        mids += mid ? VectorText(*mid) + "," : "null,";
        names += ScriptStringLiteral(PageLabel(person)) + ",";
        sexes += SexCode(person.Sex);
    }
    for (std::string* array : {&nodes, &children, &mids, &names, &sexes})
        lines.push_back(*array + "];");
    lines.push_back("var HighlightNeeded = new Array(Nodes.length);");
}

bool IsTrimmed(unsigned char c)
{
    return c <= 0x20 || c == 0x7F;
}

std::string Trimmed(const std::string& line)
{
    size_t begin = 0, end = line.size();
    while (begin < end && IsTrimmed(static_cast<unsigned char>(line[begin]))) ++begin;
    while (end > begin && IsTrimmed(static_cast<unsigned char>(line[end - 1]))) --end;
    return line.substr(begin, end - begin);
}

}  // namespace

TArrayOfString WebGlPageLines(const TAhnenData& data, const Scene3D& scene)
{
    TArrayOfString lines = {
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">", "<html>", "<head>",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
        "<script type=\"text/javascript\">"};
    AddText(lines, WebGlGeometryScript());
    AddGlobals(lines, scene);
    AddDataArrays(lines, data, scene);
    AddText(lines, WebGlViewerScript());
    for (const std::string& call : WebGlSceneCalls(data, scene)) lines.push_back(call);
    AddText(lines, WebGlDrawScript());
    lines.push_back("</script>");
    AddText(lines, WebGlShaderElements());
    for (const char* line :
         {"</head>", "<body onload=\"init()\" style=\"margin:0px\">",
          "<canvas id=\"canvas\" style=\"margin:0px\" oncontextmenu=\"return false\"></canvas>",
          "<canvas id=\"texturecanvas\" style=\"display:none\" width=\"512\" "
          "height=\"32\"></canvas>",
          "</body>", "</html>"})
        lines.push_back(line);
    TArrayOfString trimmed;
    for (const std::string& line : lines)
        if (std::string t = Trimmed(line); !t.empty()) trimmed.push_back(std::move(t));
    return trimmed;
}

void WriteWebGlPage(const TAhnenData& data, const Scene3D& scene, const std::string& path)
{
    std::string bytes;
    for (const std::string& line : WebGlPageLines(data, scene)) bytes += line + "\r\n";
    WriteFileAtomically(path, bytes);
}

}  // namespace qv
