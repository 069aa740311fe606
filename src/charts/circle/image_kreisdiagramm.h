// TImage_Kreisdiagramm: the circle ancestor chart. The proband in the centre, each ancestor in
// the sector its Kekule position inherits from its child, one ring per generation, as a full
// circle or the upper half.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "calc/calc_class.h"
#include "charts/chart_common.h"
#include "charts/circle/circle_geometry.h"
#include "charts/circle/circle_label.h"
#include "charts/circle/circle_sectors.h"
#include "charts/pixel_rounding.h"

namespace qv {

inline constexpr TColor kCircleCaptionColor = RgbColor(128, 128, 128);

class TImage_Kreisdiagramm : public TImage_Common {
public:
    // The settings and data must outlive the chart.
    TImage_Kreisdiagramm(const TAhnenData& data, const TImageSettings& settings,
                         ProgressCallback progress = {});

    // Computes the smallest Kekule numbers and the rings; afterwards Width and Height are
    // valid. False when cancelled. Throws Error without a proband ("Kein Proband gewählt!"),
    // for a cyclic ancestry, and when the captions or the half circle's cut do not fit the
    // ring width.
    bool Create();

    int32_t Generations() const { return m_generations; }
    int32_t RingWidth() const { return m_ringWidth; }

    // The chart with its top-left corner at offset: background, sectors, labels, outlines and
    // captions. A picture gets every ancestor slot down to sectors narrower than a pixel; a
    // document stops after 16 generations and draws each deeper ancestry as one radial line.
    // False when cancelled.
    bool Draw(ChartPainter& painter, Point offset);

private:
    int64_t Proband() const { return Settings.ProbandIndex; }
    void CheckRoom() const;
    CircleFrame Frame(Point offset) const;
    CircleWalkRules WalkRules(const CircleFrame& frame, PainterTarget target) const;
    void DrawBackground(ChartPainter& painter, const CircleFrame& frame) const;
    void OpenCaptionGap(CircleFrame& frame) const;
    std::vector<PointF> ProbandShape(const CircleFrame& frame) const;
    bool DrawPictureSectors(ChartPainter& painter, const CircleFrame& frame,
                            const std::vector<CircleSector>& sectors);
    bool DrawPictureOutlines(ChartPainter& painter, const CircleFrame& frame,
                             const std::vector<CircleSector>& sectors, Point extent) const;
    bool DrawDocumentSectors(ChartPainter& painter, const CircleFrame& frame,
                             const std::vector<CircleSector>& sectors);
    void DrawDocumentSector(ChartPainter& painter, const CircleFrame& frame,
                            const CircleSector& sector) const;
    void DrawLabel(ChartPainter& painter, const CircleFrame& frame, const CircleSector& sector);
    void DrawCaptions(ChartPainter& painter, const CircleFrame& frame) const;
    bool ReportSector(size_t done, size_t total);

    std::unique_ptr<TCalcClass> m_calc;
    CircleLabelFitter m_fitter;
    int32_t m_ringWidth = 50;
    int32_t m_generations = 1;
    bool m_half = false;
};

}  // namespace qv
