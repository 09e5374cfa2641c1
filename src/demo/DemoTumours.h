#pragma once

#include <string>
#include <vector>

namespace varn::demo {

// A stretch of a tumour genome with a planted copy-number state: bases start..end (inclusive)
// of one chromosome, total copy number 0..6 and the copies of the more frequent parental allele.
// LOH is a copy number of 1 or more with no copy of the other parent left (copy-neutral LOH at
// copy number 2, hemizygous loss at 1, a duplicated remaining homologue at 3).
struct PlantedSegment {
    int chromosome = 0;
    int start = 0;
    int end = 0;
    int copyNumber = 2;
    int majorCopies = 1;

    int minorCopies() const { return copyNumber - majorCopies; }
    bool loh() const { return copyNumber >= 1 && minorCopies() == 0; }
};

struct DemoTumour {
    std::string name;
    std::vector<PlantedSegment> segments; // sorted by chromosome and start, not overlapping
    // The share of normal cells in the biopsy (0 for a pure tumour); their DNA is diploid and
    // carries the germline genotypes.
    double normalFraction = 0.0;
    // A male patient: one X in every cell, tumour and normal (no Y signal is simulated).
    bool male = false;

    double tumourFraction() const { return 1.0 - normalFraction; }
};

// The demo tumours with their planted changes: Tumor1 and Tumor2 pure, Tumor3 (Tumor1's changes
// with 30 % normal cells), Tumor4 (Tumor2's autosomal changes in a male, 50 %) and Tumor5
// (Tumor2's changes, 70 %). All leave the short arm of chromosome 1 diploid and heterozygous, a
// natural baseline region.
std::vector<DemoTumour> demoTumours();

// The whole genome (chromosomes 1..24, each from base 1 to its length) as contiguous segments:
// the planted ones and diploid, heterozygous stretches between them.
std::vector<PlantedSegment> wholeGenomeSegments(const DemoTumour& tumour);

// The state at a base of a chromosome: the planted segment holding it, else diploid (one copy
// on a male X).
PlantedSegment tumourStateAt(const DemoTumour& tumour, int chromosome, int position);

} // namespace varn::demo
