#pragma once

#include "view/Canvas.h"
#include "view/WindowMapping.h"

#include <QBrush>
#include <QLine>
#include <QPen>
#include <QPoint>

#include <vector>

class QPainter;

namespace varn {

// The view's drawing surface on a QPainter: the anisotropic window mapping is applied to every
// point here (the painter keeps an identity transform), so text stays in device pixels and pens
// are widened to the device by hand, never below one pixel. A paint starts, like a fresh GDI
// device context, with origin (0, 0), extent (1, 1), a black one-pixel pen and a white brush.
class QPainterCanvas : public Canvas {
public:
    explicit QPainterCanvas(QPainter& painter);

    void setWindowOrg(int x, int y) override;
    void setWindowExt(int x, int y) override;
    void setPen(const Pen& pen) override;
    void setBrush(Rgb colour) override;

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void setPixel(int x, int y, Rgb colour) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void textOut(int x, int y, const std::string& text) override;

    void setPixels(std::span<const Point> points, Rgb colour) override;
    void drawSegments(std::span<const Segment> segments) override;
    void polyline(std::span<const Point> points) override;

    const WindowMapping& mapping() const { return mapping_; }
    QPoint toDevice(int x, int y) const;

private:
    // The painter carries one of three pens at a time: the view's current pen, a one-pixel pen
    // of a pixel colour, or the text pen. Switching only when needed keeps batches cheap.
    void useLinePen();
    void usePixelPen(Rgb colour);

    QPainter& painter_;
    WindowMapping mapping_;
    Pen pen_;
    QPen linePen_;
    QBrush brush_;
    QPoint current_;
    enum class Active { None, Line, Pixel } active_ = Active::None;
    Rgb activePixelColour_;
    std::vector<QPoint> points_;
    std::vector<QLine> lines_;
};

} // namespace varn
