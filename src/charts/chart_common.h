// TImage_Common: the base of every chart renderer, with the services all charts share:
// the orientation swap, person symbols, measuring label text and the comment blocks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/image_settings.h"
#include "charts/chart_comments.h"
#include "charts/chart_painter.h"
#include "data/ahnen_data.h"
#include "data/progress.h"
#include "render/bitmap.h"
#include "render/point.h"
#include "render/text_metrics.h"

namespace qv {

// Which chart a renderer is: it decides the orientation swap and the line antialiasing.
enum class ChartClass { Ancestors, Descendants, Circle, Triangle, Frequency };

inline constexpr TColor kGenerationBandColor = 0xF0F0F0;
inline constexpr TColor kHighlightColor = 0x00FFFF;  // yellow

struct CommentHeights {
    int header = 0;
    int footer = 0;
};

class TImage_Common {
public:
    // The settings and data must outlive the chart.
    TImage_Common(ChartClass chartClass, const TAhnenData& data, const TImageSettings& settings,
                  ProgressCallback progress = {});
    // Clears the progress display.
    virtual ~TImage_Common();
    TImage_Common(const TImage_Common&) = delete;
    TImage_Common& operator=(const TImage_Common&) = delete;

    const TImageSettings& Settings;
    const TAhnenData& Data;
    ProgressCallback Progress;
    // The finished chart's extent in image orientation; set by the layout.
    int32_t Width = 0;
    int32_t Height = 0;

    // Exchanges x and y where the chart's alignment runs across (alignment 2 or 3 of the
    // tree charts and the triangle diagram); other charts never exchange them.
    Point OrientPoint(Point p) const;

    // What a painter for this chart draws with: font, halo, line antialiasing, symbols.
    ChartPainterStyle PainterStyle() const;
    // The person symbol centred at `at`, a triangle pointing along the chart's alignment;
    // order places it within a symbol layer.
    void DrawSymbol(ChartPainter& painter, char sex, Point at, SymbolOrder order = {}) const;

    // Label text is UTF-8 with small-text runs; malformed UTF-8 counts as empty text.
    int LineHeight() const { return m_lineHeight; }
    int TextWidth(std::string_view text) const;
    int MaxTextWidth(const TArrayOfString& lines) const;

    // Header and footer heights at the given width (0 for a block switched off).
    CommentHeights MeasureComments(CommentKind kind, int width);
    // The blocks measured at the width, the header at the top, the footer at the bottom.
    void DrawComments(ChartPainter& painter, CommentKind kind, int width, CommentHeights heights);
    // The assembled header: headline in an Arial font element, then the header lines.
    TArrayOfString HeaderLines(CommentKind kind) const;

    // The chart's font at FONT_SIZE (or the small size), smoothed per FONT_ANTIALIASING.
    FontSpec ChartFont(bool small = false) const;

private:
    bool LineAntialiasing() const;
    int Alignment() const;
    void RenderComments(CommentKind kind, int width);

    ChartClass m_class;
    int m_lineHeight = 0;
    TextMetrics m_normalMetrics;
    TextMetrics m_smallMetrics;
    // The rendered blocks of the last MeasureComments, reused for drawing.
    std::optional<std::pair<CommentKind, int>> m_commentsFor;
    Bitmap m_header;
    Bitmap m_footer;
};

}  // namespace qv
