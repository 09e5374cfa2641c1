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
};

// The two demo tumours with their planted changes. Both leave the short arm of chromosome 1
// diploid and heterozygous, a natural baseline region.
std::vector<DemoTumour> demoTumours();

// The whole genome (chromosomes 1..24, each from base 1 to its length) as contiguous segments:
// the planted ones and diploid, heterozygous stretches between them.
std::vector<PlantedSegment> wholeGenomeSegments(const DemoTumour& tumour);

// The state at a base of a chromosome: the planted segment holding it, else diploid.
PlantedSegment tumourStateAt(const DemoTumour& tumour, int chromosome, int position);

} // namespace varn::demo
