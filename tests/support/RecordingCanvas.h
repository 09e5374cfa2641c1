#pragma once

#include "view/Canvas.h"

#include <optional>
#include <string>
#include <vector>

namespace varn::test {

// A canvas that records every call in logical coordinates with the pen and brush current at the
// time, for tests of the paint. Batched calls are recorded as the single calls they stand for.
class RecordingCanvas : public Canvas {
  public:
    struct Pixel {
        int seq;
        Point at;
        Rgb colour;
    };
    struct Line {
        int seq;
        Point from, to;
        Pen pen;
    };
    struct Rect {
        int seq;
        int left, top, right, bottom;
        Pen pen;
        std::optional<Rgb> brush; // nullopt: the surface's default brush
    };
    struct Text {
        int seq;
        Point at;
        std::string text;
    };

    std::vector<Point> origins; // every setWindowOrg, in order
    std::vector<Point> extents; // every setWindowExt, in order
    std::vector<Pixel> pixels;
    std::vector<Line> lines;
    std::vector<Rect> rects;
    std::vector<Text> texts;

    void setWindowOrg(int x, int y) override;
    void setWindowExt(int x, int y) override;
    void setPen(const Pen& pen) override;
    void setBrush(Rgb colour) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void setPixel(int x, int y, Rgb colour) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void textOut(int x, int y, const std::string& text) override;

    // Queries.
    std::vector<Pixel> pixelsAtX(int x) const;
    std::vector<Pixel> pixelsOf(Rgb colour) const;
    std::vector<Line> linesOf(const Pen& pen) const;
    std::vector<Line> linesAtX(int x) const; // vertical lines at x
    const Text* findText(const std::string& text) const;
    bool empty() const;

  private:
    int next_ = 0;
    Pen pen_;
    std::optional<Rgb> brush_;
    Point current_;
};

} // namespace varn::test
