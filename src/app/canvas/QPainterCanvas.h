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
    TextSize textSize(const std::string& text) const override;

    void setPixels(std::span<const Point> points, Rgb colour) override;
    void drawSegments(std::span<const Segment> segments) override;
    void polyline(std::span<const Point> points) override;

    const WindowMapping& mapping() const { return mapping_; }
    // The mapping of one point, rounded to the nearest pixel (halves away from zero) exactly as
    // WindowMapping's deviceX/deviceY would round; inline because every SNP mark goes through it.
    QPoint toDevice(int x, int y) const { return QPoint(x_.map(x), y_.map(y)); }

  private:
    // One axis of the mapping in integers: (logical - origin) / extent, rounded. A division per
    // coordinate would dominate a genome paint, so the quotient is estimated with the reciprocal
    // and settled exactly with two integer comparisons.
    struct Axis {
        long long origin = 0;
        long long extent = 1; // positive; a negative extent is folded into the sign of the offset
        bool flip = false;
        double inverse = 1.0;

        void set(int org, int ext) {
            origin = org;
            const long long e = ext == 0 ? 1 : ext;
            flip = e < 0;
            extent = flip ? -e : e;
            inverse = 1.0 / static_cast<double>(extent);
        }
        int map(int logical) const {
            long long d = logical - origin;
            if (flip) d = -d;
            const bool negative = d < 0;
            const long long a = negative ? -d : d;
            long long q = static_cast<long long>(static_cast<double>(a) * inverse + 0.5);
            if (2 * a >= (2 * q + 1) * extent)
                ++q;
            else if (q > 0 && 2 * a < (2 * q - 1) * extent)
                --q;
            // Far outside any window: clamped, so the rasteriser never sees numbers near the int
            // range; a mark there is off the page either way.
            constexpr long long kFar = 10'000'000;
            if (q > kFar) q = kFar;
            return static_cast<int>(negative ? -q : q);
        }
    };
    void updateMapping();

    // The painter carries one of three pens at a time: the view's current pen, a one-pixel pen
    // of a pixel colour, or the text pen. Switching only when needed keeps batches cheap.
    void useLinePen();
    void usePixelPen(Rgb colour);
    // Marks already in device pixels, one pixel each (reorders the vector in a vector file).
    void drawDevicePoints(std::vector<QPoint>& points, Rgb colour);

    QPainter& painter_;
    WindowMapping mapping_;
    Axis x_, y_;
    Pen pen_;
    QPen linePen_;
    QBrush brush_;
    QPoint current_;
    enum class Active { None, Line, Pixel } active_ = Active::None;
    Rgb activePixelColour_;
    std::vector<QPoint> points_;
    std::vector<QLine> lines_;
    // SVG and PDF: the per-SNP batches go out as one path each, so the file holds a few hundred
    // elements rather than one per mark. Raster surfaces keep the rasteriser's point and line calls.
    bool vector_ = false;
    // A raster page magnified for a printer's resolution (a 300 dpi PNG): the painter scales every
    // mark, and the one-pixel pens become this many of the page's pixels wide, the screen's pixel
    // rounded up to whole device pixels, so that a dot keeps at least its size on screen in inches.
    // Zero (Qt's one-device-pixel pen) on screen and in vector files.
    double hairline_ = 0.0;
};

} // namespace varn
