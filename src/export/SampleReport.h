#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace varn {

class CVARNDoc;
class CVARNView;

// One line of the report's table: a stretch of the genome that is not two copies without LOH.
struct ReportSegment {
    int chromosome = 0;  // 1..22, 23 = X
    int start = 0;       // bases, first and last SNP
    int end = 0;
    int markers = 0;
    int copyNumber = -1; // -1 on X, which the HMM does not decode
    bool loh = false;
    double meanLn = 0;
};

// What the PDF report of one analysis says, as text: the record of its making (program version,
// date, the files it was made from), per array the noise before and after the length / GC
// compensation and the references used with their SDs on the baseline region, the HMM means and
// the tumour cell fraction they stand for, and the changed segments. The pictures are drawn by
// the report's writer from the same view.
struct SampleReport {
    std::string sample;                       // "Tumor1X", merged "Tumor1XandTumor1H"
    double tumourFraction = 1;                // the fraction the HMM means stand for
    double ploidy = 0;                        // the mean decoded copy number of the autosomes
    bool fitted = false;                      // both those of the solution of the fit applied
    std::vector<std::string> record;          // version, date, each array's pool file, source files
    std::vector<std::string> figures;         // noise, references, HMM means
    // The joint fit's summary of the tumour (sampleSummaryLine), where the alleles can be read;
    // page 1 prints it under the title.
    std::string summary;
    std::vector<ReportSegment> segments;      // sorted by chromosome and start
    std::vector<int> changedChromosomes;      // chromosomes with a segment in the table, in order
};

// The report of the analysis shown (display mode 4, or 2 for Xba + Hind). Measuring the noise and
// the references' SDs borrows the document's one-reference ratio; the profile shown is left as it
// was. The record names the pool file of every array the report covers; `sources` are the files
// of the analysis itself. `segments` are those of the decoded profile; only the changed ones are
// kept.
SampleReport buildSampleReport(CVARNDoc& doc, const CVARNView& view, const std::vector<std::filesystem::path>& sources,
                               const std::string& date, const std::vector<ReportSegment>& segments);

// The table's column heads and one row of it, as the report prints them.
std::vector<std::string> reportTableHead();
std::vector<std::string> reportTableRow(const ReportSegment& segment);

// The page title of chromosome c ("Chromosome 7", "Chromosome X").
std::string reportChromosomeTitle(int chromosome);

// The line at the foot of every page, so that a page handed on alone still says what it shows:
// "VARN 1.0 · Tumor4X · tumour cells 50 % · ploidy 1.992 · page 2 of 9".
std::string reportPageFooter(const SampleReport& report, int page, int pages);
// The same line for any report; without the fraction and the ploidy when either is NaN (nothing
// fitted). Fitted: they are a solution's of the joint fit, printed as the title and page 1 print
// them; otherwise the fraction of the HMM means and the mean decoded copy number.
std::string reportFooterLine(const std::string& sample, double tumourFraction, double ploidy, bool fitted,
                             int page, int pages);

} // namespace varn
