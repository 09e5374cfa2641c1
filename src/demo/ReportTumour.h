#pragma once

#include "DemoTumours.h"

#include <vector>

namespace varn::demo {

// The tumour the final reports hold, on hg19: Tumor4's changes (a man's tumour with half of its
// cells normal, LOH without loss on 6q and with a duplicated homologue on 15q) moved onto that
// assembly, and two changes only a dense array resolves: a homozygous deletion of 100 kb and a
// germline loss of 50 kb.
struct ReportTumour {
    // Its planted segments include the germline loss: the tumour cells inherited it.
    DemoTumour tumour;
    // Inherited changes: the normal cells of the biopsy and the paired normal carry them too.
    std::vector<PlantedSegment> germline;
};

ReportTumour reportTumour();

// A 2006-assembly tumour's segments on hg19: each boundary keeps its place on its chromosome arm,
// the short and the long arm scaled apart at the centromere, so that an arm-level change stays on
// its arm and adjacent segments stay adjacent.
DemoTumour liftToHg19(const DemoTumour& tumour);

// The copies the patient inherited at a base: two, one on a man's X or in a germline loss.
int germlineCopiesAt(const ReportTumour& patient, int chromosome, int position);

} // namespace varn::demo
