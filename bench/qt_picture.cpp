// Export Picture of the merged genome page (mode 2, about 116,000 SNPs, MonitorView, the whole
// page): the vector files beside the PNG of the same page, each made in memory as the exporter
// makes it. A vector file keeps every mark, so it costs more than the raster; the target is no
// more than three times the PNG.
#include "canvas/PictureWriter.h"
#include "MergedPage.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace varn;

void exportPage(benchmark::State& state, PictureKind kind, int dpi) {
    bench::MergedPage page;
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray file = pictureBytes(page.view, {kind, dpi});
        bytes = file.size();
        benchmark::DoNotOptimize(file.constData());
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_PictureMergedGenomePng(benchmark::State& state) { exportPage(state, PictureKind::Png, kScreenDpi); }
void BM_PictureMergedGenomeSvg(benchmark::State& state) { exportPage(state, PictureKind::Svg, kScreenDpi); }
void BM_PictureMergedGenomePdf(benchmark::State& state) { exportPage(state, PictureKind::Pdf, kScreenDpi); }
void BM_PictureMergedGenomePng300(benchmark::State& state) { exportPage(state, PictureKind::Png, 300); }
BENCHMARK(BM_PictureMergedGenomePng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PictureMergedGenomeSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PictureMergedGenomePdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PictureMergedGenomePng300)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
