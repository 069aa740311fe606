// Frame order: scene into the 2× buffer, dimming and the marked part, labels, then scaled
// down into the widget.
#include "gui/scene_renderer.h"

#include <algorithm>
#include <unordered_set>

#include <QOpenGLContext>

#include "data/error.h"
#include "gui/scene_shaders.h"
#include "view3d/label_image.h"
#include "view3d/scene_colours.h"
#include "view3d/scene_meshes.h"

namespace qv {
namespace {

constexpr float kLabelHeight = 0.3f;
constexpr float kPointSize = 2.0f;
// World length of one period of the stripes along a tube.
constexpr float kStripeLength = 0.25f;

void Build(QOpenGLShaderProgram& program, const char* vertex, const char* fragment)
{
    if (!program.addShaderFromSourceCode(QOpenGLShader::Vertex, vertex) ||
        !program.addShaderFromSourceCode(QOpenGLShader::Fragment, fragment) || !program.link())
        throw Error("OpenGL-Shader konnte nicht übersetzt werden: " + program.log().toStdString());
}

const AttributeLayout kNodeInstance{{3, 3}};      // position, colour
const AttributeLayout kTubeInstance{{3, 3}};      // from, to
const AttributeLayout kBlockInstance{{3, 3, 3}};  // corner, colour, size

// Fully transparent bands would only cost fill time, which software renderers feel.
std::vector<float> BandVertices(const std::vector<BandStrip>& bands, std::vector<int>& strips)
{
    std::vector<float> vertices;
    for (const BandStrip& band : bands) {
        if (band.vertices.size() < 7 || band.vertices[6] == 0) continue;
        vertices.insert(vertices.end(), band.vertices.begin(), band.vertices.end());
        strips.push_back(int(band.vertices.size() / 7));
    }
    return vertices;
}

}  // namespace

void SceneRenderer::Initialize(const SceneModels& models)
{
    const QSurfaceFormat format = QOpenGLContext::currentContext()->format();
    if (format.version() < qMakePair(3, 3))
        throw Error("Die 3D-Ansicht braucht OpenGL 3.3, vorhanden ist " +
                    std::to_string(format.majorVersion()) + "." +
                    std::to_string(format.minorVersion()) + ".");
    initializeOpenGLFunctions();
    BuildPrograms();
    const Mesh sphere = SphereMesh(), tube = TubeMesh(), box = BoxMesh();
    for (InstancedModel* model : {&m_spheres, &m_markedSpheres})
        model->Create(*this, sphere, {{3, 3}}, kNodeInstance);
    for (InstancedModel* model : {&m_tubes, &m_markedTubes})
        model->Create(*this, tube, {{3}}, kTubeInstance);
    for (InstancedModel* model : {&m_blocks, &m_markedBlocks})
        model->Create(*this, box, {{3, 3}}, kBlockInstance);
    m_spheres.SetInstances(models.nodes);
    m_tubes.SetInstances(models.tubes);
    m_blocks.SetInstances(models.blocks);
    m_points.Create(*this, {{3, 3}});
    m_points.SetVertices(models.nodes);
    m_thinTubes.Create(*this, {{3, 3}});
    m_bands.Create(*this, {{3, 4}});
    std::vector<int> strips;
    m_bands.SetVertices(BandVertices(models.bands, strips), std::move(strips));
    m_emptyVao.create();

    const std::vector<uint8_t> texels = StripeTexels();
    m_stripes = std::make_unique<QOpenGLTexture>(QOpenGLTexture::Target2D);
    m_stripes->setSize(int(texels.size()), 1);
    m_stripes->setFormat(QOpenGLTexture::R8_UNorm);
    m_stripes->allocateStorage(QOpenGLTexture::Red, QOpenGLTexture::UInt8);
    m_stripes->setData(QOpenGLTexture::Red, QOpenGLTexture::UInt8, texels.data());
    m_stripes->setWrapMode(QOpenGLTexture::Repeat);
    m_stripes->setMinMagFilters(QOpenGLTexture::Linear, QOpenGLTexture::Linear);
}

void SceneRenderer::BuildPrograms()
{
    Build(m_lit, shaders::kLitVertex, shaders::kLitFragment);
    Build(m_tube, shaders::kTubeVertex, shaders::kTubeFragment);
    Build(m_colour, shaders::kColourVertex, shaders::kColourFragment);
    Build(m_overlay, shaders::kOverlayVertex, shaders::kOverlayFragment);
    Build(m_copy, shaders::kCopyVertex, shaders::kCopyFragment);
    Build(m_label, shaders::kLabelVertex, shaders::kLabelFragment);
}

void SceneRenderer::SetMarked(const SceneModels& marked)
{
    m_markedSpheres.SetInstances(marked.nodes);
    m_markedTubes.SetInstances(marked.tubes);
    m_markedBlocks.SetInstances(marked.blocks);
}

void SceneRenderer::SetDetail(const std::vector<float>& spheres, const TubeDetail& tubes)
{
    m_spheres.SetInstances(spheres);
    m_tubes.SetInstances(tubes.tubes);
    m_thinTubes.SetVertices(tubes.lines);
}

void SceneRenderer::PrepareFrameBuffer(const QSize& pixels)
{
    const QSize size = pixels * 2;
    if (m_frame && m_frame->size() == size) return;
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::Depth);
    m_frame = std::make_unique<QOpenGLFramebufferObject>(size, format);
}

void SceneRenderer::SetCamera(QOpenGLShaderProgram& program, const FrameView& view)
{
    program.bind();
    program.setUniformValue("uViewProjection", view.viewProjection);
}

void SceneRenderer::DrawModels(const FrameView& view, InstancedModel& spheres,
                               InstancedModel& tubes, InstancedModel& blocks, VertexList* points)
{
    SetCamera(m_lit, view);
    m_lit.setUniformValue("uLight", LightDirection());
    m_lit.setUniformValue("uAmbient", kAmbient);
    // Spheres keep their size; only the blocks scale the unit box per instance.
    glVertexAttrib3f(4, 1, 1, 1);
    m_lit.setUniformValue("uOutline", false);
    spheres.Draw(*this);
    m_lit.setUniformValue("uOutline", true);
    blocks.Draw(*this);
    SetCamera(m_tube, view);
    m_tube.setUniformValue("uLight", LightDirection());
    m_tube.setUniformValue("uAmbient", kAmbient);
    m_tube.setUniformValue("uRadius", kTubeRadius);
    m_tube.setUniformValue("uStripeLength", kStripeLength);
    m_tube.setUniformValue("uStripes", 0);
    glActiveTexture(GL_TEXTURE0);
    m_stripes->bind();
    tubes.Draw(*this);
    if (!points) return;
    SetCamera(m_colour, view);
    m_colour.setUniformValue("uPointSize", kPointSize * 2);
    points->Draw(*this, GL_POINTS);
    m_thinTubes.Draw(*this, GL_LINES);
}

void SceneRenderer::DrawBands(const FrameView& view)
{
    SetCamera(m_colour, view);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    m_bands.Draw(*this, GL_TRIANGLE_STRIP);
    glDisable(GL_BLEND);
    glEnable(GL_CULL_FACE);
}

void SceneRenderer::DrawOverlay(float alpha)
{
    m_overlay.bind();
    m_overlay.setUniformValue("uColor", QVector4D(0, 0, 0, alpha));
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    QOpenGLVertexArrayObject::Binder bind(&m_emptyVao);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

QOpenGLTexture& SceneRenderer::LabelTexture(const NodeLabel& label)
{
    std::unique_ptr<QOpenGLTexture>& texture = m_labelTextures[label.person];
    if (!texture) {
        texture = std::make_unique<QOpenGLTexture>(LabelImage(label.text, label.colour),
                                                   QOpenGLTexture::DontGenerateMipMaps);
        texture->setMinMagFilters(QOpenGLTexture::Linear, QOpenGLTexture::Linear);
        texture->setWrapMode(QOpenGLTexture::ClampToEdge);
    }
    return *texture;
}

// Farthest first, without depth test, so that near labels are written over far ones.
void SceneRenderer::DrawLabels(const FrameView& view)
{
    std::vector<const NodeLabel*> order;
    for (const NodeLabel& label : view.labels) order.push_back(&label);
    std::stable_sort(order.begin(), order.end(), [&](const NodeLabel* a, const NodeLabel* b) {
        return (a->position - view.eye).lengthSquared() > (b->position - view.eye).lengthSquared();
    });
    SetCamera(m_label, view);
    m_label.setUniformValue("uLabel", 0);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glActiveTexture(GL_TEXTURE0);
    QOpenGLVertexArrayObject::Binder bind(&m_emptyVao);
    for (const NodeLabel* label : order) {
        QOpenGLTexture& texture = LabelTexture(*label);
        const float width = kLabelHeight * float(texture.width()) / float(texture.height());
        texture.bind();
        m_label.setUniformValue("uAnchor", label->position);
        m_label.setUniformValue("uRight", view.right * width);
        m_label.setUniformValue("uUp", view.up * kLabelHeight);
        glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    }
    glDisable(GL_BLEND);
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    // Only the textures of the persons labelled now are kept.
    if (m_labelTextures.size() > view.labels.size()) {
        std::unordered_set<int64_t> shown;
        for (const NodeLabel& label : view.labels) shown.insert(label.person);
        std::erase_if(m_labelTextures,
                      [&](const auto& entry) { return !shown.count(entry.first); });
    }
}

void SceneRenderer::CopyToTarget(GLuint target, const QSize& pixels)
{
    glBindFramebuffer(GL_FRAMEBUFFER, target);
    glViewport(0, 0, pixels.width(), pixels.height());
    glDisable(GL_DEPTH_TEST);
    m_copy.bind();
    m_copy.setUniformValue("uFrame", 0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, m_frame->texture());
    QOpenGLVertexArrayObject::Binder bind(&m_emptyVao);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    glEnable(GL_DEPTH_TEST);
}

void SceneRenderer::Render(const FrameView& view, GLuint target)
{
    PrepareFrameBuffer(view.pixels);
    m_frame->bind();
    glViewport(0, 0, m_frame->width(), m_frame->height());
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_PROGRAM_POINT_SIZE);
    DrawModels(view, m_spheres, m_tubes, m_blocks, &m_points);
    DrawBands(view);
    if (view.marked) {
        DrawOverlay(view.dimming);
        // Nodes and tubes come out on top; a marked block only where it can be seen, since
        // the blocks of the lines below it would cover the whole scene.
        if (view.blocks) {
            glDepthFunc(GL_LEQUAL);
        } else {
            glClear(GL_DEPTH_BUFFER_BIT);
        }
        DrawModels(view, m_markedSpheres, m_markedTubes, m_markedBlocks, nullptr);
        glDepthFunc(GL_LESS);
    }
    DrawLabels(view);
    CopyToTarget(target, view.pixels);
}

void SceneRenderer::Release()
{
    m_labelTextures.clear();
    m_frame.reset();
    m_stripes.reset();
    for (InstancedModel* model :
         {&m_spheres, &m_tubes, &m_blocks, &m_markedSpheres, &m_markedTubes, &m_markedBlocks})
        model->Destroy();
    m_points.Destroy();
    m_bands.Destroy();
    m_thinTubes.Destroy();
    m_emptyVao.destroy();
}

}  // namespace qv
