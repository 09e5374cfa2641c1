#pragma once

#include "document/profile/GenomeBuild.h"

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
    // A change in part of the tumour cells: that share of them (0 < share < 1) holds
    // subcloneCopyNumber copies, subcloneMajorCopies of them from the parent that holds
    // majorCopies above; the other tumour cells keep the state above, the clonal one the subclone
    // grew from. 0 where every tumour cell has the state above.
    double subcloneShare = 0.0;
    int subcloneCopyNumber = 0;
    int subcloneMajorCopies = 0;

    int minorCopies() const { return copyNumber - majorCopies; }
    bool loh() const { return copyNumber >= 1 && minorCopies() == 0; }
    bool subclonal() const { return subcloneShare > 0.0; }
    // The mean copy number of the tumour cells here (clone and subclone weighted by their shares).
    double tumourCopyNumber() const {
        return subclonal() ? (1.0 - subcloneShare) * copyNumber + subcloneShare * subcloneCopyNumber : copyNumber;
    }
};

struct DemoTumour {
    std::string name;
    std::vector<PlantedSegment> segments; // sorted by chromosome and start, not overlapping
    // The share of normal cells in the biopsy (0 for a pure tumour); their DNA is diploid and
    // carries the germline genotypes.
    double normalFraction = 0.0;
    // A male patient: one X in every cell, tumour and normal (no Y signal is simulated).
    bool male = false;
    // The tumour doubled its whole genome (after some changes, before others): its unchanged
    // stretches hold four copies, two of each parent.
    bool genomeDoubled = false;
    // The assembly its positions are on: the 50K demo's 2006 assembly (chromosomes 1..24 with the
    // lengths of DemoChromosomes.h), or hg19 for the final-report tumour (1..23, as that build's
    // table gives them).
    GenomeBuild build = GenomeBuild::Hg18;

    double tumourFraction() const { return 1.0 - normalFraction; }
};

// The demo tumours with their planted changes: Tumor1 and Tumor2 pure, Tumor3 (Tumor1's changes
// with 30 % normal cells), Tumor4 (Tumor2's autosomal changes in a male, 50 %), Tumor5
// (Tumor2's changes, 70 %), Tumor6 (a doubled genome, 30 %) and Tumor7 (a male with a subclonal
// trisomy, 30 %). All leave the short arm of chromosome 1 unchanged and heterozygous, a natural
// baseline region: two copies, four in the doubled genome.
std::vector<DemoTumour> demoTumours();

// The whole genome (chromosomes 1..24 on the 2006 assembly, 1..23 on hg19, each from base 1 to
// its length) as contiguous segments: the planted ones and diploid, heterozygous stretches
// between them.
std::vector<PlantedSegment> wholeGenomeSegments(const DemoTumour& tumour);

// The state at a base of a chromosome: the planted segment holding it, else diploid (one copy
// on a male X).
PlantedSegment tumourStateAt(const DemoTumour& tumour, int chromosome, int position);

// The tumour's ploidy: the mean copy number of its tumour cells over chromosomes 1..22 and X,
// weighted by bases (the unplaced chromosome 24 left out; a male's X counts with its one copy).
double tumourPloidy(const std::vector<PlantedSegment>& wholeGenome);

} // namespace varn::demo
