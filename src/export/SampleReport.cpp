#include "SampleReport.h"

#include "SampleSummary.h"
#include "document/CVARNDoc.h"
#include "document/SampleName.h"
#include "engine/analysis/ApplyPurityPloidySolution.h"
#include "engine/analysis/ResultWording.h"
#include "engine/signal/NoiseFigures.h"
#include "view/CVARNView.h"
#include "view/DisplayMode.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

namespace varn {

namespace {

std::string format(const char* pattern, auto... values) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, pattern, values...);
    return buffer;
}

const char* arrayName(int t) { return t == kXba ? "Xba 50K" : "Hind 50K"; }

std::string chromosomeName(int c) { return c == 23 ? std::string("X") : std::to_string(c); }

std::string place(const CVARNDoc& doc, int pos) {
    const int snp = doc.arrangeOrder[pos];
    return format("chr%s:%d", chromosomeName(doc.snpChromosome[snp]).c_str(), doc.snpPosition[snp]);
}

// The one-reference ratio, the reference SDs and the fit they leave behind are the document's
// scratch; the profile shown must not change because a report was made of it.
class ScratchGuard {
  public:
    explicit ScratchGuard(CVARNDoc& doc)
        : doc_(doc), ratio_(doc.logRatio[0], doc.logRatio[0] + kSlots),
          compensated_(std::begin(doc.refSdCompensated), std::end(doc.refSdCompensated)),
          raw_(std::begin(doc.refSdRaw), std::end(doc.refSdRaw)) {
        std::copy(std::begin(doc.rowSd[0]), std::end(doc.rowSd[2]), &rowSd_[0][0]);
        std::copy(std::begin(doc.fitCoef), std::end(doc.fitCoef), fitCoef_);
    }
    ~ScratchGuard() {
        std::copy(ratio_.begin(), ratio_.end(), doc_.logRatio[0]);
        std::copy(compensated_.begin(), compensated_.end(), doc_.refSdCompensated);
        std::copy(raw_.begin(), raw_.end(), doc_.refSdRaw);
        std::copy(&rowSd_[0][0], &rowSd_[0][0] + 3 * kPoolRows, &doc_.rowSd[0][0]);
        std::copy(fitCoef_, fitCoef_ + 3, doc_.fitCoef);
    }
    ScratchGuard(const ScratchGuard&) = delete;
    ScratchGuard& operator=(const ScratchGuard&) = delete;

  private:
    CVARNDoc& doc_;
    std::vector<float> ratio_, compensated_, raw_;
    float rowSd_[3][kPoolRows] = {};
    float fitCoef_[3] = {};
};

std::string noiseLine(const char* state, const std::optional<NoiseFigures>& f) {
    if (!f) return std::string(state) + " compensation: SD and S/N cannot be told (too few usable SNPs)";
    return format("%s compensation: SD= %f, S/N ratio= %f", state, static_cast<double>(f->sd),
                  static_cast<double>(f->signalToNoise));
}

// The figures of array t: what the compensation page shows (the sample against the first
// reference, before and after the fit), the region, and every reference ticked for the profile.
void arrayFigures(CVARNDoc& doc, int t, std::vector<std::string>& out) {
    const int a = doc.analysedRow[t], r = doc.singleRefRow[t];
    out.push_back(std::string(arrayName(t)) + ": " + std::string(sampleName(doc.poolSampleName[t][a])) +
                  " against " + std::string(sampleName(doc.poolSampleName[t][r])));
    ScratchGuard guard(doc);
    doc.fillLogRatio(a, r, doc.snpFirst[t], doc.snpLast[t]);
    out.push_back("  " + noiseLine("Before", noiseFigures(doc, t, [&](int pos) { return doc.logRatio[0][pos]; })));
    doc.computeRowRatio(r, a, 1, t);
    out.push_back("  " + noiseLine("After", noiseFigures(doc, t, [&](int pos) { return doc.logRatio[0][pos]; })));

    const int start = doc.regionStart[t], end = doc.regionEnd[t];
    if (start >= doc.snpFirst[t] && end <= doc.snpLast[t] && start <= end)
        out.push_back(format("  Baseline region: %s to %s (positions %d to %d), base copy number %d",
                             place(doc, start).c_str(), place(doc, end).c_str(), start, end, doc.baseCopyNumber));
    const float* compensated = doc.measureReferenceSd(start, end, a, t);
    const float* raw = doc.measureReferenceSdRaw(start, end, a, t);
    out.push_back("  References used (SD on the region after / before compensation):");
    const int rows = std::min(doc.refCount[t], kPoolRows);
    for (int row = 1; row < rows; ++row) {
        if (doc.refSelected[t][row] != 1) continue;
        out.push_back(format("    %-20s SD= %.4f / %.4f", std::string(sampleName(doc.poolSampleName[t][row])).c_str(),
                             static_cast<double>(compensated[row]), static_cast<double>(raw[row])));
    }
}

bool changed(const ReportSegment& s) { return !(s.copyNumber == 2 && !s.loh) && !(s.copyNumber < 0 && !s.loh); }

} // namespace

SampleReport buildSampleReport(CVARNDoc& doc, const CVARNView& view, const std::vector<std::filesystem::path>& sources,
                               const std::string& date, const std::vector<ReportSegment>& segments) {
    SampleReport report;
    const bool merged = view.displayMode == ModeGenomeBoth;
    const std::vector<int> arrays = merged ? std::vector<int>{kXba, kHind} : std::vector<int>{doc.arrayType};
    for (int t : arrays) {
        if (!report.sample.empty()) report.sample += "and";
        report.sample += std::string(sampleName(doc.poolSampleName[t][0]));
    }
    report.record.push_back(std::string("VARN ") + VARN_VERSION + ", report made " + date);
    for (int t : arrays) {
        const std::filesystem::path& pool = doc.poolFile[t];
        report.record.push_back(std::string(arrayName(t)) + " reference pool: " +
                                (pool.empty() ? std::string("made in memory, not saved") : pool.string()));
    }
    for (const auto& file : sources) report.record.push_back("From " + file.string());

    for (int t : arrays) arrayFigures(doc, t, report.figures);
    std::string means = "HMM means (copy number 0..6):";
    for (int s = 0; s < kStates; ++s) means += format(" %.3f", static_cast<double>(doc.hmmMean[s]));
    report.figures.push_back(means);
    report.figures.push_back(format("The HMM means stand for a tumour cell fraction of %.0f%%",
                                    static_cast<double>(doc.hmmMeansPurity) * 100.0));
    report.tumourFraction = doc.hmmMeansPurity;
    report.ploidy = doc.computePloidy(view.shownArrayType, 0);
    report.figures.push_back(format("Ploidy (the mean decoded copy number of the autosomes): %f", report.ploidy));
    // The solution of the joint fit the analysis was decoded at, when one was applied: page 1 and
    // every footer print its fraction and ploidy, as the title does. Otherwise, where the alleles
    // can be read, the tumour as a whole from the fit, the baseline region at the copy number the
    // analysis gives it.
    const AppliedSolution& applied = doc.appliedSolution;
    if (applied.number > 0) {
        SampleSummary summary;
        summary.sample = report.sample;
        summary.arrayType = view.shownArrayType;
        summary.joint = summary.decided = true;
        summary.best = solutionOfApplied(applied);
        report.summary = (applied.number > 1 ? "Solution " + std::to_string(applied.number) + ", not the fit's best: "
                                             : std::string()) +
                         sampleSummaryLine(summary);
        report.tumourFraction = applied.purity;
        report.ploidy = applied.ploidy;
        report.fitted = true;
    } else {
        PurityEstimate estimate;
        std::string reason;
        if (estimatePurity(doc, view.shownArrayType, false, estimate, reason) && estimate.joint)
            report.summary = sampleSummaryLine(summariseSample(report.sample, view.shownArrayType, estimate));
    }

    for (const ReportSegment& s : segments) {
        if (!changed(s)) continue;
        report.segments.push_back(s);
        if (report.changedChromosomes.empty() || report.changedChromosomes.back() != s.chromosome)
            report.changedChromosomes.push_back(s.chromosome);
    }
    std::sort(report.changedChromosomes.begin(), report.changedChromosomes.end());
    report.changedChromosomes.erase(std::unique(report.changedChromosomes.begin(), report.changedChromosomes.end()),
                                    report.changedChromosomes.end());
    return report;
}

std::vector<std::string> reportTableHead() {
    return {"chrom", "start", "end", "SNPs", "mean ln ratio", "copy number", "LOH"};
}

std::vector<std::string> reportTableRow(const ReportSegment& s) {
    return {chromosomeName(s.chromosome), std::to_string(s.start), std::to_string(s.end), std::to_string(s.markers),
            format("%.3f", s.meanLn), s.copyNumber < 0 ? std::string("-") : std::to_string(s.copyNumber),
            s.loh ? "yes" : "no"};
}

std::string reportChromosomeTitle(int chromosome) { return "Chromosome " + chromosomeName(chromosome); }

std::string reportPageFooter(const SampleReport& report, int page, int pages) {
    return reportFooterLine(report.sample, report.tumourFraction, report.ploidy, report.fitted, page, pages);
}

std::string reportFooterLine(const std::string& sample, double tumourFraction, double ploidy, bool fitted,
                             int page, int pages) {
    if (std::isnan(tumourFraction) || std::isnan(ploidy))
        return format("VARN %s  ·  %s  ·  page %d of %d", VARN_VERSION, sample.c_str(), page, pages);
    if (fitted)
        return format("VARN %s  ·  %s  ·  tumour cells %s  ·  ploidy %s  ·  page %d of %d", VARN_VERSION,
                      sample.c_str(), figureText(Figure::TumourCells, tumourFraction).c_str(),
                      figureText(Figure::Ploidy, ploidy).c_str(), page, pages);
    return format("VARN %s  ·  %s  ·  tumour cells %.0f %%  ·  ploidy %.3f  ·  page %d of %d", VARN_VERSION,
                  sample.c_str(), tumourFraction * 100.0, ploidy, page, pages);
}

} // namespace varn
