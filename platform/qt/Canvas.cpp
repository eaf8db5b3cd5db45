#include "platform/qt/Canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cstdlib>

namespace kiv {
namespace {

// Lines and rings are drawn hard-edged, one pixel wide, like the window system's own pens.
void PreparePen(QPainter& painter, QColor colour) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 0));
    painter.setBrush(Qt::NoBrush);
}

// Room for the pen and rounding around an exact outline.
QRectF Grown(const QRectF& area) {
    return area.normalized().adjusted(-2, -2, 2, 2);
}

}  // namespace

void Canvas::resize(QSize pixels) {
    image_ = QImage(pixels, QImage::Format_RGB32);
    clear();
}

void Canvas::clear() {
    image_.fill(Qt::black);
    dirty_ = image_.rect();
}

void Canvas::line(QPointF from, QPointF to, QColor colour) {
    position_ = to;
    // A zero-length line only moves the drawing position: that is how the title is placed,
    // and it should leave no stray pixel.
    if (from == to) return;
    QPainter painter(&image_);
    PreparePen(painter, colour);
    painter.drawLine(from, to);
    markDirty(QRectF(from, to));
}

void Canvas::circle(QPointF centre, float radius, QColor colour) {
    QPainter painter(&image_);
    PreparePen(painter, colour);
    painter.drawEllipse(centre, radius, radius);
    markDirty(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
}

void Canvas::print(const std::string& text, std::int32_t number) {
    const QString line = QString::fromStdString(text + PrintedNumber(number));
    QFont font;
    font.setPointSizeF(fontPoints_);
    const QFontMetricsF metrics(font, &image_);

    QPainter painter(&image_);
    painter.setFont(font);
    painter.setPen(foreColor_);
    painter.drawText(position_ + QPointF(0, metrics.ascent()), line);
    markDirty(QRectF(position_, QSizeF(metrics.horizontalAdvance(line), metrics.height())));
    position_ = QPointF(0, position_.y() + metrics.height());
}

QRect Canvas::takeDirty() {
    const QRect dirty = dirty_ & image_.rect();
    dirty_ = QRect();
    return dirty;
}

void Canvas::markDirty(const QRectF& area) {
    dirty_ |= Grown(area).toAlignedRect();
}

QColor Canvas::ToQColor(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

std::string PrintedNumber(std::int32_t number) {
    const std::string digits = std::to_string(std::abs(static_cast<std::int64_t>(number)));
    return (number < 0 ? "-" : " ") + digits + " ";
}

}  // namespace kiv
