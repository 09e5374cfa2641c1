// Painting the merged genome page (mode 2, about 116,000 SNPs) against a floor that hands the
// same number of points and lines to the surface in one batch per pen. The surface here only
// counts, so the figures are the paint's own work: index mapping, coordinate arithmetic and
// batching; a real surface adds its rasterising cost to both sides.
#include "MergedPage.h"
#include "document/CollectingUserInterface.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"
#include "view/CVARNView.h"
#include "view/Canvas.h"
#include "view/DisplayMode.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <tuple>
#include <vector>

namespace {

using namespace varn;

// Counts the marks per pen (pixels per colour) and keeps the counts of one paint.
class CountingCanvas : public Canvas {
  public:
    std::map<std::tuple<int, int, int, int, int>, long> segmentsPerPen; // style, width, r, g, b
    std::map<std::tuple<int, int, int>, long> pixelsPerColour;
    long calls = 0;

    void setWindowOrg(int, int) override {}
    void setWindowExt(int, int) override {}
    void setPen(const Pen& pen) override { pen_ = pen; }
    void setBrush(Rgb) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override { addSegments(1); }
    void setPixel(int, int, Rgb colour) override { addPixels(1, colour); }
    void fillRect(int, int, int, int) override { ++calls; }
    void textOut(int, int, const std::string&) override { ++calls; }
    void setPixels(std::span<const Point> points, Rgb colour) override {
        benchmark::DoNotOptimize(points.data());
        addPixels(static_cast<long>(points.size()), colour);
    }
    void drawSegments(std::span<const Segment> segments) override {
        benchmark::DoNotOptimize(segments.data());
        addSegments(static_cast<long>(segments.size()));
    }
    void polyline(std::span<const Point> points) override {
        benchmark::DoNotOptimize(points.data());
        if (!points.empty()) addSegments(static_cast<long>(points.size()) - 1);
    }

  private:
    void addSegments(long n) {
        ++calls;
        segmentsPerPen[{static_cast<int>(pen_.style), pen_.width, pen_.colour.r, pen_.colour.g,
                        pen_.colour.b}] += n;
    }
    void addPixels(long n, Rgb c) {
        ++calls;
        pixelsPerColour[{c.r, c.g, c.b}] += n;
    }
    Pen pen_;
};

using varn::bench::MergedPage;

void BM_PaintMergedGenome(benchmark::State& state) {
    MergedPage page;
    for (auto _ : state) {
        CountingCanvas canvas;
        page.view.OnDraw(canvas);
        benchmark::DoNotOptimize(canvas.calls);
    }
}
BENCHMARK(BM_PaintMergedGenome)->Unit(benchmark::kMillisecond);

// The same numbers of points and lines, one batch per pen, coordinates from a plain loop.
void BM_BatchedFloor(benchmark::State& state) {
    MergedPage page;
    CountingCanvas counts;
    page.view.OnDraw(counts);
    for (auto _ : state) {
        CountingCanvas canvas;
        std::vector<Point> points;
        for (const auto& [colour, n] : counts.pixelsPerColour) {
            points.resize(static_cast<std::size_t>(n));
            for (long k = 0; k < n; ++k)
                points[static_cast<std::size_t>(k)] = {static_cast<int>(k), static_cast<int>(k & 1023)};
            canvas.setPixels(points, {static_cast<unsigned char>(std::get<0>(colour)), 0, 0});
        }
        std::vector<Segment> segments;
        for (const auto& [pen, n] : counts.segmentsPerPen) {
            segments.resize(static_cast<std::size_t>(n));
            for (long k = 0; k < n; ++k) {
                const int x = static_cast<int>(k);
                segments[static_cast<std::size_t>(k)] = {{x, 100}, {x, 130}};
            }
            canvas.drawSegments(segments);
        }
        benchmark::DoNotOptimize(canvas.calls);
    }
}
BENCHMARK(BM_BatchedFloor)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
