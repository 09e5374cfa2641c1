#pragma once

#include "document/CVARNDoc.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "view/CVARNView.h"

#include <memory>

namespace varn::test {

// Fills the annotation of a document in memory with a simple, consistent genome: display order
// equals record order, chromosomes follow the layout table, base positions rise 30 kb apart,
// fragment lengths cycle through 400..2099 (so about one position in ten is unusable) and GC
// contents through 0.30..0.59, heterozygosity 0.3. The merged order lists, chromosome by
// chromosome, the Xba positions and then the Hind positions, followed by the slots after X; this
// satisfies the merged layout table with its one chromosome-4 SNP inside merged chromosome 5.
// Finishes with computePositionUsable().
void fillSyntheticAnnotation(CVARNDoc& doc);

// Something on every track of every page over the synthetic annotation: ratios, decoded states in
// runs of 700 SNPs, LOH scores, averages, calls of tumour and normal, cytoband runs, the region,
// and two pool rows (the sample and one reference) for the compensation page.
void fillSyntheticProfile(CVARNDoc& doc);

// A document and its view over an empty installation root (the missing annotation tables are
// reported to the scripted interface and the messages cleared), with the synthetic annotation.
struct TestDocument {
    TempDir root;
    ScriptedUi ui;
    std::unique_ptr<CVARNDoc> doc;
    std::unique_ptr<CVARNView> view;

    explicit TestDocument(bool synthetic = true);
};

} // namespace varn::test
