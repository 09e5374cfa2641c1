#include "ReportTumour.h"

#include "document/ChromosomeTable.h"

#include <algorithm>
#include <cmath>

namespace varn::demo {

namespace {

int centromereMiddle(GenomeBuild build, int chromosome) {
    const Centromere c = centromereOf(build, chromosome);
    return c.start + (c.end - c.start) / 2;
}

// A boundary between bases (0 .. the chromosome's length) of the 2006 assembly on hg19.
int liftBoundary(int chromosome, int boundary) {
    const double from = centromereMiddle(GenomeBuild::Hg18, chromosome);
    const double to = centromereMiddle(GenomeBuild::Hg19, chromosome);
    const double fromLength = chromosomeLength(GenomeBuild::Hg18, chromosome);
    const double toLength = chromosomeLength(GenomeBuild::Hg19, chromosome);
    const double lifted = boundary <= from ? boundary * to / from
                                           : to + (boundary - from) * (toLength - to) / (fromLength - from);
    return static_cast<int>(std::lround(lifted));
}

PlantedSegment onHg19(int chromosome, int start, int end, int copyNumber, int majorCopies) {
    PlantedSegment s;
    s.chromosome = chromosome;
    s.start = start;
    s.end = end;
    s.copyNumber = copyNumber;
    s.majorCopies = majorCopies;
    return s;
}

} // namespace

DemoTumour liftToHg19(const DemoTumour& tumour) {
    DemoTumour lifted = tumour;
    lifted.build = GenomeBuild::Hg19;
    for (PlantedSegment& s : lifted.segments) {
        s.start = liftBoundary(s.chromosome, s.start - 1) + 1;
        s.end = liftBoundary(s.chromosome, s.end);
    }
    return lifted;
}

ReportTumour reportTumour() {
    const std::vector<DemoTumour> tumours = demoTumours();
    ReportTumour r;
    r.tumour = liftToHg19(tumours[3]);
    r.tumour.name = "Tumor8";
    // 9p21 over CDKN2A (hg19 chr9:21,967,751-21,995,300), the commonest homozygous deletion of
    // carcinomas; about 25 SNPs at 700,000 SNPs, fewer than one on the 50K pair.
    r.tumour.segments.push_back(onHg19(9, 21900001, 22000000, 0, 0));
    // One copy lost in the germline, on a long arm no change touches: normal and tumour cells
    // alike hold one copy, so the tumour's log ratio drops as far as in the normal.
    const PlantedSegment germlineLoss = onHg19(7, 110000001, 110050000, 1, 1);
    r.tumour.segments.push_back(germlineLoss);
    r.germline.push_back(germlineLoss);
    std::sort(r.tumour.segments.begin(), r.tumour.segments.end(),
              [](const PlantedSegment& a, const PlantedSegment& b) {
                  return a.chromosome != b.chromosome ? a.chromosome < b.chromosome : a.start < b.start;
              });
    return r;
}

int germlineCopiesAt(const ReportTumour& patient, int chromosome, int position) {
    for (const PlantedSegment& s : patient.germline)
        if (s.chromosome == chromosome && position >= s.start && position <= s.end) return s.copyNumber;
    return patient.tumour.male && chromosome == kChromosomeX ? 1 : 2;
}

} // namespace varn::demo
