// The genome page of a profile of 2.5 million SNPs against the 50K merged genome page (about
// 116,000 SNPs), both with the QPainter surface into an image in one run; and the same profile
// page at 116,000 SNPs, whose time shows what the page's width costs alone. Each pixel column of
// the profile's page draws a few strokes, whatever the number of its SNPs; what grows with them is
// one walk over each column's values.
//
//     bench_qt_profile_page [--write-pictures DIR]   writes the pages as PNG, SVG and PDF, and the
//                                                    report, instead
#include "MergedPage.h"
#include "QtPaintLoop.h"
#include "SyntheticProfile.h"
#include "canvas/ProfilePictureWriter.h"
#include "canvas/ProfileReportWriter.h"
#include "canvas/RenderToImage.h"
#include "export/ProfileReport.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

using namespace varn;

// The Monitor preset of the merged page, as bench_qt_paint draws it.
const QSize kWindow(1200, 860);

// "Axes and Legend" on, as varn-cli draws its pictures and the profile's page always is, and off.
void BM_QtPaintMergedGenome(benchmark::State& state) {
    bench::MergedPage page;
    page.view.annotate = state.range(0) == 1;
    bench::paintEveryIteration(state, kWindow,
                               [&](QPainter& painter) { paintView(page.view, painter, kWindow); });
}
BENCHMARK(BM_QtPaintMergedGenome)->ArgName("annotate")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_QtPaintProfileGenome(benchmark::State& state) {
    const bench::SyntheticProfile synthetic(static_cast<std::size_t>(state.range(0)));
    bench::paintEveryIteration(
        state, QSize(kGenomePictureSize.width, kGenomePictureSize.height),
        [&](QPainter& painter) { paintProfilePicture(painter, synthetic.picture, 0, kGenomePictureSize); });
    state.counters["snps"] = static_cast<double>(synthetic.profile.size());
}
BENCHMARK(BM_QtPaintProfileGenome)
    ->ArgName("snps")
    ->Arg(2'500'000)
    ->Arg(116'000)
    ->Unit(benchmark::kMillisecond);

// The page of chromosome 1 of the large profile: about 200,000 SNPs under 1,100 columns.
void BM_QtPaintProfileChromosome(benchmark::State& state) {
    const bench::SyntheticProfile synthetic(2'500'000);
    bench::paintEveryIteration(state, QSize(kChromosomePictureSize.width, kChromosomePictureSize.height),
                               [&](QPainter& painter) {
                                   paintProfilePicture(painter, synthetic.picture, 1, kChromosomePictureSize);
                               });
}
BENCHMARK(BM_QtPaintProfileChromosome)->Unit(benchmark::kMillisecond);

// The pages to look at: the genome and chromosomes 1, 8 and X of the large profile, and its report.
bool writePictures(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    const bench::SyntheticProfile synthetic(2'500'000);
    bool written = true;
    for (PictureKind kind : {PictureKind::Png, PictureKind::Svg, PictureKind::Pdf}) {
        const char* extension = kind == PictureKind::Png   ? ".png"
                                : kind == PictureKind::Svg ? ".svg"
                                                           : ".pdf";
        const PictureOptions options{kind, kScreenDpi};
        written &= writeProfileGenomePicture(synthetic.picture, folder / (std::string("genome") + extension),
                                             options);
        for (int c : {1, 8, 23})
            written &= writeProfileChromosomePicture(
                synthetic.picture, c, folder / ("chromosome" + std::to_string(c) + extension), options);
    }
    ProfileReport report;
    report.platform = "Illumina (synthetic)";
    report.solutionLine =
        "Tumour cells 70 % (68\u201372 %), ploidy 2.30 (2.25\u20132.35), genome doubled: no";
    report.record = {"VARN " VARN_VERSION ", bench_qt_profile_page",
                     "2,500,000 SNPs drawn from SyntheticProfile.h"};
    report.tumourFraction = bench::kPurity;
    report.ploidy = bench::kPloidy;
    written &= writeProfileReport(synthetic.picture, report, folder / "report.pdf");
    return written;
}

} // namespace

int main(int argc, char** argv) {
    // Text needs a font database; no window is opened.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    for (int k = 1; k + 1 < argc; ++k) {
        if (std::strcmp(argv[k], "--write-pictures") != 0) continue;
        if (!writePictures(argv[k + 1])) {
            std::fprintf(stderr, "the pictures could not be written to %s\n", argv[k + 1]);
            return 1;
        }
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
