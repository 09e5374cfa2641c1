// Reading an Illumina final report of N SNPs (VARN_BENCH_SNPS, default 2,500,000: a GSA-sized
// report of about 200 MB of text), plain and gzipped, in text bytes per second. The report is
// written once into a scratch folder; writeFinalReport is the only part that knows its layout.
#include "BenchSupport.h"

#include "document/profile/FinalReportReader.h"
#include "document/profile/GzipText.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace varn::bench {
namespace {

std::size_t snpCount() {
    const char* text = std::getenv("VARN_BENCH_SNPS");
    const long n = text != nullptr ? std::atol(text) : 0;
    return n > 0 ? static_cast<std::size_t>(n) : 2'500'000;
}

// The columns GenomeStudio's default final report holds, one sample, SNPs in name order (as the
// manifest lists them, not genome order), so the reader's sort runs as it would.
std::string finalReportText(std::size_t snps) {
    std::mt19937 random(11);
    std::normal_distribution<double> logR(0.0, 0.2);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::string text = "[Header]\nGSGT Version\t2.0.4\nContent\t\tGSA-24v3-0_A1.bpm\nNum SNPs\t" +
                       std::to_string(snps) +
                       "\n[Data]\nSNP Name\tSample ID\tAllele1 - AB\tAllele2 - AB\tGC Score\t"
                       "X\tY\tChr\tPosition\tLog R Ratio\tB Allele Freq\n";
    text.reserve(snps * 82);
    char line[256];
    for (std::size_t k = 0; k < snps; ++k) {
        const int chromosome = 1 + static_cast<int>(random() % 23);
        const int position = 1 + static_cast<int>(random() % 150'000'000);
        const double u = unit(random);
        const char* alleles = u < 0.3 ? "A\tA" : u < 0.7 ? "A\tB" : "B\tB";
        const double baf = u < 0.3 ? 0.01 * unit(random) : u < 0.7 ? 0.5 + 0.05 * (unit(random) - 0.5) : 0.99;
        const int n = std::snprintf(
            line, sizeof line, "rs%zu\tTumour01\t%s\t0.%04d\t0.%03d\t0.%03d\t%s\t%d\t%.4f\t%.4f\n",
            1000 + k * 7, alleles, static_cast<int>(random() % 10000), static_cast<int>(random() % 1000),
            static_cast<int>(random() % 1000), chromosome == 23 ? "X" : std::to_string(chromosome).c_str(),
            position, logR(random), baf);
        text.append(line, static_cast<std::size_t>(n));
    }
    return text;
}

struct Reports {
    ScratchFolder folder;
    std::filesystem::path plain = folder.path() / "report.txt";
    std::filesystem::path gzipped = folder.path() / "report.txt.gz";
    std::size_t textBytes = 0;
    Reports() {
        const std::string text = finalReportText(snpCount());
        textBytes = text.size();
        writeText(plain, text);
        gzFile out = gzopen(gzipped.c_str(), "wb6");
        for (std::size_t at = 0; at < text.size(); at += 1u << 24)
            gzwrite(out, text.data() + at,
                    static_cast<unsigned>(std::min<std::size_t>(1u << 24, text.size() - at)));
        gzclose(out);
    }
};

Reports& reports() {
    static Reports r;
    return r;
}

void readReport(benchmark::State& state, const std::filesystem::path& path) {
    Reports& r = reports();
    for (auto _ : state) {
        const ProfileReading reading = readFinalReport(path, {});
        if (!reading.profile) state.SkipWithError(reading.refusal.c_str());
        benchmark::DoNotOptimize(reading.profile->logRatio.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(r.textBytes));
    state.counters["MB_text"] = static_cast<double>(r.textBytes) / 1e6;
}

void BM_ReadFinalReportPlain(benchmark::State& state) {
    readReport(state, reports().plain);
}
// Wall time: the reading runs on more than one thread.
BENCHMARK(BM_ReadFinalReportPlain)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_ReadFinalReportGzipped(benchmark::State& state) {
    readReport(state, reports().gzipped);
}
BENCHMARK(BM_ReadFinalReportGzipped)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The floor of the gzipped road: inflating alone, nothing parsed, by each inflater.
void inflateOnly(benchmark::State& state, Inflater inflater) {
    Reports& r = reports();
    if (!inflaterBuilt(inflater)) state.SkipWithError("this build has no ISA-L");
    std::vector<char> block(1u << 20);
    for (auto _ : state) {
        GzipText in(r.gzipped, inflater);
        while (in.read(block.data(), block.size()) > 0) {
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(r.textBytes));
}

void BM_InflateOnlyZlib(benchmark::State& state) {
    inflateOnly(state, Inflater::Zlib);
}
BENCHMARK(BM_InflateOnlyZlib)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_InflateOnlyIsal(benchmark::State& state) {
    inflateOnly(state, Inflater::Isal);
}
BENCHMARK(BM_InflateOnlyIsal)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
