// Vertex arrays on the graphics card: a mesh drawn once per instance, or plain vertices.
#pragma once

#include <vector>

#include <QOpenGLBuffer>
#include <QOpenGLExtraFunctions>
#include <QOpenGLVertexArrayObject>

#include "view3d/scene_meshes.h"

namespace qv {

// Float attributes read one after another from an interleaved buffer.
struct AttributeLayout {
    std::vector<int> sizes;  // floats per attribute, at consecutive locations
};

// A mesh at locations 0, 1, … and per-instance attributes after them. Needs the context
// current while created, changed, drawn and destroyed.
class InstancedModel {
public:
    void Create(QOpenGLExtraFunctions& gl, const Mesh& mesh, const AttributeLayout& meshLayout,
                const AttributeLayout& instanceLayout);
    void SetInstances(const std::vector<float>& instances);
    void Draw(QOpenGLExtraFunctions& gl);
    void Destroy();

private:
    QOpenGLVertexArrayObject m_vao;
    QOpenGLBuffer m_vertices{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer m_indices{QOpenGLBuffer::IndexBuffer};
    QOpenGLBuffer m_instances{QOpenGLBuffer::VertexBuffer};
    int m_indexCount = 0;
    int m_instanceFloats = 0;
    int m_instanceCount = 0;
};

// Vertices without indices: points, or triangle strips drawn one after another.
class VertexList {
public:
    void Create(QOpenGLExtraFunctions& gl, const AttributeLayout& layout);
    // Replaces the vertices; strips gives the vertex count of each strip.
    void SetVertices(const std::vector<float>& vertices, std::vector<int> strips = {});
    void Draw(QOpenGLExtraFunctions& gl, GLenum mode);
    void Destroy();

private:
    QOpenGLVertexArrayObject m_vao;
    QOpenGLBuffer m_buffer{QOpenGLBuffer::VertexBuffer};
    int m_floatsPerVertex = 0;
    int m_count = 0;
    std::vector<int> m_strips;
};

}  // namespace qv
