#include "export/Segments.h"
#include "export/SegmentFiles.h"

#include "support/StoredAnalysis.h"
#include "support/TestDocument.h"
#include "view/GenomeLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>

namespace varn {
namespace {

using test::TestDocument;

bool decoded(const CVARNDoc& doc, int pos) {
    return doc.positionUsable[pos] == 1 && std::isfinite(doc.logRatio[0][pos]);
}

// The first and last decoded position of [from, to).
int firstDecoded(const CVARNDoc& doc, int from, int to) {
    for (int p = from; p < to; ++p)
        if (decoded(doc, p)) return p;
    return -1;
}
int lastDecoded(const CVARNDoc& doc, int from, int to) {
    for (int p = to - 1; p >= from; --p)
        if (decoded(doc, p)) return p;
    return -1;
}

const CopyNumberSegment* segmentAt(const std::vector<CopyNumberSegment>& segments, int chromosome,
                                   int position) {
    for (const CopyNumberSegment& s : segments)
        if (s.chromosome == chromosome && s.start <= position && position <= s.end) return &s;
    return nullptr;
}

// A Hind profile: on chromosome 1 copy number 2, then 3 from position 1000, then 1 from 2000, with
// a stale state 6 at an undecoded position and an infinite ratio at another; on chromosome 2 an
// LOH run over 5000..5999 broken by one stray AB call and by a stray pair; on X an LOH run.
struct HindProfile {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    int stale = -1;

    HindProfile() {
        const int t = kHind;
        doc.arrayType = t;
        std::strcpy(doc.poolSampleName[t][0], "H1");
        for (int p = kChromosomeStart[t][1]; p < kChromosomeStart[t][24]; ++p) {
            doc.logRatio[0][p] = 0.01f * static_cast<float>(p % 11) - 0.05f;
            doc.hmmState[0][p] = 2;
        }
        for (int p = 1000; p < 2000; ++p) doc.hmmState[0][p] = 3;
        for (int p = 2000; p < kChromosomeStart[t][2]; ++p) doc.hmmState[0][p] = 1;
        for (int p = 1400; stale < 0; ++p)
            if (doc.positionUsable[p] != 1) stale = p;
        doc.hmmState[0][stale] = 6;
        const int infinite = firstDecoded(doc, 1500, 2000);
        doc.logRatio[0][infinite] = -INFINITY;
        doc.hmmState[0][infinite] = 5;
        for (int p = 5000; p < 6000; ++p) doc.lohScore[p] = 45.0f + static_cast<float>(p % 3);
        doc.lohScore[firstDecoded(doc, 5500, 6000)] = 0.0f;
        const int pair = firstDecoded(doc, 5700, 6000);
        doc.lohScore[pair] = doc.lohScore[firstDecoded(doc, pair + 1, 6000)] = 3.0f;
        for (int p = 56000; p < 56100; ++p) doc.lohScore[p] = 60.0f;
    }
};

TEST(Segments, ExpandedBackOntoTheSnpsTheyGiveTheStateAndLohCallOfEveryDecodedPosition) {
    HindProfile h;
    const CVARNDoc& doc = h.doc;
    const std::vector<CopyNumberSegment> segments = buildSegments(doc, kHind);
    int decodedCount = 0, markers = 0;
    for (int p = 0; p < kChromosomeStart[kHind][24]; ++p) {
        if (!decoded(doc, p)) continue;
        ++decodedCount;
        const int ch = doc.snpChromosome[p];
        const CopyNumberSegment* s = segmentAt(segments, ch, doc.snpPosition[p]);
        ASSERT_NE(s, nullptr) << "position " << p;
        EXPECT_EQ(s->copyNumber, ch == kChromosomeX ? -1 : doc.hmmState[0][p]) << "position " << p;
        const bool lohRun = (p >= 5000 && p < 6000) || (p >= 56000 && p < 56100);
        EXPECT_EQ(s->loh, lohRun) << "position " << p;
    }
    for (const CopyNumberSegment& s : segments) markers += s.markers;
    EXPECT_EQ(markers, decodedCount);
    for (std::size_t i = 1; i < segments.size(); ++i) {
        const CopyNumberSegment &a = segments[i - 1], &b = segments[i];
        EXPECT_TRUE(a.chromosome < b.chromosome || (a.chromosome == b.chromosome && a.end < b.start)) << i;
    }
}

// Each boundary sits at the first decoded SNP of the new state or call, each end at the last of
// the old; neither the stale state nor the stray LOH calls split a segment.
TEST(Segments, BoundariesSitExactlyAtStateChangesAndLohEdges) {
    HindProfile h;
    const CVARNDoc& doc = h.doc;
    const std::vector<CopyNumberSegment> segments = buildSegments(doc, kHind);
    struct Expected {
        int chromosome, from, to, copyNumber;
        bool loh;
    };
    const int c2 = kChromosomeStart[kHind][2], c3 = kChromosomeStart[kHind][3];
    const int x = kChromosomeStart[kHind][23], xEnd = kChromosomeStart[kHind][24];
    const Expected rows[] = {
        {1, 0, 1000, 2, false},    {1, 1000, 2000, 3, false},    {1, 2000, c2, 1, false},
        {2, c2, 5000, 2, false},   {2, 5000, 6000, 2, true},     {2, 6000, c3, 2, false},
        {23, x, 56000, -1, false}, {23, 56000, 56100, -1, true}, {23, 56100, xEnd, -1, false},
    };
    for (const Expected& e : rows) {
        const int first = firstDecoded(doc, e.from, e.to), last = lastDecoded(doc, e.from, e.to);
        const CopyNumberSegment* s = segmentAt(segments, e.chromosome, doc.snpPosition[first]);
        ASSERT_NE(s, nullptr) << e.chromosome << ":" << e.from;
        EXPECT_EQ(s->start, doc.snpPosition[first]) << e.chromosome << ":" << e.from;
        EXPECT_EQ(s->end, doc.snpPosition[last]) << e.chromosome << ":" << e.from;
        EXPECT_EQ(s->copyNumber, e.copyNumber) << e.chromosome << ":" << e.from;
        EXPECT_EQ(s->loh, e.loh) << e.chromosome << ":" << e.from;
    }
    const CopyNumberSegment* loh = segmentAt(segments, 2, doc.snpPosition[firstDecoded(doc, 5000, 6000)]);
    EXPECT_DOUBLE_EQ(loh->lohMax, 47.0);
    EXPECT_LT(loh->lohMean, 46.0) << "the stray calls count in the mean";
}

TEST(Segments, MeansAreThoseOfTheProfileValuesAndLog2IsLnOverLn2) {
    HindProfile h;
    const std::vector<CopyNumberSegment> segments = buildSegments(h.doc, kHind);
    const CopyNumberSegment& s = segments.front();
    double sum = 0;
    int n = 0;
    for (int p = 0; p < 1000; ++p)
        if (decoded(h.doc, p)) sum += h.doc.logRatio[0][p], ++n;
    ASSERT_EQ(s.markers, n);
    EXPECT_NEAR(s.meanLn, sum / n, 1e-12);
    EXPECT_NEAR(log2Mean(s), sum / n / std::log(2.0), 1e-12);
}

// The merged profile walks the merged order through both arrays' SNPs: here chromosome 1 of Xba
// and Hind alternating in genome order, both in state 3, and its LOH score held by merged index.
TEST(Segments, MergedSegmentsInterleaveBothArrays) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    int h = kChromosomeStart[kHind][1], x = kChromosomeStart[kXba][1];
    const int hEnd = kChromosomeStart[kHind][2], xEnd = kChromosomeStart[kXba][2];
    int decodedCount = 0, lastM = -1;
    for (int m = kChromosomeStart[kCombined][1]; m < kChromosomeStart[kCombined][2]; ++m) {
        const int pos = (m % 2 == 0 && h < hEnd) || x >= xEnd ? h++ : x++;
        doc.combineOrder[m] = pos;
        doc.snpPosition[doc.arrangeOrder[pos]] = 1000 + 10 * m;
        doc.hmmState[0][pos] = 3;
        doc.logRatio[0][pos] = 0.4f;
        if (decoded(doc, pos)) ++decodedCount, lastM = m;
    }
    for (int m = kChromosomeStart[kCombined][2]; m < kChromosomeStart[kCombined][3]; ++m)
        doc.lohScore[m] = 80.0f;
    const std::vector<CopyNumberSegment> merged = buildSegments(doc, kCombined);
    ASSERT_GE(merged.size(), 2u);
    EXPECT_EQ(merged[0].chromosome, 1);
    EXPECT_EQ(merged[0].copyNumber, 3);
    EXPECT_EQ(merged[0].markers, decodedCount);
    EXPECT_EQ(merged[0].end, doc.snpPosition[doc.arrangeOrder[doc.combineOrder[lastM]]]);
    EXPECT_EQ(merged[1].chromosome, 2);
    EXPECT_TRUE(merged[1].loh);
    EXPECT_LT(buildSegments(doc, kXba).front().markers, decodedCount) << "one array holds only its own SNPs";
}

TEST(SegmentFiles, SegTableAndBedFollowTheirFormats) {
    SegmentedSample a{"A",
                      1.0f,
                      {{1, 100, 900, 12, -0.693147, 1, true, 50.0, 61.25},
                       {2, 5, 8, 3, 0.0, 2, false, 0.0, 0.0},
                       {2, 20, 30, 4, 0.1, 2, true, 35.5, 40.0},
                       {23, 7, 9, 2, 0.05, -1, true, 33.0, 33.0},
                       {23, 10, 12, 2, 0.05, -1, false, 0.0, 0.0}}};
    SegmentedSample b{"B", 0.7f, {{3, 1, 2, 2, 0.6931472, 4, false, 1.0, 2.0}}};
    EXPECT_EQ(segFileText({a, b}), "ID\tchrom\tloc.start\tloc.end\tnum.mark\tseg.mean\n"
                                   "A\t1\t100\t900\t12\t-1.000000\n"
                                   "A\t2\t5\t8\t3\t0.000000\n"
                                   "A\t2\t20\t30\t4\t0.144270\n"
                                   "A\t23\t7\t9\t2\t0.072135\n"
                                   "A\t23\t10\t12\t2\t0.072135\n"
                                   "B\t3\t1\t2\t2\t1.000000\n");
    EXPECT_EQ(segmentTableText(b),
              "# tumour cells=70%\n"
              "ID\tchrom\tloc.start\tloc.end\tnum.mark\tseg.mean.ln\tseg.mean.log2\tcopy.number\t"
              "loh\tloh.mean\tloh.max\n"
              "B\t3\t1\t2\t2\t0.693147\t1.000000\t4\tno\t1.000\t2.000\n");
    EXPECT_EQ(tumourCellsNote(0.996f), "tumour cells=99%") << "never 100% for mixed means";
    const std::string table = segmentTableText(a);
    EXPECT_EQ(table.rfind("ID\t", 0), 0u) << "no purity line for pure-tumour means";
    EXPECT_NE(table.find("\nA\t23\t7\t9\t2\t0.050000\t0.072135\t\tyes\t33.000\t33.000\n"), std::string::npos);
    EXPECT_EQ(segmentBedText(a),
              "track name=\"A segments\" description=\"VARN segments of A\" itemRgb=\"On\"\n"
              "chr1\t99\t900\tCN1 LOH\t0\t.\t99\t900\t0,0,200\n"
              "chr2\t19\t30\tCN2 LOH\t0\t.\t19\t30\t0,140,0\n"
              "chrX\t6\t9\tLOH\t0\t.\t6\t9\t0,140,0\n");
    EXPECT_EQ(segmentBedText(b),
              "track name=\"B segments\" description=\"VARN segments of B, tumour cells=70%\" "
              "itemRgb=\"On\"\nchr3\t0\t2\tCN4\t0\t.\t0\t2\t200,0,0\n");
}

// SegmentOut in the single-array genome: three files in segments/, made when missing, under a
// name whose separators became underscores; a root that does not exist is the program's message.
TEST(SegmentFiles, SegmentOutWritesThreeFilesUnderASafeName) {
    HindProfile h;
    CVARNDoc& doc = h.doc;
    test::makeOutputFolders(doc);
    std::strcpy(doc.poolSampleName[kHind][0], "a/b");
    h.td.view->displayMode = ModeChromosomeSingle;
    doc.OnSegmentOut();
    EXPECT_TRUE(h.td.ui.messages.empty());
    const std::filesystem::path folder = doc.fixedPath("c:\\VARN\\segments");
    const std::string seg = test::readFileBytes(folder / "a_b.seg");
    EXPECT_EQ(seg, segFileText({segmentedSample(doc, kHind)}));
    EXPECT_EQ(seg.substr(seg.find('\n') + 1, 4), "a/b\t");
    EXPECT_TRUE(std::filesystem::exists(folder / "a_b.segments.tsv"));
    EXPECT_TRUE(std::filesystem::exists(folder / "a_b.bed"));

    TestDocument missing;
    missing.doc->arrayType = kHind;
    missing.view->displayMode = ModeGenomeSingle;
    missing.doc->OnSegmentOut();
    EXPECT_EQ(missing.ui.messages, std::vector<std::string>{"Segment file cannot be written"});
}

} // namespace
} // namespace varn
