// The signal file of one sample on one array: two header lines, then per SNP record a serial
// number, the SNP identifier and 40 probe intensities (10 groups of allele-A, allele-B and two
// further probes), with sixteen "null" fields among them.
#include "CVARNDoc.h"

#include "SampleFileCheck.h"
#include "SignalFileLine.h"
#include "TextLines.h"
#include "UserInterface.h"

#include <algorithm>

namespace varn {

namespace {
constexpr int kGroups = 10;
// Records scaled and summed together: their sums stay in the first-level cache while the forty
// probe rows stream past.
constexpr int kRecordBlock = 512;
} // namespace

int CVARNDoc::ReadProbeIntensities(int t, const std::filesystem::path& path, float& mean) {
    if (t != kXba && t != kHind) return 1;
    FileLines lines(path, kSampleLineBuffer, SignalLineScanner::kReadAhead);
    if (!lines.isOpen()) {
        ui().messageBox("sample file cannot be loaded");
        ui().messageBox(path.filename().string() + " cannot be opened");
        return 1;
    }
    const int first = snpFirst[t];
    const int last = snpLast[t];
    const int other = t == kXba ? kHind : kXba;
    // The file is looked at as a whole before a single intensity is taken: a file of the other
    // array or kind, or a binary one, leaves the document as it was.
    const SampleFileSurvey survey = surveySampleFile(path, kSampleLineBuffer);
    if (const auto refusal = sampleFileRefusal(survey, path, SampleFileKind::Signal, t, last - first + 1,
                                               snpLast[other] - snpFirst[other] + 1)) {
        ui().messageBox(*refusal);
        return 1;
    }

    SignalLineScanner scanner;
    std::string_view piece;
    float values[kProbes];
    int dataLines = 0;
    int incompleteLines = 0;
    // Lines 1 and 2 are the header: the counter starts three below the first record.
    for (int snp = first - 3; lines.next(piece);) {
        ++snp;
        if (snp < first) continue;
        if (snp > last) break; // more lines than the array has SNPs: not this array's file
        // Intensities the line does not supply keep their previous values.
        const int count = scanner.scan(piece, values, lines.readableEnd());
        for (int i = 0; i < count; ++i) probeIntensity[i][snp] = values[i];
        if (count > 0) ++dataLines;
        if (count < kProbes) ++incompleteLines;
    }
    // A file that breaks off with a read error is not a sample: the records read so far keep
    // the raw intensities, nothing is scaled and the row's sums stay as they were.
    if (lines.failed()) {
        ui().messageBox("sample file cannot be loaded");
        ui().messageBox(path.filename().string() + " cannot be read to its end");
        return 1;
    }
    // A file in which not one line gave an intensity (empty, header only, binary) is not a signal
    // file: there is nothing to scale and the arrays stay as they were.
    if (dataLines == 0) {
        ui().messageBox(path.filename().string() + " holds no probe intensities; " +
                        std::string(t == kXba ? "an " : "a ") + arrayName(t) + " signal file was expected");
        return 1;
    }
    // The person may stop at a file that is not complete: nothing is scaled or summed, and the
    // pool rows stay as they were.
    if (const auto warning = sampleFileWarning(path, SampleFileKind::Signal, t, survey.dataLines,
                                               incompleteLines, last - first + 1);
        warning && !ui().okCancelBox(*warning))
        return 1;

    // Brightness of the array: mean of the 20 allele probes over all its SNPs, summed in single
    // precision group by group so that pools built at different times agree to the bit.
    float total = 0.0f;
    for (int j = 0; j < kGroups; ++j) {
        const float* a = probeIntensity[4 * j];
        const float* b = probeIntensity[4 * j + 1];
        for (int k = first; k <= last; ++k) total += a[k] + b[k];
    }
    mean = total / static_cast<float>((last - first + 1) * 20);
    return 0;
}

int CVARNDoc::ReadSignalFile(int t, const std::filesystem::path& path, int row, int slot) {
    if ((t != kXba && t != kHind) || row < 0 || row >= kPoolRows || slot < 0 || slot > 2) return 1;
    float mean = 0.0f;
    if (ReadProbeIntensities(t, path, mean) != 0) return 1;
    poolRowMean[t][row] = mean;
    const int first = snpFirst[t];
    const int last = snpLast[t];

    // Scaling to a mean probe value of 1 removes the overall brightness of the hybridisation, so
    // that samples can be compared SNP by SNP. The signal of a SNP is its 20 allele probes after
    // scaling, added group by group from zero; going group by group over a block of records
    // adds in that same order for each record.
    float* signal = poolSignal[row];
    float* alleleA = slot != 0 ? alleleASignal[slot - 1] : nullptr;
    float* alleleB = slot != 0 ? alleleBSignal[slot - 1] : nullptr;
    for (int from = first; from <= last; from += kRecordBlock) {
        const int to = std::min(last + 1, from + kRecordBlock);
        std::fill(signal + from, signal + to, 0.0f);
        if (alleleA != nullptr) {
            std::fill(alleleA + from, alleleA + to, 0.0f);
            std::fill(alleleB + from, alleleB + to, 0.0f);
        }
        for (int j = 0; j < kGroups; ++j) {
            float* a = probeIntensity[4 * j];
            float* b = probeIntensity[4 * j + 1];
            float* c = probeIntensity[4 * j + 2];
            float* d = probeIntensity[4 * j + 3];
            for (int k = from; k < to; ++k) {
                a[k] /= mean;
                b[k] /= mean;
                c[k] /= mean;
                d[k] /= mean;
                signal[k] += a[k] + b[k];
            }
            if (alleleA != nullptr) {
                for (int k = from; k < to; ++k) {
                    alleleA[k] += a[k];
                    alleleB[k] += b[k];
                }
            }
        }
    }
    return 0;
}

} // namespace varn
