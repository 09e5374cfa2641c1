// Painting the genome page of one array with and without the B-allele fraction panel, in one run
// on the demo tumour with 50 % normal cells (ten references), beside the allele analysis the panel
// draws. The view keeps that analysis between repaints and only checks that nothing it was computed
// from has changed (the key); a repaint with the panel costs that check and the panel's marks, not
// the analysis. The surface only takes the batches, so the figures are the paint's own work.
#include "EngineBenchSupport.h"

#include "view/Canvas.h"
#include "view/DisplayMode.h"
#include "view/ShownAlleleAnalysis.h"

#include <benchmark/benchmark.h>

namespace varn::bench {
namespace {

class NullCanvas : public Canvas {
  public:
    void setWindowOrg(int, int) override {}
    void setWindowExt(int, int) override {}
    void setPen(const Pen&) override {}
    void setBrush(Rgb) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void setPixel(int, int, Rgb) override {}
    void fillRect(int, int, int, int) override {}
    void textOut(int, int, const std::string&) override {}
    void setPixels(std::span<const Point> points, Rgb) override { benchmark::DoNotOptimize(points.data()); }
    void drawSegments(std::span<const Segment> segments) override { benchmark::DoNotOptimize(segments.data()); }
    void polyline(std::span<const Point> points) override { benchmark::DoNotOptimize(points.data()); }
};

struct PanelSetup : DemoTumour {
    PanelSetup() : DemoTumour({kXba}) { // the Sort ends in the genome page (mode 4)
        view->OnMonitorView();
        view->bafPanel = true;
        if (!view->bafPanelShown()) {
            std::fprintf(stderr, "no panel: %s\n", view->bafPanelUnavailable().c_str());
            std::exit(1);
        }
    }
};

PanelSetup& setup() {
    static PanelSetup s;
    return s;
}

void paintWithPanel(benchmark::State& state, bool panel) {
    PanelSetup& s = setup();
    s.view->bafPanel = panel;
    NullCanvas canvas;
    for (auto _ : state) s.view->OnDraw(canvas);
}

void BM_GenomePage(benchmark::State& state) { paintWithPanel(state, false); }
BENCHMARK(BM_GenomePage)->Unit(benchmark::kMillisecond);

void BM_GenomePageWithBafPanel(benchmark::State& state) { paintWithPanel(state, true); }
BENCHMARK(BM_GenomePageWithBafPanel)->Unit(benchmark::kMillisecond);

// What each repaint with the panel adds before drawing: the check that the kept analysis still
// belongs to the document.
void BM_KeptAnalysisCheck(benchmark::State& state) {
    PanelSetup& s = setup();
    s.view->bafPanel = true;
    for (auto _ : state) benchmark::DoNotOptimize(s.view->shownAlleles());
}
BENCHMARK(BM_KeptAnalysisCheck)->Unit(benchmark::kMillisecond);

// What a repaint would cost without keeping it.
void BM_AlleleAnalysisShown(benchmark::State& state) {
    PanelSetup& s = setup();
    for (auto _ : state) {
        const AlleleAnalysis a = analyseShownAlleles(*s.doc);
        benchmark::DoNotOptimize(a.baf.snps.data());
    }
}
BENCHMARK(BM_AlleleAnalysisShown)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
