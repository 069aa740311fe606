// Buffers and vertex array objects for the viewer's models.
#include "gui/gpu_model.h"

#include <numeric>

namespace qv {
namespace {

// Points the attributes of the bound buffer at consecutive locations from first on.
int SetUpAttributes(QOpenGLExtraFunctions& gl, const AttributeLayout& layout, int first,
                    int divisor)
{
    const int floats = std::accumulate(layout.sizes.begin(), layout.sizes.end(), 0);
    int offset = 0;
    for (size_t i = 0; i < layout.sizes.size(); ++i) {
        const GLuint location = GLuint(first + int(i));
        gl.glEnableVertexAttribArray(location);
        gl.glVertexAttribPointer(location, layout.sizes[i], GL_FLOAT, GL_FALSE,
                                 GLsizei(floats * sizeof(float)),
                                 reinterpret_cast<const void*>(offset * sizeof(float)));
        gl.glVertexAttribDivisor(location, GLuint(divisor));
        offset += layout.sizes[i];
    }
    return floats;
}

}  // namespace

void InstancedModel::Create(QOpenGLExtraFunctions& gl, const Mesh& mesh,
                            const AttributeLayout& meshLayout,
                            const AttributeLayout& instanceLayout)
{
    m_vao.create();
    QOpenGLVertexArrayObject::Binder bind(&m_vao);
    m_vertices.create();
    m_vertices.bind();
    m_vertices.allocate(mesh.vertices.data(), int(mesh.vertices.size() * sizeof(float)));
    SetUpAttributes(gl, meshLayout, 0, 0);
    m_indices.create();
    m_indices.bind();
    m_indices.allocate(mesh.indices.data(), int(mesh.indices.size() * sizeof(uint32_t)));
    m_indexCount = int(mesh.indices.size());
    m_instances.create();
    m_instances.setUsagePattern(QOpenGLBuffer::DynamicDraw);
    m_instances.bind();
    m_instanceFloats = SetUpAttributes(gl, instanceLayout, int(meshLayout.sizes.size()), 1);
}

void InstancedModel::SetInstances(const std::vector<float>& instances)
{
    m_instances.bind();
    m_instances.allocate(instances.data(), int(instances.size() * sizeof(float)));
    m_instanceCount = m_instanceFloats > 0 ? int(instances.size()) / m_instanceFloats : 0;
}

void InstancedModel::Draw(QOpenGLExtraFunctions& gl)
{
    if (m_instanceCount == 0) return;
    QOpenGLVertexArrayObject::Binder bind(&m_vao);
    gl.glDrawElementsInstanced(GL_TRIANGLES, m_indexCount, GL_UNSIGNED_INT, nullptr,
                               m_instanceCount);
}

void InstancedModel::Destroy()
{
    m_instances.destroy();
    m_indices.destroy();
    m_vertices.destroy();
    m_vao.destroy();
}

void VertexList::Create(QOpenGLExtraFunctions& gl, const AttributeLayout& layout)
{
    m_vao.create();
    QOpenGLVertexArrayObject::Binder bind(&m_vao);
    m_buffer.create();
    m_buffer.setUsagePattern(QOpenGLBuffer::DynamicDraw);
    m_buffer.bind();
    m_floatsPerVertex = SetUpAttributes(gl, layout, 0, 0);
}

void VertexList::SetVertices(const std::vector<float>& vertices, std::vector<int> strips)
{
    m_buffer.bind();
    m_buffer.allocate(vertices.data(), int(vertices.size() * sizeof(float)));
    m_count = m_floatsPerVertex > 0 ? int(vertices.size()) / m_floatsPerVertex : 0;
    m_strips = std::move(strips);
}

void VertexList::Draw(QOpenGLExtraFunctions& gl, GLenum mode)
{
    if (m_count == 0) return;
    QOpenGLVertexArrayObject::Binder bind(&m_vao);
    if (m_strips.empty()) {
        gl.glDrawArrays(mode, 0, m_count);
        return;
    }
    int first = 0;
    for (int count : m_strips) {
        gl.glDrawArrays(mode, first, count);
        first += count;
    }
}

void VertexList::Destroy()
{
    m_buffer.destroy();
    m_vao.destroy();
}

}  // namespace qv
