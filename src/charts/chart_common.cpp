// Construction, orientation, painter style and person symbols of the chart base.
#include "charts/chart_common.h"

#include <algorithm>

namespace qv {

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
        case ChartClass::Circle:
            return Settings.Circle.Antialiasing;
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

ChartPainterStyle TImage_Common::PainterStyle() const
{
    ChartPainterStyle style;
    style.font = ChartFont();
    style.labelHalo = Settings.FontStayOnTop;
    style.smoothLines = LineAntialiasing();
    style.symbol = Settings.Symbol;
    return style;
}

void TImage_Common::DrawSymbol(ChartPainter& painter, char sex, Point at, SymbolOrder order) const
{
    SymbolMark mark;
    mark.sex = sex;
    mark.direction = SymbolDirection(std::clamp(Alignment(), 0, 3));
    mark.at = at;
    mark.order = order;
    painter.Symbol(mark);
}

}  // namespace qv
