#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <string>

namespace kiv {

// The saver window's picture, kept in memory so that an expose never loses it. Every drawing
// operation grows the dirty rectangle that the next presentation puts on screen.
class Canvas {
  public:
    void resize(QSize pixels);
    const QImage& image() const { return image_; }

    void clear();
    void setForeColor(std::int32_t colour) { foreColor_ = ToQColor(colour); }
    void setFontSize(float points) { fontPoints_ = points; }
    void line(QPointF from, QPointF to, QColor colour);
    void line(QPointF from, QPointF to) { line(from, to, foreColor_); }
    void circle(QPointF centre, float radius, QColor colour);
    void print(const std::string& text, std::int32_t number);

    // The part changed since the last call.
    QRect takeDirty();

    static QColor ToQColor(std::int32_t colour);

  private:
    void markDirty(const QRectF& area);

    QImage image_;
    QColor foreColor_ = Qt::white;
    float fontPoints_ = 12;
    QPointF position_;  // where the next print starts, the top of its text
    QRect dirty_;
};

// A Long as print writes it: sign place or minus, digits, and a trailing blank.
std::string PrintedNumber(std::int32_t number);

}  // namespace kiv
