// Sphere loop, CreateLine statements and the buffer splits between them.
#include "view3d/webgl_scene_calls.h"

#include "data/ahnen_data.h"
#include "view3d/connections.h"
#include "view3d/scene_meshes.h"
#include "view3d/webgl_numbers.h"
#include "view3d/webgl_page.h"

namespace qv {
namespace {

std::string LineCall(const QVector3D& from, const QVector3D& to)
{
    auto vector = [](const QVector3D& v) {
        return "Vector(" + CoordinateText(v.x()) + "," + CoordinateText(v.y()) + "," +
               CoordinateText(v.z()) + ")";
    };
    return "CreateLine(" + vector(from) + "," + vector(to) + ");";
}

// One statement per connection: husband to wife, then every included child to the family
// point; a buffer is closed once it holds more than the limit.
void AddLineCalls(TArrayOfString& calls, const TAhnenData& data, const Scene3D& scene)
{
    int count = 0;
    auto add = [&](const QVector3D& from, const QVector3D& to) {
        calls.push_back(LineCall(from, to));
        count += TubeVertexCount();
        if (count > kPageBufferLimit) {
            calls.push_back("FinishVBO();");
            count = 0;
        }
    };
    for (const FamilyConnection& connection : Connections(data, scene)) {
        const TFamilie& family = data.Families[connection.Family];
        if (connection.BothParents)
            add(scene.NodePositions[family.Husband], scene.NodePositions[family.Wife]);
        for (int64_t child : connection.IncludedChildren)
            add(scene.NodePositions[child], connection.Point);
    }
    if (count > 0) calls.push_back("FinishVBO();");
}

}  // namespace

int SphereVertexCount()
{
    return (2 * kSphereStacks - 1) * kSphereSlices + 2;
}

int TubeVertexCount()
{
    return 2 * kTubeSegments;
}

TArrayOfString WebGlSceneCalls(const TAhnenData& data, const Scene3D& scene)
{
    const std::string limit = std::to_string(kPageBufferLimit);
    TArrayOfString calls = {"CreateSphere(Vector(0,0,0),3);",
                            "FinishVBO();",
                            "var count = 0;",
                            "for (var i = 0; i < Nodes.length; i++) {",
                            "CreateSphere(Nodes[i],Sexes[i]);",
                            "count+=" + std::to_string(SphereVertexCount()) + ";",
                            "if (count>" + limit + "){",
                            "FinishVBO();",
                            "count=0;",
                            "}",
                            "}",
                            "if (count>0){ FinishVBO(); }"};
    AddLineCalls(calls, data, scene);
    calls.push_back("texture = gl.createTexture();");
    calls.push_back("setInterval(draw, 33);");
    return calls;
}

}  // namespace qv
