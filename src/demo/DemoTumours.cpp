#include "DemoTumours.h"

#include "DemoChromosomes.h"
#include "view/GenomeLayout.h"

#include <algorithm>

namespace varn::demo {

namespace {

constexpr int kToEnd = -1;

// A planted change in megabases; kToEnd runs to the end of the chromosome.
PlantedSegment plant(int chromosome, double startMb, double endMb, int copyNumber, int majorCopies) {
    PlantedSegment s;
    s.chromosome = chromosome;
    s.start = static_cast<int>(startMb * 1e6) + 1;
    s.end = endMb == kToEnd ? kChromosomeLength[chromosome] : static_cast<int>(endMb * 1e6);
    s.copyNumber = copyNumber;
    s.majorCopies = majorCopies;
    return s;
}

} // namespace

// Segments span several megabases (a few hundred SNPs of the two arrays at least), the kind of
// changes a carcinoma shows: arm-level gains and losses, a focal amplification, a homozygous
// deletion and copy-neutral LOH.
std::vector<DemoTumour> demoTumours() {
    DemoTumour t1;
    t1.name = "Tumor1";
    t1.segments = {
        plant(1, 150, kToEnd, 3, 2),  // 1q gain
        plant(3, 0, 60, 1, 1),        // 3p loss
        plant(5, 100, 140, 4, 3),     // unbalanced gain
        plant(8, 0, 40, 1, 1),        // 8p loss
        plant(8, 100, kToEnd, 4, 2),  // 8q gain
        plant(9, 19, 29, 0, 0),       // homozygous deletion
        plant(13, 40, kToEnd, 2, 2),  // copy-neutral LOH
        plant(17, 0, 20, 1, 1),       // 17p loss
        plant(20, 30, kToEnd, 5, 3),  // 20q high-level gain
    };
    DemoTumour t2;
    t2.name = "Tumor2";
    t2.segments = {
        plant(2, 120, 200, 3, 2),     // interstitial gain
        plant(4, 0, kToEnd, 1, 1),    // whole-chromosome loss
        plant(6, 100, kToEnd, 2, 2),  // copy-neutral LOH
        plant(10, 50, 90, 1, 1),      // interstitial loss
        plant(11, 65, 75, 6, 4),      // focal amplification
        plant(12, 0, 34, 4, 3),       // 12p gain
        plant(15, 30, 80, 3, 3),      // LOH with a duplicated homologue
        plant(18, 50, 60, 0, 0),      // homozygous deletion
        plant(23, 0, 58, 1, 1),       // Xp loss
    };
    // The same events in biopsies with normal cells, as impure samples show them.
    DemoTumour t3 = t1;
    t3.name = "Tumor3";
    t3.normalFraction = 0.3;
    DemoTumour t4 = t2;
    t4.name = "Tumor4";
    t4.normalFraction = 0.5;
    t4.male = true;
    std::erase_if(t4.segments, [](const PlantedSegment& s) { return s.chromosome == varn::kChromosomeX; });
    DemoTumour t5 = t2;
    t5.name = "Tumor5";
    t5.normalFraction = 0.7;
    return {t1, t2, t3, t4, t5};
}

PlantedSegment unchangedState(const DemoTumour& tumour, int chromosome, int start, int end) {
    const int doubling = tumour.genomeDoubled ? 2 : 1;
    if (tumour.male && chromosome == varn::kChromosomeX) return {chromosome, start, end, doubling, doubling};
    return {chromosome, start, end, 2 * doubling, doubling};
}

std::vector<PlantedSegment> wholeGenomeSegments(const DemoTumour& tumour) {
    std::vector<PlantedSegment> out;
    for (int c = 1; c <= kUnplacedChromosome; ++c) {
        int next = 1; // first base not yet covered
        for (const PlantedSegment& s : tumour.segments) {
            if (s.chromosome != c) continue;
            if (s.start > next) out.push_back(unchangedState(tumour, c, next, s.start - 1));
            out.push_back(s);
            next = s.end + 1;
        }
        if (next <= kChromosomeLength[c]) out.push_back(unchangedState(tumour, c, next, kChromosomeLength[c]));
    }
    return out;
}

PlantedSegment tumourStateAt(const DemoTumour& tumour, int chromosome, int position) {
    for (const PlantedSegment& s : tumour.segments)
        if (s.chromosome == chromosome && position >= s.start && position <= s.end) return s;
    return unchangedState(tumour, chromosome, position, position);
}

double tumourPloidy(const std::vector<PlantedSegment>& wholeGenome) {
    double copies = 0.0, bases = 0.0;
    for (const PlantedSegment& s : wholeGenome) {
        if (s.chromosome < 1 || s.chromosome > varn::kChromosomeX) continue;
        const double length = static_cast<double>(s.end) - s.start + 1;
        copies += length * s.tumourCopyNumber();
        bases += length;
    }
    return bases > 0.0 ? copies / bases : 0.0;
}

} // namespace varn::demo
