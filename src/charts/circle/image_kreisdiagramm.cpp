// Creating the circle chart and drawing what both forms share: background, labels, captions.
#include "charts/circle/image_kreisdiagramm.h"

#include <algorithm>
#include <numbers>
#include <string>

#include "charts/circle/circle_ancestry.h"
#include "data/error.h"

namespace qv {
namespace {

constexpr TColor kOddRingColor = 0xF0F0F0;
constexpr TColor kEvenRingColor = 0xE0E0E0;
// Sectors deeper than this become one radial line per line of descent in a document.
constexpr int32_t kLastDocumentDepth = 16;

std::string CaptionText(int32_t ring)
{
    return "k = " + std::to_string(-ring);
}

}  // namespace

TImage_Kreisdiagramm::TImage_Kreisdiagramm(const TAhnenData& data, const TImageSettings& settings,
                                           ProgressCallback progress)
    : TImage_Common(ChartClass::Circle, data, settings, std::move(progress)),
      m_fitter(ChartFont()),
      m_ringWidth(static_cast<int32_t>(std::clamp<uint32_t>(settings.Circle.NodeHeight, 50, 1000))),
      m_half(settings.Circle.Shape == 1)
{
}

bool TImage_Kreisdiagramm::Create()
{
    if (Proband() < 0 || Proband() >= static_cast<int64_t>(Data.Persons.size()))
        throw Error("Kein Proband gewählt!");
    if (ReportProgress(Progress, "Berechne Kekulenummern", 0, 2)) return false;
    m_calc = std::make_unique<TCalcClass>(Data, Progress);
    m_calc->SetProband(Proband());
    if (ReportProgress(Progress, "Zähle Generationen", 1, 2)) return false;
    m_generations = CircleRingCount(Data, Proband(), Settings.Circle.TreeMaxGen + 1);
    CheckRoom();
    Width = 2 * m_ringWidth * m_generations + 16;
    Height = m_half ? m_ringWidth * m_generations + 2 * LineHeight() + 16 : Width;
    return true;
}

// The half circle's cut and the captions' gap are only defined while the ring is wide enough
// for the text; a narrower ring would draw garbage, so the chart is refused with the remedy.
void TImage_Kreisdiagramm::CheckRoom() const
{
    const int32_t lineHeight = LineHeight();
    const std::string size = std::to_string(Settings.FontSize);
    if (m_half && 2 * lineHeight > m_ringWidth)
        throw Error("Der Halbkreis braucht bei Schriftgröße " + size +
                    " einen Generationsabstand von mindestens " + std::to_string(2 * lineHeight) +
                    " Pixeln: bitte den Abstand vergrößern oder die Schrift verkleinern.");
    const int32_t captionWidth = TextWidth(CaptionText(1));
    if (!m_half && Settings.Circle.Generations &&
        !CaptionGapAngle(captionWidth, m_ringWidth, lineHeight)) {
        const int32_t needed = (captionWidth + lineHeight + 2) / 3;
        throw Error("Die Generationsangabe braucht bei Schriftgröße " + size +
                    " einen Generationsabstand von mindestens " + std::to_string(needed) +
                    " Pixeln: bitte den Abstand vergrößern, die Schrift verkleinern oder die "
                    "Generationsangabe abschalten.");
    }
}

CircleFrame TImage_Kreisdiagramm::Frame(Point offset) const
{
    const int32_t radius = m_ringWidth * m_generations;
    CircleFrame frame;
    frame.centre = {double(offset.x + radius + 8), double(offset.y + radius + 8)};
    frame.ringWidth = m_ringWidth;
    frame.start = std::numbers::pi / 2;
    frame.span = m_half ? std::numbers::pi : 2 * std::numbers::pi;
    return frame;
}

CircleWalkRules TImage_Kreisdiagramm::WalkRules(const CircleFrame& frame,
                                                PainterTarget target) const
{
    CircleWalkRules rules;
    rules.rings = m_generations;
    rules.start = frame.start;
    rules.span = frame.span;
    rules.markRepeated = Settings.Circle.HighlightDouble;
    rules.ringWidth = m_ringWidth;
    // A picture cannot show a sector narrower than a pixel; its ancestry becomes a line.
    if (target == PainterTarget::Picture)
        rules.narrowestWedge = 1;
    else
        rules.lastDepth = kLastDocumentDepth;
    return rules;
}

// One grey disc, or alternating rings from the outermost down to the first ring that can
// have a gap; each smaller disc covers the middle of the one before.
void TImage_Kreisdiagramm::DrawBackground(ChartPainter& painter, const CircleFrame& frame) const
{
    int32_t innermost = m_generations;
    if (Settings.Circle.BackgroundColored)
        innermost =
            !m_half && Settings.Circle.Generations ? 2 : FirstMissingDepth(Data, Proband()) + 2;
    painter.BeginGroup(GroupStyle().StrokeWidth(1));
    for (int32_t n = m_generations; n >= innermost; --n) {
        const bool odd = n % 2 == 1 || !Settings.Circle.BackgroundColored;
        const TColor grey = odd ? kOddRingColor : kEvenRingColor;
        painter.PolygonF(SectorDisc(frame, double(n) * m_ringWidth), {grey, grey, 1});
    }
    painter.EndGroup();
}

void TImage_Kreisdiagramm::OpenCaptionGap(CircleFrame& frame) const
{
    if (m_half || !Settings.Circle.Generations) return;
    const double gap = *CaptionGapAngle(TextWidth(CaptionText(1)), m_ringWidth, LineHeight());
    frame.start = gap;
    frame.span = 2 * std::numbers::pi - 2 * gap;
}

std::vector<PointF> TImage_Kreisdiagramm::ProbandShape(const CircleFrame& frame) const
{
    return *HalfCircleCap(frame, LineHeight());
}

bool TImage_Kreisdiagramm::ReportSector(size_t done, size_t total)
{
    // One report per sector would let the window repaint hundreds of thousands of times.
    const size_t step = std::max<size_t>(1, total / 500);
    if (done % step != 0) return false;
    return ReportProgress(Progress, "Zeichne Personen", int64_t(done), int64_t(total));
}

void TImage_Kreisdiagramm::DrawLabel(ChartPainter& painter, const CircleFrame& frame,
                                     const CircleSector& sector)
{
    TextBlock block;
    block.background = sector.color;
    std::optional<CircleLabel> label;
    if (sector.depth == 0) {
        const LabelLimits limits{2 * m_ringWidth - 1, 2 * m_ringWidth - 1, 0, double(m_ringWidth)};
        const CircleLabelFacts facts = CircleLabelFactsOf(
            Data.Persons[sector.person], m_calc->GetKekuleMin(sector.person), Settings.Circle);
        label = m_fitter.Richest(facts, limits, Settings.FontSize);
        block.centre = RoundToPixel(frame.centre);
    } else {
        const CircleLabelPlace place =
            CircleLabelPlaceOf(frame, sector.depth, sector.from, sector.span);
        if (!m_fitter.CanHold(place.limits)) return;
        const CircleLabelFacts facts = CircleLabelFactsOf(
            Data.Persons[sector.person], m_calc->GetKekuleMin(sector.person), Settings.Circle);
        label = m_fitter.Fit(facts, place.limits, Settings.FontSize);
        block.centre = place.centre;
        block.angle = -place.turn;
    }
    if (!label || label->level == 0) return;
    block.lines = label->lines;
    block.fontSize = label->fontSize;
    painter.RotatedBlock(block);
}

// "k = -1" and further in the middle of each ring: below the centre of a full circle, left
// and right under the base line of a half circle.
void TImage_Kreisdiagramm::DrawCaptions(ChartPainter& painter, const CircleFrame& frame) const
{
    if (!Settings.Circle.Generations) return;
    const int32_t cx = int32_t(frame.centre.x), cy = int32_t(frame.centre.y);
    for (int32_t i = 1; i < m_generations; ++i) {
        const std::string text = CaptionText(i);
        const int32_t x = cx - TextWidth(text) / 2;
        const int32_t along = static_cast<int32_t>((i + 0.5) * m_ringWidth);
        if (m_half) {
            painter.Text({x - along, cy + LineHeight() / 2}, text, kCircleCaptionColor);
            painter.Text({x + along, cy + LineHeight() / 2}, text, kCircleCaptionColor);
        } else {
            painter.Text({x, cy + along - LineHeight() / 2}, text, kCircleCaptionColor);
        }
    }
}

bool TImage_Kreisdiagramm::Draw(ChartPainter& painter, Point offset)
{
    CircleFrame frame = Frame(offset);
    DrawBackground(painter, frame);
    OpenCaptionGap(frame);
    const std::vector<CircleSector> sectors =
        WalkCircleSectors(Data, Proband(), WalkRules(frame, painter.Target()));
    const bool picture = painter.Target() == PainterTarget::Picture;
    if (picture && !DrawPictureSectors(painter, frame, sectors)) return false;
    if (!picture && !DrawDocumentSectors(painter, frame, sectors)) return false;
    const Point extent{offset.x + Width, offset.y + Height};
    if (picture && !DrawPictureOutlines(painter, frame, sectors, extent)) return false;
    painter.BeginGroup(GroupStyle().Stroke(kBlack, 0).Fill(kBlack).Font());
    if (!picture)
        for (const CircleSector& sector : sectors)
            if (sector.deepRings == 0) DrawLabel(painter, frame, sector);
    DrawCaptions(painter, frame);
    painter.EndGroup();
    return true;
}

}  // namespace qv
