// Draws the 3D scene with OpenGL: models, overlays, labels and 2× supersampling.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <QMatrix4x4>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QOpenGLShaderProgram>
#include <QOpenGLTexture>
#include <QVector3D>

#include "gui/gpu_model.h"
#include "view3d/level_of_detail.h"
#include "view3d/scene_3d.h"

namespace qv {

// What the scene shows, as instance arrays (see view3d/scene_meshes.h).
struct SceneModels {
    std::vector<float> nodes;  // spheres and points
    std::vector<float> tubes;
    std::vector<float> blocks;
    std::vector<BandStrip> bands;
};

struct NodeLabel {
    int64_t person = -1;
    std::string text;
    QVector3D colour;
    QVector3D position;
};

// One frame: the camera, and the marked part drawn again over a dimmed scene.
struct FrameView {
    QMatrix4x4 viewProjection;
    QVector3D eye;
    QVector3D right;
    QVector3D up;
    QSize pixels;
    bool marked = false;
    bool blocks = false;
    float dimming = 0;
    std::vector<NodeLabel> labels;
};

class SceneRenderer : protected QOpenGLExtraFunctions {
public:
    // Everything below needs the widget's context current.
    void Initialize(const SceneModels& models);
    void SetMarked(const SceneModels& marked);
    // This frame's spheres and tubes; what is too small is drawn as points and lines.
    void SetDetail(const std::vector<float>& spheres, const TubeDetail& tubes);
    void Render(const FrameView& view, GLuint target);
    void Release();

private:
    void BuildPrograms();
    void PrepareFrameBuffer(const QSize& pixels);
    void SetCamera(QOpenGLShaderProgram& program, const FrameView& view);
    void DrawModels(const FrameView& view, InstancedModel& spheres, InstancedModel& tubes,
                    InstancedModel& blocks, VertexList* points);
    void DrawBands(const FrameView& view);
    void DrawOverlay(float alpha);
    void DrawLabels(const FrameView& view);
    QOpenGLTexture& LabelTexture(const NodeLabel& label);
    void CopyToTarget(GLuint target, const QSize& pixels);

    QOpenGLShaderProgram m_lit, m_tube, m_colour, m_overlay, m_copy, m_label;
    InstancedModel m_spheres, m_tubes, m_blocks;
    InstancedModel m_markedSpheres, m_markedTubes, m_markedBlocks;
    VertexList m_points, m_bands, m_thinTubes;
    QOpenGLVertexArrayObject m_emptyVao;
    std::unique_ptr<QOpenGLTexture> m_stripes;
    std::unique_ptr<QOpenGLFramebufferObject> m_frame;
    std::unordered_map<int64_t, std::unique_ptr<QOpenGLTexture>> m_labelTextures;
};

}  // namespace qv
