// QTextDocument as the off-screen HTML renderer.
#include "render/html_fragment.h"

#include <cmath>

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

#include "app/qt_text.h"
#include "render/gui_application.h"

namespace qv {
namespace {

constexpr int kDotsPerMeterAt96Dpi = 3780;
// What browsers put around a page's body.
constexpr double kBodyMargin = 8;
constexpr int kDefaultFontPixels = 16;

QString JoinLines(const std::vector<std::string>& lines)
{
    QString html;
    for (const std::string& line : lines) html += QStringFromUtf8(line) + QLatin1Char('\n');
    return html;
}

}  // namespace

Bitmap RenderHtmlFragment(const std::vector<std::string>& lines, int width)
{
    EnsureGuiApplication();
    if (width < 1) return Bitmap();
    // The layout device fixes 96 dpi, so "11pt" in the text means the same as in the charts.
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
    device.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(kDefaultFontPixels);
    document.setDefaultFont(font);
    document.setDocumentMargin(kBodyMargin);
    document.setHtml(JoinLines(lines));
    document.setTextWidth(width);
    int height = static_cast<int>(std::ceil(document.size().height()));

    Bitmap picture(width, height);
    picture.Image().setDotsPerMeterX(kDotsPerMeterAt96Dpi);
    picture.Image().setDotsPerMeterY(kDotsPerMeterAt96Dpi);
    {
        QPainter painter(&picture.Image());
        document.drawContents(&painter);
    }
    return picture;
}

}  // namespace qv
