// Painting the merged genome page (mode 2, about 116,000 SNPs) with the QPainter surface into a
// window-sized image, against a floor that rasterises every device point and line of that paint
// with one call per pen or pixel colour. The paint pays for its own walk, mapping and pen changes;
// the surface wins some of it back by leaving out marks that repeat the one before (at 20 units a
// pixel many SNPs share a column), which changes no pixel.
#include "MergedPage.h"
#include "QtPaintLoop.h"
#include "canvas/QPainterCanvas.h"
#include "canvas/RenderToImage.h"
#include "document/CVARNDoc.h"
#include "document/CollectingUserInterface.h"
#include "document/UserInterface.h"
#include "view/CVARNView.h"
#include "view/Canvas.h"
#include "view/DisplayMode.h"
#include "view/GenomeLayout.h"
#include "view/ShownWindow.h"
#include "view/WindowMapping.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <tuple>
#include <vector>

namespace {

using namespace varn;

using varn::bench::MergedPage;

// The monitor preset of mode 2 shows the page in about this many pixels.
const QSize kWindow(1200, 860);

// Collects every mark of one paint in device pixels, grouped by pen (lines) and colour (pixels).
class CollectingCanvas : public Canvas {
  public:
    std::map<std::tuple<int, int, int, int, int>, std::vector<QLine>> linesPerPen; // style, width, r, g, b
    std::map<std::tuple<int, int, int>, std::vector<QPoint>> pixelsPerColour;
    int rects = 0, texts = 0;

    void setWindowOrg(int x, int y) override { m_.orgX = x, m_.orgY = y; }
    void setWindowExt(int x, int y) override { m_.extX = x, m_.extY = y; }
    void setPen(const Pen& pen) override { pen_ = pen; }
    void setBrush(Rgb) override {}
    void moveTo(int x, int y) override { at_ = map(x, y); }
    void lineTo(int x, int y) override {
        const QPoint to = map(x, y);
        lines().emplace_back(at_, to);
        at_ = to;
    }
    void setPixel(int x, int y, Rgb c) override { pixelsPerColour[{c.r, c.g, c.b}].push_back(map(x, y)); }
    void fillRect(int, int, int, int) override { ++rects; }
    void textOut(int, int, const std::string&) override { ++texts; }

  private:
    QPoint map(int x, int y) const { return QPoint(int(m_.deviceX(x)), int(m_.deviceY(y))); }
    std::vector<QLine>& lines() {
        return linesPerPen[{static_cast<int>(pen_.style), pen_.width, pen_.colour.r, pen_.colour.g,
                            pen_.colour.b}];
    }
    WindowMapping m_;
    Pen pen_;
    QPoint at_;
};

void BM_QtPaintMergedGenome(benchmark::State& state) {
    MergedPage page;
    bench::paintEveryIteration(state, kWindow,
                               [&](QPainter& painter) { paintView(page.view, painter, kWindow); });
}
BENCHMARK(BM_QtPaintMergedGenome)->Unit(benchmark::kMillisecond);

// The same paint with the page scrolled to its far corner, as the scroll bars leave it: the paint
// still walks every SNP, and the marks off the window are mapped and clipped.
void BM_QtPaintMergedGenomeScrolled(benchmark::State& state) {
    MergedPage page;
    page.view.viewportWidth = kWindow.width() / 2;
    page.view.viewportHeight = kWindow.height() / 2;
    scrollWindowTo(page.view, 1 << 30, 1 << 30);
    bench::paintEveryIteration(state, kWindow / 2,
                               [&](QPainter& painter) { paintView(page.view, painter, kWindow / 2); });
    state.counters["orgX"] = shownWindow(page.view).orgX;
}
BENCHMARK(BM_QtPaintMergedGenomeScrolled)->Unit(benchmark::kMillisecond);

// "Axes and Legend" on (annotate 1) beside off (0) on the same page, whose decoded states run for
// `run` SNPs: 700 as a decoded profile's segments run, 1 for a state changing at every SNP (the
// call line's worst case, a segment per SNP). On: the step line of the call with its white edge,
// the strips, the axes of the six rows, the legend and the laid-out labels.
void BM_QtPaintMergedGenomeAxes(benchmark::State& state) {
    MergedPage page;
    const int run = static_cast<int>(state.range(1));
    for (int c = 1; c <= 23; ++c)
        for (int i = kChromosomeStart[kCombined][c]; i < kChromosomeStart[kCombined][c + 1]; ++i)
            page.doc.snpChromosome[i] = c;
    for (int p = 0; p < kSlots; ++p) page.doc.hmmState[0][p] = (p / run) % 7;
    page.view.annotate = state.range(0) == 1;
    bench::paintEveryIteration(state, kWindow,
                               [&](QPainter& painter) { paintView(page.view, painter, kWindow); });
}
BENCHMARK(BM_QtPaintMergedGenomeAxes)
    ->ArgNames({"annotate", "run"})
    ->Args({0, 700})
    ->Args({1, 700})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

// The same device marks, rasterised with one drawPoints / drawLines call per colour or pen.
void BM_QtBatchedFloor(benchmark::State& state) {
    MergedPage page;
    CollectingCanvas marks;
    page.view.OnDraw(marks);
    long points = 0, lines = 0;
    for (const auto& [c, v] : marks.pixelsPerColour) points += static_cast<long>(v.size());
    for (const auto& [p, v] : marks.linesPerPen) lines += static_cast<long>(v.size());
    QImage image(kWindow, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(QRect(QPoint(0, 0), kWindow), Qt::white);
        for (const auto& [c, v] : marks.pixelsPerColour) {
            painter.setPen(QPen(QColor(std::get<0>(c), std::get<1>(c), std::get<2>(c)), 0));
            painter.drawPoints(v.data(), static_cast<int>(v.size()));
        }
        for (const auto& [p, v] : marks.linesPerPen) {
            const int width = std::max(1, std::get<1>(p) / page.view.windowExtX);
            painter.setPen(
                QPen(QColor(std::get<2>(p), std::get<3>(p), std::get<4>(p)), width <= 1 ? 0 : width));
            painter.drawLines(v.data(), static_cast<int>(v.size()));
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["points"] = static_cast<double>(points);
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_QtBatchedFloor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Text needs a font database; no window is opened.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
