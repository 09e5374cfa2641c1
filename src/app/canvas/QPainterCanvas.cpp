#include "canvas/QPainterCanvas.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

Qt::PenStyle toQtStyle(PenStyle style) {
    switch (style) {
    case PenStyle::Dotted:
        return Qt::DotLine;
    case PenStyle::DashDot:
        return Qt::DashDotLine;
    case PenStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

} // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter)
    : painter_(painter), brush_(Qt::white),
      vector_(painter.paintEngine() != nullptr && (painter.paintEngine()->type() == QPaintEngine::SVG ||
                                                   painter.paintEngine()->type() == QPaintEngine::Pdf)) {
    const double scale = painter.worldTransform().m11();
    if (!vector_ && scale > 1.0 + 1e-9) hairline_ = std::ceil(scale - 1e-9) / scale;
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBrush(brush_);
    setPen(Pen{});
}

void QPainterCanvas::updateMapping() {
    x_.set(mapping_.orgX, mapping_.extX);
    y_.set(mapping_.orgY, mapping_.extY);
}

void QPainterCanvas::setWindowOrg(int x, int y) {
    mapping_.orgX = x;
    mapping_.orgY = y;
    updateMapping();
}

void QPainterCanvas::setWindowExt(int x, int y) {
    mapping_.extX = x;
    mapping_.extY = y;
    updateMapping();
    setPen(pen_); // the device width of the pen follows the x extent
}

void QPainterCanvas::setPen(const Pen& pen) {
    pen_ = pen;
    const double width = mapping_.penWidth(pen.width);
    // A one-pixel pen is drawn cosmetic, which takes the rasteriser's fast path for long batches.
    linePen_ = QPen(toQColor(pen.colour), width <= 1.0 ? hairline_ : std::max(width, hairline_),
                    toQtStyle(pen.style), Qt::FlatCap, Qt::MiterJoin);
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
    painter_.setPen(hairline_ > 0.0 ? QPen(toQColor(colour), hairline_, Qt::SolidLine, Qt::FlatCap)
                                    : QPen(toQColor(colour), 0));
    active_ = Active::Pixel;
    activePixelColour_ = colour;
}

void QPainterCanvas::moveTo(int x, int y) {
    current_ = toDevice(x, y);
}

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

TextSize QPainterCanvas::textSize(const std::string& text) const {
    const QFontMetrics metrics(painter_.font());
    return {metrics.horizontalAdvance(QString::fromLocal8Bit(text.c_str())), metrics.height()};
}

void QPainterCanvas::setPixels(std::span<const Point> points, Rgb colour) {
    if (points.empty()) return;
    points_.clear();
    points_.reserve(points.size());
    // Several SNPs share a device column once the extent shrinks the page; a mark that repeats the
    // one before it changes no pixel and is left out.
    for (const Point& p : points) {
        const QPoint device = toDevice(p.x, p.y);
        if (points_.empty() || points_.back() != device) points_.push_back(device);
    }
    drawDevicePoints(points_, colour);
}

void QPainterCanvas::drawDevicePoints(std::vector<QPoint>& points, Rgb colour) {
    if (vector_) {
        // A vector file would hold one element per point; one path of strokes through the pixels'
        // middles covers the same squares in one element. Marks of one colour cover squares
        // whatever their order, so each square is stroked once and neighbours in a row join into
        // one stroke: the file shrinks to what the page shows.
        std::sort(points.begin(), points.end(), [](const QPoint& a, const QPoint& b) {
            return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
        });
        points.erase(std::unique(points.begin(), points.end()), points.end());
        QPainterPath path;
        for (std::size_t i = 0; i < points.size();) {
            std::size_t j = i + 1;
            while (j < points.size() && points[j].y() == points[i].y() &&
                   points[j].x() == points[j - 1].x() + 1)
                ++j;
            path.moveTo(points[i].x(), points[i].y() + 0.5);
            path.lineTo(points[j - 1].x() + 1, points[i].y() + 0.5);
            i = j;
        }
        painter_.strokePath(path, QPen(toQColor(colour), 1.0, Qt::SolidLine, Qt::FlatCap));
        active_ = Active::None;
        return;
    }
    usePixelPen(colour);
    painter_.drawPoints(points.data(), static_cast<int>(points.size()));
}

void QPainterCanvas::drawSegments(std::span<const Segment> segments) {
    if (segments.empty()) return;
    lines_.clear();
    lines_.reserve(segments.size());
    // The per-SNP tracks are vertical ticks between two fixed heights, so most coordinates repeat:
    // a vertical segment maps its x once and each end remembers its last y.
    int fromY = segments[0].from.y, toY = segments[0].to.y;
    int fromDeviceY = y_.map(fromY), toDeviceY = y_.map(toY);
    for (const Segment& s : segments) {
        if (s.from.y != fromY) fromDeviceY = y_.map(fromY = s.from.y);
        if (s.to.y != toY) toDeviceY = y_.map(toY = s.to.y);
        const int fromX = x_.map(s.from.x);
        const int toX = s.to.x == s.from.x ? fromX : x_.map(s.to.x);
        const QLine line(fromX, fromDeviceY, toX, toDeviceY);
        // A repeated solid line changes no pixel; a dashed one would shift its pattern, so it stays.
        if (lines_.empty() || lines_.back() != line || pen_.style != PenStyle::Solid) lines_.push_back(line);
    }
    current_ = lines_.back().p2();
    // On screen a one-pixel line whose ends meet in one pixel still sets that pixel (the LOH score
    // bars of a score near 0 make a thin line under every chromosome). A stroke of no length in a
    // vector file, or with a pen the painter magnifies, covers nothing: there such a mark is the
    // pixel it stands for.
    if ((vector_ || hairline_ > 0.0) && pen_.style == PenStyle::Solid &&
        mapping_.penWidth(pen_.width) <= 1.0) {
        points_.clear();
        for (const QLine& line : lines_)
            if (line.p1() == line.p2()) points_.push_back(line.p1());
        if (!points_.empty()) {
            lines_.erase(
                std::remove_if(lines_.begin(), lines_.end(), [](const QLine& l) { return l.p1() == l.p2(); }),
                lines_.end());
            drawDevicePoints(points_, pen_.colour);
        }
        if (lines_.empty()) return;
    }
    useLinePen();
    if (vector_) {
        // One path of separate strokes rather than one element per tick.
        QPainterPath path;
        for (const QLine& line : lines_) {
            path.moveTo(line.p1());
            path.lineTo(line.p2());
        }
        painter_.strokePath(path, linePen_);
    } else {
        painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    }
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
