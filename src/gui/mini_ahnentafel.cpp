// Drawing the mini ancestor table, its hover hint and clicks on its symbols.
#include "gui/mini_ahnentafel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>

#include "app/qt_text.h"
#include "render/bitmap.h"

namespace qv {
namespace {

// Hints stay until the mouse leaves the symbol.
constexpr int kHintTime = 10 * 60 * 1000;
constexpr int kEndMarkerHeight = 4;

TImageSettings_Symbol SymbolSet(int radius, TColor square, TColor circle, TColor triangle)
{
    TImageSettings_Symbol set;
    set.Radius = static_cast<uint8_t>(radius);
    set.Colored = true;
    set.Filled = true;
    set.SquareColor = square;
    set.CircleColor = circle;
    set.TriangleColor = triangle;
    return set;
}

void DrawSymbol(const PersonSymbols& symbols, int radius, char sex, int x, int y, Bitmap& target)
{
    symbols.Symbol(sex, SymbolDirection::Up).DrawTo(x - radius, y - radius, target);
}

// A short stroke with a bar above the symbol: no further ancestors are drawn.
void DrawEndMarker(QPainter& painter, const MiniSymbol& symbol)
{
    int top = symbol.y - kMiniSymbolRadius - 1;
    painter.drawLine(symbol.x, top, symbol.x, top - kEndMarkerHeight);
    painter.drawLine(symbol.x - 3, top - kEndMarkerHeight, symbol.x + 3, top - kEndMarkerHeight);
}

}  // namespace

TMiniAhnentafel::TMiniAhnentafel(QWidget* parent)
    : QWidget(parent),
      m_normal(SymbolSet(kMiniSymbolRadius, RgbColor(0, 0, 255), RgbColor(255, 0, 0),
                         RgbColor(0, 128, 0))),
      m_highlighted(SymbolSet(kMiniHoverRadius, RgbColor(128, 128, 255), RgbColor(255, 128, 128),
                              RgbColor(128, 192, 128))),
      m_centreMark(SymbolSet(3, kWhite, kWhite, kWhite))
{
    setMouseTracking(true);
    setMinimumSize(120, 100);
}

void TMiniAhnentafel::SetData(const TAhnenData* data)
{
    m_data = data;
    m_centre = -1;
    Relayout();
}

void TMiniAhnentafel::SetCentre(int64_t person)
{
    m_centre = person;
    Relayout();
}

void TMiniAhnentafel::Relayout()
{
    m_hovered = -1;
    m_layout = m_data ? LayoutMiniAhnentafel(*m_data, m_centre, width(), height()) : MiniLayout();
    Redraw();
}

void TMiniAhnentafel::Redraw()
{
    Bitmap canvas(std::max(1, width()), std::max(1, height()), kWhite);
    {
        QPainter painter(&canvas.Image());
        painter.setPen(QColor(96, 96, 96));
        for (const MiniLine& line : m_layout.lines)
            painter.drawLine(line.x1, line.y1, line.x2, line.y2);
        for (const MiniSymbol& symbol : m_layout.symbols)
            if (symbol.endMarker) DrawEndMarker(painter, symbol);
    }
    for (size_t i = 0; i < m_layout.symbols.size(); ++i) {
        const MiniSymbol& s = m_layout.symbols[i];
        char sex = m_data->Persons[s.person].Sex;
        if (static_cast<int>(i) == m_hovered)
            DrawSymbol(m_highlighted, kMiniHoverRadius, sex, s.x, s.y, canvas);
        else
            DrawSymbol(m_normal, kMiniSymbolRadius, sex, s.x, s.y, canvas);
        if (s.role == MiniRole::Centre) DrawSymbol(m_centreMark, 3, sex, s.x, s.y, canvas);
    }
    m_picture = canvas.Image();
    update();
}

QString TMiniAhnentafel::HintText() const
{
    if (m_hovered < 0 || !m_data) return {};
    return QStringFromUtf8(MiniAhnentafelHint(*m_data, m_layout.symbols[m_hovered]));
}

void TMiniAhnentafel::SetHovered(int symbol, const QPoint& globalPosition)
{
    if (symbol == m_hovered) return;
    m_hovered = symbol;
    Redraw();
    if (symbol < 0) {
        QToolTip::hideText();
        return;
    }
    const MiniSymbol& s = m_layout.symbols[symbol];
    QRect area(s.x - kMiniHoverRadius, s.y - kMiniHoverRadius, 2 * kMiniHoverRadius + 1,
               2 * kMiniHoverRadius + 1);
    QToolTip::showText(globalPosition, Qt::convertFromPlainText(HintText()), this, area, kHintTime);
}

void TMiniAhnentafel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void TMiniAhnentafel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

void TMiniAhnentafel::mouseMoveEvent(QMouseEvent* event)
{
    QPoint at = event->position().toPoint();
    SetHovered(MiniSymbolAt(m_layout, at.x(), at.y()), event->globalPosition().toPoint());
}

void TMiniAhnentafel::mousePressEvent(QMouseEvent* event)
{
    QPoint at = event->position().toPoint();
    int symbol = MiniSymbolAt(m_layout, at.x(), at.y());
    if (event->button() == Qt::LeftButton && symbol >= 0)
        emit PersonClicked(m_layout.symbols[symbol].person);
}

void TMiniAhnentafel::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    SetHovered(-1, QPoint());
}

}  // namespace qv
