#include "canvas/QPainterCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <cmath>

namespace varn {

namespace {

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

Qt::PenStyle toQtStyle(PenStyle style) {
    switch (style) {
    case PenStyle::Dotted: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::Solid: break;
    }
    return Qt::SolidLine;
}

// Device coordinates far outside any window are clamped so that the rasteriser never sees
// numbers near the int range; a mark there is off the page either way.
int clampDevice(double v) {
    constexpr double kFar = 1.0e7;
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::lround(std::fmax(-kFar, std::fmin(kFar, v))));
}

} // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter) : painter_(painter), brush_(Qt::white) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBrush(brush_);
    setPen(Pen{});
}

QPoint QPainterCanvas::toDevice(int x, int y) const {
    return QPoint(clampDevice(mapping_.deviceX(x)), clampDevice(mapping_.deviceY(y)));
}

void QPainterCanvas::setWindowOrg(int x, int y) {
    mapping_.orgX = x;
    mapping_.orgY = y;
}

void QPainterCanvas::setWindowExt(int x, int y) {
    mapping_.extX = x;
    mapping_.extY = y;
    setPen(pen_); // the device width of the pen follows the x extent
}

void QPainterCanvas::setPen(const Pen& pen) {
    pen_ = pen;
    const double width = mapping_.penWidth(pen.width);
    // A one-pixel pen is drawn cosmetic, which takes the rasteriser's fast path for long batches.
    linePen_ = QPen(toQColor(pen.colour), width <= 1.0 ? 0.0 : width, toQtStyle(pen.style), Qt::FlatCap,
                    Qt::MiterJoin);
    active_ = Active::None;
}

void QPainterCanvas::setBrush(Rgb colour) {
    brush_ = QBrush(toQColor(colour));
    painter_.setBrush(brush_);
}

void QPainterCanvas::useLinePen() {
    if (active_ == Active::Line) return;
    painter_.setPen(linePen_);
    active_ = Active::Line;
}

void QPainterCanvas::usePixelPen(Rgb colour) {
    if (active_ == Active::Pixel && activePixelColour_ == colour) return;
    painter_.setPen(QPen(toQColor(colour), 0));
    active_ = Active::Pixel;
    activePixelColour_ = colour;
}

void QPainterCanvas::moveTo(int x, int y) { current_ = toDevice(x, y); }

void QPainterCanvas::lineTo(int x, int y) {
    const QPoint to = toDevice(x, y);
    useLinePen();
    painter_.drawLine(current_, to);
    current_ = to;
}

void QPainterCanvas::setPixel(int x, int y, Rgb colour) {
    usePixelPen(colour);
    painter_.drawPoint(toDevice(x, y));
}

void QPainterCanvas::fillRect(int left, int top, int right, int bottom) {
    const QRect rect = QRect(toDevice(left, top), toDevice(right, bottom)).normalized();
    useLinePen();
    painter_.setBrush(brush_);
    painter_.drawRect(rect);
}

void QPainterCanvas::textOut(int x, int y, const std::string& text) {
    const QPoint at = toDevice(x, y);
    painter_.setPen(QPen(Qt::black));
    active_ = Active::None;
    const QFontMetrics metrics(painter_.font());
    painter_.drawText(QPoint(at.x(), at.y() + metrics.ascent()), QString::fromLocal8Bit(text.c_str()));
}

void QPainterCanvas::setPixels(std::span<const Point> points, Rgb colour) {
    if (points.empty()) return;
    points_.clear();
    points_.reserve(points.size());
    for (const Point& p : points) points_.push_back(toDevice(p.x, p.y));
    usePixelPen(colour);
    painter_.drawPoints(points_.data(), static_cast<int>(points_.size()));
}

void QPainterCanvas::drawSegments(std::span<const Segment> segments) {
    if (segments.empty()) return;
    lines_.clear();
    lines_.reserve(segments.size());
    for (const Segment& s : segments) lines_.emplace_back(toDevice(s.from.x, s.from.y), toDevice(s.to.x, s.to.y));
    useLinePen();
    painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    current_ = lines_.back().p2();
}

void QPainterCanvas::polyline(std::span<const Point> points) {
    if (points.empty()) return;
    points_.clear();
    points_.reserve(points.size());
    for (const Point& p : points) points_.push_back(toDevice(p.x, p.y));
    useLinePen();
    if (points_.size() > 1) painter_.drawPolyline(points_.data(), static_cast<int>(points_.size()));
    current_ = points_.back();
}

} // namespace varn
