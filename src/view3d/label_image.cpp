// Label pictures: two dark passes slightly offset, then the coloured text on top.
#include "view3d/label_image.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "app/qt_text.h"

namespace qv {
namespace {

constexpr int kOutline = 2;

}  // namespace

QImage LabelImage(const std::string& text, const QVector3D& colour)
{
    QFont font("Arial");
    font.setPixelSize(40);
    const QFontMetrics metrics(font);
    const QString label = QStringFromUtf8(text);
    const QSize size(metrics.horizontalAdvance(label) + 2 * kOutline + 2,
                     metrics.height() + 2 * kOutline);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    const QPoint baseline(kOutline, kOutline + metrics.ascent());
    painter.setPen(QColor(20, 20, 20));
    painter.drawText(baseline + QPoint(-kOutline, -kOutline), label);
    painter.drawText(baseline + QPoint(kOutline, kOutline), label);
    painter.setPen(QColor::fromRgbF(colour.x(), colour.y(), colour.z()));
    painter.drawText(baseline, label);
    return image;
}

}  // namespace qv
