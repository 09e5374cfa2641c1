#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace varn {

// A colour as red, green, blue.
struct Rgb {
    unsigned char r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class PenStyle { Solid, Dotted, DashDot };

// Width is in logical units; a surface never draws a pen thinner than one device pixel, so the
// width-1 pens stay visible however far the window extent shrinks the page.
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Rgb colour;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Segment {
    Point from, to;
};

// The room a text takes on a surface, in device pixels: its advance across and the font's height
// (ascent plus descent) down from the point it is drawn at.
struct TextSize {
    int width = 0, height = 0;
};

// The drawing surface the view paints on. Every coordinate is logical; the surface maps it with
// the anisotropic window mapping device = (logical - origin) / extent, per axis, against a
// viewport of one device pixel. A surface starts a paint with origin (0, 0) and extent (1, 1),
// its default pen and its default brush.
class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual void setWindowOrg(int x, int y) = 0;
    virtual void setWindowExt(int x, int y) = 0;
    virtual void setPen(const Pen& pen) = 0;
    virtual void setBrush(Rgb colour) = 0;

    virtual void moveTo(int x, int y) = 0;
    // A line with the current pen from the current position; (x, y) becomes the current position.
    virtual void lineTo(int x, int y) = 0;
    virtual void setPixel(int x, int y, Rgb colour) = 0;
    // A rectangle between two corners, outlined with the current pen and filled with the current
    // brush.
    virtual void fillRect(int left, int top, int right, int bottom) = 0;
    // Text in the default font, unscaled (device pixels), with its top-left at the mapped point.
    virtual void textOut(int x, int y, const std::string& text) = 0;
    // What textOut of the text would cover. A surface without fonts reports an estimate of a
    // common desktop font (about 7 pixels a character, 15 high), which no real text exceeds much.
    virtual TextSize textSize(const std::string& text) const {
        return {7 * static_cast<int>(text.size()), 15};
    }

    // Batched forms for the per-SNP tracks, which put tens of thousands of marks with one pen.
    // The defaults fall back on the single calls; a surface may draw a batch in one go.
    virtual void setPixels(std::span<const Point> points, Rgb colour) {
        for (const Point& p : points) setPixel(p.x, p.y, colour);
    }
    // Separate lines with the current pen.
    virtual void drawSegments(std::span<const Segment> segments) {
        for (const Segment& s : segments) {
            moveTo(s.from.x, s.from.y);
            lineTo(s.to.x, s.to.y);
        }
    }
    // A connected line through the points with the current pen: a move to the first, a line to
    // each following one.
    virtual void polyline(std::span<const Point> points) {
        if (points.empty()) return;
        moveTo(points[0].x, points[0].y);
        for (std::size_t k = 1; k < points.size(); ++k) lineTo(points[k].x, points[k].y);
    }
};

} // namespace varn
