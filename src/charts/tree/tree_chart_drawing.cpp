// Drawing a prepared tree chart: bands, captions, footnotes, highlight, both charts, comments.
#include "charts/raster_chart_painter.h"
#include "charts/svg_chart_painter.h"
#include "charts/tree/interactive_ancestor_svg.h"
#include "charts/tree/tree_chart_builder.h"

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

// Bands, captions, footnotes and the highlight, all under the charts.
void TreeChartBuilder::DrawFrame(ChartPainter& painter)
{
    if (m_settings.Tree.BackgroundColored) {
        const ShapeStyle bandStyle{kGenerationBandColor, kGenerationBandColor, 1};
        painter.BeginGroup(GroupStyle().Stroke(kGenerationBandColor, 1).Fill(kGenerationBandColor));
        for (const BandRect& band : GenerationBands(*m_ancestors, *m_descendants, m_frame,
                                                    m_margins, ImageWidth(), ImageHeight()))
            painter.Rectangle(band.from, band.to, bandStyle);
        painter.EndGroup();
    }
    painter.BeginGroup(GroupStyle().StrokeWidth(0).Fill(kBlack).Font());
    for (const Caption& caption : Captions())
        for (size_t k = 0; k < caption.lines->size(); ++k)
            painter.Text(CaptionPoint(m_settings, m_ancestors->LineHeight(), caption.coordinate,
                                      caption.origin, m_margins, int32_t(k)),
                         (*caption.lines)[k]);
    painter.EndGroup();
    Report("Zeichne Fußnoten");
    painter.BeginGroup(GroupStyle().Stroke(kBlack, 0).Fill(kBlack).Font());
    for (size_t m = 0; m < m_footnoteLines.size(); ++m) {
        painter.Text(FootnoteLinePoint(m, true), m_footnoteLines[m].Key);
        painter.Text(FootnoteLinePoint(m, false), m_footnoteLines[m].Text);
    }
    painter.EndGroup();
    if (std::optional<Highlight> box = HighlightBox())
        painter.Rectangle(box->from, box->to, {kHighlightColor, kHighlightColor, 0});
}

bool TreeChartBuilder::DrawInteractiveAncestors(ChartPainter& painter, TScalableVectorGraphics& svg,
                                                const std::string& guid)
{
    InteractiveSvgContext context{AncestorPlace(), guid, {}};
    if (m_settings.Tree.LabelExt && m_texts.ExtendedLabel)
        context.hoverLabel = [this](int64_t person) {
            TFootNotes unused;
            return m_texts.ExtendedLabel(*m_chartData, person, unused);
        };
    return WriteInteractiveAncestors(*m_ancestors, painter, svg, context);
}

bool TreeChartBuilder::Draw(ChartPainter& painter, TScalableVectorGraphics* interactive,
                            const std::string& guid)
{
    if (Report(kFrameProgress)) return false;
    DrawFrame(painter);
    if (m_cancelled) return false;
    if (interactive) {
        if (!DrawInteractiveAncestors(painter, *interactive, guid)) return false;
    } else {
        if (!m_descendants->Draw(painter, DescendantPlace())) return false;
        if (!m_ancestors->Draw(painter, AncestorPlace())) return false;
    }
    if (Report("Zeichne Kommentare")) return false;
    m_ancestors->DrawComments(painter, CommentKind::TreeChart, m_frame.CombinedWidth,
                              {m_margins.Header, m_margins.Footer});
    return !m_cancelled;
}

bool TreeChartBuilder::DrawRaster(Bitmap& bitmap)
{
    RasterChartPainter painter(bitmap, m_ancestors->PainterStyle());
    return Draw(painter);
}

bool TreeChartBuilder::DrawVector(TScalableVectorGraphics& svg, const std::string& guid)
{
    svg.Width = ImageWidth();
    svg.Height = ImageHeight();
    svg.Font = {"Arial", m_settings.FontSize};
    SvgChartPainter painter(svg, m_ancestors->PainterStyle());
    if (!m_interactive) return Draw(painter);
    // The script finds each line and symbol by its own element, so nothing is merged.
    svg.TrimLines = true;
    svg.MergePaths = false;
    svg.Add("<rect y=\"-0.5\" width=\"1\" height=\"1\" stroke-width=\"0\" fill-opacity=\"0\"/>");
    return Draw(painter, &svg, guid);
}

}  // namespace qv
