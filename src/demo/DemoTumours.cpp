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

// A change that only part of the tumour cells carry, on top of the clonal state s.
PlantedSegment subclone(PlantedSegment s, double share, int copyNumber, int majorCopies) {
    s.subcloneShare = share;
    s.subcloneCopyNumber = copyNumber;
    s.subcloneMajorCopies = majorCopies;
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
    // A carcinoma that doubled its genome: losses before the doubling left two copies of one
    // parent (4, 13, 18) or one (17p: lost again after), losses after it left 2+1 or 1+1, and
    // gains after it reach five and six copies. Over half of the genome keeps 2+2, so its
    // quiet stretches, the short arm of chromosome 1 among them, hold four copies; ploidy 3.5.
    DemoTumour t6;
    t6.name = "Tumor6";
    t6.genomeDoubled = true;
    t6.normalFraction = 0.3;
    t6.segments = {
        plant(2, 100, kToEnd, 3, 2),  // 2q loss after the doubling
        plant(3, 0, 60, 3, 2),        // 3p
        plant(4, 0, kToEnd, 2, 2),    // whole-chromosome loss before the doubling
        plant(5, 0, 48, 6, 4),        // 5p gain
        plant(6, 100, kToEnd, 2, 1),  // 6q, one copy of each parent lost
        plant(8, 0, 45, 2, 1),        // 8p
        plant(8, 100, kToEnd, 5, 3),  // 8q gain
        plant(9, 0, 19, 3, 2),        // 9p
        plant(9, 19, 24, 0, 0),       // homozygous deletion
        plant(10, 0, kToEnd, 2, 1),   // chromosome 10 halved
        plant(12, 0, 35, 5, 3),       // 12p gain
        plant(13, 0, kToEnd, 2, 2),   // loss before the doubling
        plant(16, 50, kToEnd, 4, 3),  // 16q: four copies, unbalanced
        plant(17, 0, 22, 1, 1),       // 17p lost before and after the doubling
        plant(18, 0, kToEnd, 2, 2),   // loss before the doubling
        plant(20, 0, kToEnd, 6, 4),   // chromosome 20 gain
        plant(21, 0, kToEnd, 3, 2),   // chromosome 21
        plant(23, 0, kToEnd, 3, 2),   // X
    };
    // A man's tumour with a trisomy 12 in half of its tumour cells beside clonal changes.
    DemoTumour t7;
    t7.name = "Tumor7";
    t7.male = true;
    t7.normalFraction = 0.3;
    t7.segments = {
        plant(1, 150, kToEnd, 3, 2),                           // 1q gain
        plant(3, 0, 60, 1, 1),                                 // 3p loss
        plant(7, 0, kToEnd, 3, 2),                             // trisomy 7
        subclone(plant(12, 0, kToEnd, 2, 1), 0.5, 3, 2),       // trisomy 12 in half the tumour cells
        plant(14, 20, 60, 2, 2),                               // copy-neutral LOH
        plant(17, 0, 20, 1, 1),                                // 17p loss
        plant(18, 50, kToEnd, 1, 1),                           // 18q loss
        plant(20, 30, kToEnd, 4, 3),                           // 20q gain
    };
    return {t1, t2, t3, t4, t5, t6, t7};
}

PlantedSegment unchangedState(const DemoTumour& tumour, int chromosome, int start, int end) {
    const int doubling = tumour.genomeDoubled ? 2 : 1;
    if (tumour.male && chromosome == varn::kChromosomeX) return {chromosome, start, end, doubling, doubling};
    return {chromosome, start, end, 2 * doubling, doubling};
}

std::vector<PlantedSegment> wholeGenomeSegments(const DemoTumour& tumour) {
    const bool hg18 = tumour.build == GenomeBuild::Hg18;
    const int last = hg18 ? kUnplacedChromosome : varn::kChromosomeX;
    std::vector<PlantedSegment> out;
    for (int c = 1; c <= last; ++c) {
        const int length = hg18 ? kChromosomeLength[c] : chromosomeLength(tumour.build, c);
        int next = 1; // first base not yet covered
        for (const PlantedSegment& s : tumour.segments) {
            if (s.chromosome != c) continue;
            if (s.start > next) out.push_back(unchangedState(tumour, c, next, s.start - 1));
            out.push_back(s);
            next = s.end + 1;
        }
        if (next <= length) out.push_back(unchangedState(tumour, c, next, length));
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
