// Drawing the ancestor chart through a painter.
#include "charts/tree/image_vorfahren.h"
#include "charts/tree/line_hit_grid.h"
#include "charts/tree/tree_orientation.h"
#include "render/bitmap_line.h"

namespace qv {

TColor TImage_Vorfahren::LabelBackground(int64_t person) const
{
    if (person == m_highlighted) return kHighlightColor;
    if (Settings.Tree.BackgroundColored && RowOf(person) % 2 == 1) return kGenerationBandColor;
    return kWhite;
}

Point TImage_Vorfahren::PicturePoint(int64_t person, Point origin) const
{
    Point p = OrientPoint(m_positions[person]);
    return {p.x + origin.x, p.y + origin.y};
}

std::vector<ChartPolyline> TImage_Vorfahren::PictureLines(Point origin) const
{
    std::vector<ChartPolyline> lines = Lines();
    for (ChartPolyline& line : lines) {
        for (Point& p : line) {
            p = OrientPoint(p);
            p = {p.x + origin.x, p.y + origin.y};
        }
    }
    return lines;
}

bool TImage_Vorfahren::Draw(ChartPainter& painter, Point origin)
{
    if (ReportProgress(Progress, "Vorfahren: Zeichne Linien", 0, 1)) return false;
    TBitmapLine layer(Width, Height, Progress);
    for (const ChartPolyline& line : PictureLines({0, 0})) layer.AddLine(line);
    if (!painter.Lines(layer, origin)) return false;
    // A picture is painted person by person. A document takes every label first and then
    // the symbols as one layer, so that both form a few groups instead of one per person.
    if (painter.Target() == PainterTarget::Document) return DrawLabelsThenSymbols(painter, origin);
    return DrawPersonByPerson(painter, origin);
}

bool TImage_Vorfahren::DrawPersonByPerson(ChartPainter& painter, Point origin)
{
    const int64_t count = int64_t(Data.Persons.size());
    for (int64_t p = 0; p < count; ++p) {
        if (!Shown(p)) continue;
        if (ReportProgress(Progress, "Vorfahren: Zeichne Symbole und Text", p, count)) return false;
        const Point at = PicturePoint(p, origin);
        DrawSymbol(painter, Data.Persons[p].Sex, at);
        DrawLabel(painter, Placement(), at, m_labels[p], LabelBackground(p));
    }
    return true;
}

// Symbols go row by row, each row in order across.
bool TImage_Vorfahren::DrawLabelsThenSymbols(ChartPainter& painter, Point origin)
{
    if (ReportProgress(Progress, "Vorfahren: Zeichne Text", 0, 1)) return false;
    painter.BeginGroup(GroupStyle().Font());
    if (Settings.FontStayOnTop) DrawCrossedHalos(painter, origin);
    painter.BeginGroup(GroupStyle().Stroke(kBlack, 0).Fill(kBlack));
    for (size_t p = 0; p < m_labels.size(); ++p) {
        if (!Shown(p)) continue;
        const Point at = PicturePoint(int64_t(p), origin);
        for (size_t k = 0; k < m_labels[p].size(); ++k)
            painter.Text(Placement().LinePoint(at, k), m_labels[p][k]);
    }
    painter.EndGroup();
    painter.EndGroup();
    if (ReportProgress(Progress, "Vorfahren: Zeichne Symbole", 0, 1)) return false;
    const bool horizontal = IsHorizontalAlignment(Settings.Tree.Alignment);
    painter.BeginSymbols();
    for (size_t p = 0; p < m_drawn.size(); ++p) {
        if (!Shown(p)) continue;
        const Point at = PicturePoint(int64_t(p), origin);
        DrawSymbol(painter, Data.Persons[p].Sex, at, {m_rows[p], horizontal ? at.y : at.x});
    }
    painter.EndSymbols();
    return true;
}

// Only label lines that a line passes under need a halo; under the others the paper is clear.
void TImage_Vorfahren::DrawCrossedHalos(ChartPainter& painter, Point origin)
{
    const LineHitGrid grid(PictureLines(origin));
    painter.BeginGroup(GroupStyle().Stroke(kWhite, 4).Fill(kWhite));
    for (size_t p = 0; p < m_labels.size(); ++p) {
        if (!Shown(p)) continue;
        const Point at = PicturePoint(int64_t(p), origin);
        for (size_t k = 0; k < m_labels[p].size(); ++k) {
            const Point line = Placement().LinePoint(at, k);
            if (grid.Crosses(line.x - 2, line.y - 2, TextWidth(m_labels[p][k]) + 4,
                             m_lineHeight + 4))
                painter.Halo(line, LabelBackground(int64_t(p)), m_labels[p][k]);
        }
    }
    painter.EndGroup();
}

}  // namespace qv
