#include "AnnotationFiles.h"

#include "document/DocumentLimits.h"
#include "support/TempDir.h"
#include "view/GenomeLayout.h"

#include <cstdio>
#include <string>

namespace varn::test {

int syntheticFragmentLength(int snp) { return 400 + snp % 1700; }

float syntheticGcContent(int snp) {
    if (snp % 53 == 0) return 0.0f;
    if (snp % 77 == 0) return -0.1f;
    return 0.30f + static_cast<float>(snp % 30) / 100.0f;
}

namespace {

int chromosomeOf(int t, int pos) {
    for (int c = 23; c >= 1; --c)
        if (pos >= kChromosomeStart[t][c]) return c;
    return 1;
}

void appendf(std::string& out, const char* format, auto... args) {
    char line[128];
    const int n = std::snprintf(line, sizeof line, format, args...);
    out.append(line, static_cast<std::size_t>(n));
}

} // namespace

void writeAnnotationTables(const std::filesystem::path& root) {
    const auto data = root / "data";
    const char* suffix[3] = {"", "X", "H"};
    const int first[3] = {0, 57244, 0};
    const int last[3] = {0, 116203, 57243};
    for (int t = 1; t <= 2; ++t) {
        std::string id = "1 2 3 4 0.5\n9 9 9 9 9.9\n";
        std::string arrange, cytoband;
        for (int k = first[t]; k <= last[t]; ++k) {
            appendf(id, "%d\t%d\t%d\t%d\t%.2f\n", k + 1, chromosomeOf(t, k), (k - first[t] + 1) * 20000,
                    syntheticFragmentLength(k), static_cast<double>(syntheticGcContent(k)));
            appendf(arrange, "%d\n", k);
            appendf(cytoband, "%d q%d.%d\n", 1 + k % 8, k % 30, k % 7);
        }
        writeFileBytes(data / (std::string("ID") + suffix[t] + "3.txt"), id);
        writeFileBytes(data / (std::string("arrange_data_") + suffix[t] + ".txt"), arrange);
        writeFileBytes(data / (std::string("cytoband_") + suffix[t] + ".txt"), cytoband);
    }
    std::string combine, hetero;
    for (int m = 0; m < kSlots; ++m) {
        appendf(combine, "%d\n", m);
        appendf(hetero, "%d %.3f\n", m, 0.1 + (m % 40) / 100.0);
    }
    writeFileBytes(data / "combine.txt", combine);
    writeFileBytes(data / "japanesehetero.txt", hetero);
}

} // namespace varn::test
