#pragma once

#include "Segments.h"

#include <string>

namespace varn {

class CVARNDoc;
struct AlleleAnalysis;

// ASCAT's two input files of a sample (ascat.loadData reads them with read.table, the first
// column as row names): a header "\tChr\tPosition\t<sample>", then per SNP its name, chromosome
// (1..22, X), base position and value, tab-separated, in genome order. LogR is the log ratio in
// base 2 (a pool profile's natural log over ln 2; a paired one is base 2 already), BAF the
// B-allele fraction clipped to 0..1. Both list the same SNPs: every one of the analysis with a
// usable log ratio and B-allele fraction. The SNP identifiers of the signal files are not kept,
// so a SNP is named after its record, "SNP_<record>", unique over both arrays.
struct AscatFiles {
    std::string logR;
    std::string baf;
    int snps = 0;
};
AscatFiles ascatFilesText(const CVARNDoc& doc, const AlleleAnalysis& analysis);

// The segments an allele analysis writes: the log-ratio segments cut where the alleles step, with
// the allele columns in step.
SegmentedSample alleleSegmentedSample(const CVARNDoc& doc, const AlleleAnalysis& analysis);

// Writes alleles/<sample>.LogR.txt and .BAF.txt (the folder made when missing), each confirmed;
// false after "Allele file cannot be written".
bool writeAscatFiles(CVARNDoc& doc, const AlleleAnalysis& analysis);

// The message that says why the allele analysis asked for cannot run.
std::string alleleAnalysisRefusal(const std::string& why);

} // namespace varn
