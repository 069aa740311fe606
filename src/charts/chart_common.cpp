// Construction, colours, orientation and person symbols of the chart base.
#include "charts/chart_common.h"

#include <algorithm>
#include <vector>

namespace qv {
namespace {

std::vector<Point> TrianglePoints(int direction, int x, int y, int r)
{
    switch (direction) {
        case 1:
            return {{x - r, y + r}, {x + r, y + r}, {x, y - r}};  // apex up
        case 2:
            return {{x - r, y + r}, {x - r, y - r}, {x + r, y}};  // apex right
        case 3:
            return {{x + r, y + r}, {x + r, y - r}, {x - r, y}};  // apex left
        default:
            return {{x - r, y - r}, {x + r, y - r}, {x, y + r}};  // apex down
    }
}

}  // namespace

TImage_Common::TImage_Common(ChartClass chartClass, const TAhnenData& data,
                             const TImageSettings& settings, ProgressCallback progress)
    : Settings(settings),
      Data(data),
      Progress(std::move(progress)),
      m_class(chartClass),
      m_normalMetrics(ChartFont()),
      m_smallMetrics(ChartFont(true))
{
    m_lineHeight = m_normalMetrics.Height();
}

TImage_Common::~TImage_Common()
{
    ReportProgress(Progress, "", 0, 100);
}

TColor TImage_Common::SexColor(char sex)
{
    if (sex == 'M') return RgbColor(0, 0, 255);
    if (sex == 'F') return RgbColor(255, 0, 0);
    return RgbColor(0, 128, 0);
}

int TImage_Common::Alignment() const
{
    switch (m_class) {
        case ChartClass::Ancestors:
        case ChartClass::Descendants:
            return Settings.Tree.Alignment;
        case ChartClass::Triangle:
            return Settings.Triangle.Alignment;
        default:
            return 0;
    }
}

bool TImage_Common::LineAntialiasing() const
{
    switch (m_class) {
        case ChartClass::Ancestors:
        case ChartClass::Descendants:
            return Settings.Tree.Antialiasing;
        case ChartClass::Triangle:
            return Settings.Triangle.Antialiasing;
        default:
            return false;
    }
}

Point TImage_Common::OrientPoint(Point p) const
{
    bool swaps = m_class != ChartClass::Circle && m_class != ChartClass::Frequency;
    int alignment = Alignment();
    if (swaps && (alignment == 2 || alignment == 3)) return {p.y, p.x};
    return p;
}

void TImage_Common::DrawSymbol(Canvas& canvas, char sex, int direction, int x, int y)
{
    const TImageSettings_Symbol& symbol = Settings.Symbol;
    int r = symbol.Radius;
    if (direction == kAlignedDirection) direction = Alignment();
    if (LineAntialiasing()) {
        if (!m_symbols || !m_symbols->Shows(symbol)) m_symbols.emplace(symbol);
        m_symbols->Symbol(sex, SymbolDirection(std::clamp(direction, 0, 3)))
            .DrawTo(x - r, y - r, canvas.Target());
        return;
    }
    TColor pen = canvas.PenColor(), brush = canvas.BrushColor();
    TColor outline = symbol.Colored ? SexColor(sex) : kBlack;
    canvas.SetPen(outline);
    canvas.SetBrush(symbol.Filled ? outline : kWhite);
    if (sex == 'M')
        canvas.Rectangle(x - r, y - r, x + r, y + r);
    else if (sex == 'F')
        canvas.Ellipse(x - r, y - r, x + r, y + r);
    else
        canvas.Polygon(TrianglePoints(direction, x, y, r));
    canvas.SetPen(pen);
    canvas.SetBrush(brush);
}

// A filled square or disc is a zero-length path whose wide line cap paints it; the PDF
// converter does not draw caps of empty paths, so documents for it get the plain shapes.
void TImage_Common::DrawSymbolSvg(TScalableVectorGraphics& svg, char sex, std::string_view extra,
                                  int direction, int x, int y) const
{
    const TImageSettings_Symbol& symbol = Settings.Symbol;
    int r = symbol.Radius;
    if (direction == kAlignedDirection) direction = Alignment();
    int32_t widthBefore = svg.Pen.Width;
    svg.Pen.Color = symbol.Colored ? SexColor(sex) : kBlack;
    svg.Brush = {symbol.Filled ? svg.Pen.Color : kWhite, TSVGBrushStyle::Solid};
    svg.Pen.Width = 1;
    bool round = sex == 'F';
    if ((sex == 'M' || round) && symbol.Filled && !svg.PdfTarget) {
        svg.Pen.Width = 2 * r + 1;
        std::string cap = round ? " stroke-linecap=\"round\"" : " stroke-linecap=\"square\"";
        std::string data(1, 'M');
        (((data += std::to_string(x)) += ' ') += std::to_string(y)) += "v0";
        svg.Path(data, cap + std::string(extra));
    } else if (sex == 'M') {
        svg.Rectangle(x - r, y - r, x + r, y + r, extra);
    } else if (round) {
        svg.Circle(x, y, r, extra);
    } else {
        std::vector<Point> points = TrianglePoints(direction, x, y, r);
        svg.Polygon(points.data(), 2, extra);
    }
    svg.Pen.Width = widthBefore;
}

}  // namespace qv
