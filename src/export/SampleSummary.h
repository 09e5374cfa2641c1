#pragma once

#include "engine/purity/PurityEstimate.h"

#include <string>
#include <vector>

namespace varn {

class CVARNDoc;
struct ProfileResult;

// What one analysis says about its tumour as a whole: the tumour cell fraction and the ploidy
// with their intervals, whether the genome doubled, and the shares of the genome altered, in LOH
// and doubled, from the joint fit's best solution (the baseline as the analysis holds it). A
// profile whose alleles cannot be read has the levels' fraction alone; note says why.
// The array of a summary of a stored profile analysis (any array's; "profile" in the table).
inline constexpr int kProfileSummary = -1;

struct SampleSummary {
    std::string sample;
    int arrayType = 0;   // 1 Xba, 2 Hind, 0 both, kProfileSummary
    bool estimated = true; // false: no decoded profile to read (every number NA)
    bool joint = false;    // fraction and ploidy fitted together
    bool decided = false;
    int solutions = 0;
    double purity = 1.0, purityLow = 1.0, purityHigh = 1.0;
    PurityPloidySolution best; // when joint
    std::string note;          // why the fit did not decide, or why it had no alleles
};

SampleSummary summariseSample(const std::string& sample, int arrayType, const PurityEstimate& estimate);
// A stored profile analysis: the solution it was decoded with; without one (purity and ploidy
// given, or nothing fitted), the purity decoded at, the rest NA.
SampleSummary summariseProfile(const ProfileResult& result);

// The line of the PDF report: "Tumour cells 70 % (68–71 %), ploidy 2.06 (2.02–2.10), genome
// doubled: no, altered 24 %, LOH 9 %, doubled 12 % (fit 97 %)".
std::string sampleSummaryLine(const SampleSummary& summary);

// segments/cohort-samples.tsv: a header, then one row per analysis; NA where the alleles could
// not be read.
inline constexpr const char* kCohortSamplesHeader =
    "sample\tarray\tpurity\tpurity.low\tpurity.high\tploidy\tploidy.low\tploidy.high\tgenome.doubled\t"
    "altered.share\tloh.share\tdoubled.share\tfit\tsolutions\tdecided\tnote\n";
std::string cohortSamplesText(const std::vector<SampleSummary>& samples);

// The batch: every stored pool analysis of "temporary files/" reloaded (its allele sums with it
// where Store kept them) and summarised, then every stored profile analysis there (a folder of
// those alone is a cohort too), written to segments/cohort-samples.tsv. False when the
// walk or the file failed (the reason is already shown).
bool writeCohortSamples(CVARNDoc& doc, const PurityFitOptions& options);

} // namespace varn
