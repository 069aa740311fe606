// Drawing a prepared tree chart: bands, captions, footnotes, highlight, both charts, comments.
#include <algorithm>

#include "charts/tree/tree_chart_builder.h"
#include "render/canvas.h"

namespace qv {
namespace {

constexpr const char* kFrameProgress = "Zeichne Generationsbeschriftung und -hintergrund";

}  // namespace

std::vector<TreeChartBuilder::Caption> TreeChartBuilder::Captions() const
{
    std::vector<Caption> captions;
    for (int32_t n = m_ancestors->RowCount() - 1; n >= 0; --n)
        captions.push_back(
            {m_ancestors->RowCoordinate(n), m_frame.AncestorOrigin, &m_ancestorCaptions[n]});
    for (int32_t i = 1; i < m_descendants->RowCount(); ++i)
        captions.push_back(
            {m_descendants->RowCoordinate(i), m_frame.DescendantOrigin, &m_descendantCaptions[i]});
    return captions;
}

// The yellow box under the highlighted person's label, taken from the ancestor chart when the
// person is there, else from the descendant tree.
std::optional<TreeChartBuilder::Highlight> TreeChartBuilder::HighlightBox() const
{
    const int64_t person = m_highlighted;
    if (person < 0 || person >= int64_t(m_chartData->Persons.size())) return std::nullopt;
    const bool ancestor = m_ancestors->Drawn()[person];
    if (!ancestor && !m_descendants->TreePersons()[person]) return std::nullopt;
    const TImage_Common& chart =
        ancestor ? static_cast<const TImage_Common&>(*m_ancestors) : *m_descendants;
    const Point at = chart.OrientPoint(ancestor ? m_ancestors->PositionOf(person)
                                                : m_descendants->PositionOf(person));
    const TArrayOfString& label =
        ancestor ? m_ancestors->LabelOf(person) : m_descendants->LabelOf(person);
    const Point place = ancestor ? AncestorPlace() : DescendantPlace();
    const Point from{place.x + at.x + 1, place.y + at.y + m_settings.Symbol.Radius};
    return Highlight{from,
                     {from.x + chart.MaxTextWidth(label) + 4,
                      from.y + int32_t(label.size()) * chart.LineHeight()}};
}

// Line m of the footnote block: the key at the left edge, the text after the key's width.
Point TreeChartBuilder::FootnoteLinePoint(size_t line, bool key) const
{
    size_t first = line;
    while (first > 0 && m_footnoteLines[first].Key.empty()) --first;
    const int32_t x = key ? 10 : 10 + m_ancestors->TextWidth(m_footnoteLines[first].Key + " ");
    return {x, m_margins.Header + m_margins.Top + m_frame.CombinedHeight + 10 +
                   int32_t(line) * m_ancestors->LineHeight()};
}

void TreeChartBuilder::DrawRasterFrame(Bitmap& bitmap)
{
    Canvas canvas(bitmap);
    canvas.SetFont(m_ancestors->ChartFont());
    if (m_settings.Tree.BackgroundColored) {
        canvas.SetPen(kGenerationBandColor);
        canvas.SetBrush(kGenerationBandColor);
        for (const BandRect& band : GenerationBands(*m_ancestors, *m_descendants, m_frame,
                                                    m_margins, ImageWidth(), ImageHeight()))
            canvas.Rectangle(std::min(band.from.x, band.to.x), std::min(band.from.y, band.to.y),
                             std::max(band.from.x, band.to.x), std::max(band.from.y, band.to.y));
    }
    canvas.SetBrushStyle(BrushStyle::Clear);
    const int32_t lineHeight = m_ancestors->LineHeight();
    for (const Caption& caption : Captions())
        for (size_t k = 0; k < caption.lines->size(); ++k) {
            const Point at = CaptionPoint(m_settings, lineHeight, caption.coordinate,
                                          caption.origin, m_margins, int32_t(k));
            m_ancestors->DrawText(canvas, at.x, at.y, (*caption.lines)[k]);
        }
    Report("Zeichne Fußnoten");
    for (size_t m = 0; m < m_footnoteLines.size(); ++m) {
        const Point key = FootnoteLinePoint(m, true), text = FootnoteLinePoint(m, false);
        m_ancestors->DrawText(canvas, key.x, key.y, m_footnoteLines[m].Key);
        m_ancestors->DrawText(canvas, text.x, text.y, m_footnoteLines[m].Text);
    }
    if (std::optional<Highlight> box = HighlightBox()) {
        canvas.SetBrush(kHighlightColor);
        canvas.FillRect(box->from.x, box->from.y, box->to.x, box->to.y);
    }
}

bool TreeChartBuilder::DrawRaster(Bitmap& bitmap)
{
    if (Report(kFrameProgress)) return false;
    DrawRasterFrame(bitmap);
    if (m_cancelled) return false;
    const Point descendants = DescendantPlace(), ancestors = AncestorPlace();
    if (!m_descendants->DrawBitmap(bitmap, descendants.x, descendants.y)) return false;
    if (!m_ancestors->DrawBitmap(bitmap, ancestors.x, ancestors.y)) return false;
    if (Report("Zeichne Kommentare")) return false;
    m_ancestors->DrawComments(bitmap, CommentKind::TreeChart, m_frame.CombinedWidth,
                              m_margins.Header, m_margins.Footer);
    return !m_cancelled;
}

void TreeChartBuilder::WriteVectorFrame(TScalableVectorGraphics& svg)
{
    if (m_settings.Tree.BackgroundColored) {
        svg.Pen = {kGenerationBandColor, 1};
        svg.Brush = {kGenerationBandColor, TSVGBrushStyle::Solid};
        svg.BeginGroup(kSvgFill | kSvgStroke | kSvgStrokeWidth);
        for (const BandRect& band : GenerationBands(*m_ancestors, *m_descendants, m_frame,
                                                    m_margins, ImageWidth(), ImageHeight()))
            svg.Rectangle(band.from.x, band.from.y, band.to.x, band.to.y);
        svg.EndGroup();
    }
    svg.Pen = {kBlack, 0};
    svg.Brush = {kBlack, TSVGBrushStyle::Solid};
    svg.BeginGroup(kSvgFill | kSvgStrokeWidth | kSvgFontFamily | kSvgFontSize);
    for (const Caption& caption : Captions())
        for (size_t k = 0; k < caption.lines->size(); ++k) {
            const Point at = CaptionPoint(m_settings, m_ancestors->LineHeight(), caption.coordinate,
                                          caption.origin, m_margins, int32_t(k));
            m_ancestors->DrawTextSvg(svg, at.x, at.y, (*caption.lines)[k]);
        }
    svg.EndGroup();
    Report("Zeichne Fußnoten");
    svg.BeginGroup(kSvgFill | kSvgStroke | kSvgStrokeWidth | kSvgFontFamily | kSvgFontSize);
    for (size_t m = 0; m < m_footnoteLines.size(); ++m) {
        const Point key = FootnoteLinePoint(m, true), text = FootnoteLinePoint(m, false);
        m_ancestors->DrawTextSvg(svg, key.x, key.y, m_footnoteLines[m].Key);
        m_ancestors->DrawTextSvg(svg, text.x, text.y, m_footnoteLines[m].Text);
    }
    svg.EndGroup();
    if (std::optional<Highlight> box = HighlightBox()) {
        svg.Pen = {kHighlightColor, 0};
        svg.Brush = {kHighlightColor, TSVGBrushStyle::Solid};
        svg.Rectangle(box->from.x, box->from.y, box->to.x, box->to.y);
    }
}

bool TreeChartBuilder::DrawVector(TScalableVectorGraphics& svg)
{
    svg.Width = ImageWidth();
    svg.Height = ImageHeight();
    svg.Font = {"Arial", m_settings.FontSize};
    if (Report(kFrameProgress)) return false;
    WriteVectorFrame(svg);
    if (m_cancelled) return false;
    const Point descendants = DescendantPlace(), ancestors = AncestorPlace();
    if (!m_descendants->DrawSvg(svg, descendants.x, descendants.y)) return false;
    if (!m_ancestors->DrawSvg(svg, ancestors.x, ancestors.y)) return false;
    if (Report("Zeichne Kommentare")) return false;
    m_ancestors->WriteCommentsSvg(svg, CommentKind::TreeChart, m_margins.Header, m_margins.Footer);
    return !m_cancelled;
}

}  // namespace qv
