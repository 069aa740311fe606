// One build of the tree chart: both charts created, laid out, measured and drawn.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/image_settings.h"
#include "charts/tree/footnote_layout.h"
#include "charts/tree/image_nachfahren.h"
#include "charts/tree/image_vorfahren.h"
#include "charts/tree/kindred_data.h"
#include "charts/tree/tree_chart_frame.h"
#include "charts/tree/tree_chart_texts.h"
#include "render/bitmap.h"
#include "render/scalable_vector_graphics.h"

namespace qv {

class TreeChartBuilder {
public:
    // Works on its own copy of the settings. Throws Error for a missing proband or an empty
    // selection of tree type 2, before anything is built. An interactive chart is the
    // scripted ancestor chart alone.
    TreeChartBuilder(const TAhnenData& data, const TImageSettings& settings,
                     const TreeChartTexts& texts, ProgressCallback progress,
                     bool interactive = false);

    // Charts created, laid out, captions and footnotes measured; false when cancelled.
    bool Prepare();
    // The persons shown, each once: the proband stands in both charts, placeholders in none.
    int32_t PersonCount() const { return m_personCount; }
    int32_t ImageWidth() const;
    int32_t ImageHeight() const;
    // False when cancelled.
    bool DrawRaster(Bitmap& bitmap);
    // An interactive document gets the cookie name guid.
    bool DrawVector(TScalableVectorGraphics& svg, const std::string& guid = {});

private:
    void CreateCharts();
    bool LayOutCharts();
    void AddCaptions();
    void MeasureFrame();
    bool Report(const std::string& text);
    Point AncestorPlace() const;
    Point DescendantPlace() const;
    void CountPersons();
    struct Highlight {
        Point from, to;
    };
    std::optional<Highlight> HighlightBox() const;
    struct Caption {
        int32_t coordinate;
        Point origin;
        const TArrayOfString* lines;
    };
    std::vector<Caption> Captions() const;
    Point FootnoteLinePoint(size_t line, bool key) const;
    // The interactive document, when given, receives the scripted ancestor chart.
    bool Draw(ChartPainter& painter, TScalableVectorGraphics* interactive = nullptr,
              const std::string& guid = {});
    bool DrawInteractiveAncestors(ChartPainter& painter, TScalableVectorGraphics& svg,
                                  const std::string& guid);
    void DrawFrame(ChartPainter& painter);

    const TAhnenData& m_data;
    int32_t m_personCount = 0;
    TImageSettings m_settings;
    const TreeChartTexts& m_texts;
    ProgressCallback m_progress;
    bool m_cancelled = false;
    bool m_interactive = false;
    int64_t m_highlighted = -1;
    std::optional<KindredData> m_kindred;
    const TAhnenData* m_chartData = nullptr;
    std::optional<TImage_Vorfahren> m_ancestors;
    std::optional<TImage_Nachfahren> m_descendants;
    TFootNotes m_ancestorNotes;
    TFootNotes m_descendantNotes;
    std::vector<FootnoteLine> m_footnoteLines;
    std::vector<TArrayOfString> m_ancestorCaptions;
    std::vector<TArrayOfString> m_descendantCaptions;
    TreeChartMargins m_margins;
    TreeChartFrame m_frame;
};

}  // namespace qv
