// The signal file of one sample on one array: two header lines, then per SNP record a serial
// number, the SNP identifier and 40 probe intensities (10 groups of allele-A, allele-B and two
// further probes), with sixteen "null" fields among them.
#include "CVARNDoc.h"

#include "SignalFileLine.h"
#include "TextLines.h"
#include "UserInterface.h"

namespace varn {

namespace {
constexpr std::size_t kSignalLineBuffer = 4096;
constexpr int kGroups = 10;
} // namespace

int CVARNDoc::ReadSignalFile(int t, const std::filesystem::path& path, int row, int slot) {
    if ((t != kXba && t != kHind) || row < 0 || row >= kPoolRows || slot < 0 || slot > 2) return 1;
    std::string bytes;
    if (!loadWholeFile(path, bytes)) {
        ui().messageBox("sample file cannot be loaded");
        return 1;
    }
    const int first = snpFirst[t];
    const int last = snpLast[t];

    FgetsLines lines(bytes, kSignalLineBuffer);
    SignalLineScanner scanner;
    std::string_view piece;
    float values[kProbes];
    int dataLines = 0;
    // Lines 1 and 2 are the header: the counter starts three below the first record.
    for (int snp = first - 3; lines.next(piece);) {
        ++snp;
        if (snp < first) continue;
        if (snp > last) break; // more lines than the array has SNPs: not this array's file
        // Intensities the line does not supply keep their previous values.
        const int count = scanner.scan(piece, values, bytes.data() + bytes.size());
        for (int i = 0; i < count; ++i) probeIntensity[i][snp] = values[i];
        if (count > 0) ++dataLines;
    }
    // A file in which not one line gave an intensity (empty, header only, binary) is not a signal
    // file: there is nothing to scale and the arrays stay as they were.
    if (dataLines == 0) return 1;

    // Brightness of the array: mean of the 20 allele probes over all its SNPs, summed in single
    // precision group by group so that pools built at different times agree to the bit.
    float total = 0.0f;
    for (int j = 0; j < kGroups; ++j) {
        const float* a = probeIntensity[4 * j];
        const float* b = probeIntensity[4 * j + 1];
        for (int k = first; k <= last; ++k) total += a[k] + b[k];
    }
    const float mean = total / static_cast<float>((last - first + 1) * 20);
    poolRowMean[t][row] = mean;

    // Scaling to a mean probe value of 1 removes the overall brightness of the hybridisation, so
    // that samples can be compared SNP by SNP.
    for (int i = 0; i < kProbes; ++i) {
        float* probe = probeIntensity[i];
        for (int k = first; k <= last; ++k) probe[k] /= mean;
    }

    float* signal = poolSignal[row];
    for (int k = first; k <= last; ++k) {
        float sum = 0.0f;
        for (int j = 0; j < kGroups; ++j) sum += probeIntensity[4 * j][k] + probeIntensity[4 * j + 1][k];
        signal[k] = sum;
    }
    if (slot != 0) {
        float* alleleA = alleleASignal[slot - 1];
        float* alleleB = alleleBSignal[slot - 1];
        for (int k = first; k <= last; ++k) {
            float sumA = 0.0f;
            float sumB = 0.0f;
            for (int j = 0; j < kGroups; ++j) {
                sumA += probeIntensity[4 * j][k];
                sumB += probeIntensity[4 * j + 1][k];
            }
            alleleA[k] = sumA;
            alleleB[k] = sumB;
        }
    }
    return 0;
}

} // namespace varn
