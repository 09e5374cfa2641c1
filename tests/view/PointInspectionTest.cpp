#include "support/TestDocument.h"
#include "view/DisplayMode.h"
#include "view/GenomeBrowserLink.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace varn {
namespace {

using test::TestDocument;

// The Explore view of chromosome c (one SNP per pixel) as the paint leaves it.
void explore(CVARNView& v, int mode, int t, int c, int orgX = 0) {
    v.displayMode = mode;
    v.shownArrayType = t;
    v.paintChromosome = c;
    v.windowOrgX = orgX;
    v.windowOrgY = 0;
    v.windowExtX = 1;
    v.windowExtY = 4;
}

// The synthetic genome puts SNP p of chromosome c at (p - start(c) + 1) * 30 kb; here position
// p of the ratio row holds (p mod 1000) / 4.
void fillRatios(CVARNDoc& doc) {
    for (int p = 0; p < kSlots; ++p) doc.logRatio[0][p] = static_cast<float>(p % 1000) / 4.0f;
}

TEST(PointInspection, ReportsTheSnpUnderTheMouseWithItsNeighboursAndOpensTheBrowser) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    fillRatios(doc);
    std::strcpy(doc.snpBandName[62403], "p25.3");
    // Panned by 500 SNPs: x = 100 (the end of the margin) shows the 501st SNP of chromosome 2.
    explore(*td.view, ModeChromosomeSingle, kXba, 2, 500);
    td.ui.answerYesNo(true);
    td.view->OnRButtonDown(100, 37);
    ASSERT_EQ(td.ui.messages.size(), 1u);
    EXPECT_EQ(td.ui.messages[0], "SNPnumber= 62403\tChromosome= 2\tCytoband=   p25.3\n "
                                 "\n point 62401: signal= 100.250000 Position= 14970000"
                                 "\n point 62402: signal= 100.500000 Position= 15000000"
                                 "\n point 62403: signal= 100.750000 Position= 15030000"
                                 "\n point 62404: signal= 101.000000 Position= 15060000"
                                 "\n point 62405: signal= 101.250000 Position= 15090000\n"
                                 "\n Goto Web Information?");
    ASSERT_EQ(td.ui.openedUrls.size(), 1u);
    EXPECT_EQ(
        td.ui.openedUrls[0],
        "http://genome.ucsc.edu/cgi-bin/hgTracks?hgsid=10000000&db=hg16&position=chr2%3A15029900-15030100");
}

TEST(PointInspection, NoOpensNothingAndAFailedOpenerSaysTheWebIsNotConnected) {
    TestDocument td;
    explore(*td.view, ModeChromosomeSelf, kHind, 7);
    td.ui.answerYesNo(false);
    td.view->OnRButtonDown(150, 10);
    EXPECT_TRUE(td.ui.openedUrls.empty());
    td.ui.urlOpens = false;
    td.ui.answerYesNo(true);
    td.view->OnRButtonDown(150, 10);
    ASSERT_EQ(td.ui.messages.size(), 3u);
    EXPECT_EQ(td.ui.messages[2], "Web not connected");
    EXPECT_EQ(td.ui.openedUrls.size(), 1u);
}

// The merged view reads through the merged order; X is named by its letter in the link.
TEST(PointInspection, MergedChromosomeXLinksToChrX) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    td.view->browserSite = GenomeBrowserSite{"browser.example.org", "12345678"};
    explore(*td.view, ModeChromosomeBoth, 0, 23);
    const int s = doc.arrangeOrder[doc.combineOrder[113237]];
    ASSERT_EQ(doc.snpChromosome[s], 23);
    td.ui.answerYesNo(true);
    td.view->OnRButtonDown(100, 10);
    ASSERT_EQ(td.ui.messages.size(), 1u);
    EXPECT_EQ(td.ui.messages[0].rfind("SNPnumber= 113237\tChromosome= 23\t", 0), 0u);
    ASSERT_EQ(td.ui.openedUrls.size(), 1u);
    EXPECT_EQ(td.ui.openedUrls[0],
              "http://browser.example.org/cgi-bin/hgTracks?hgsid=12345678&db=hg16&position=chrX%3A"
              "29900-30100");
    EXPECT_EQ(genomeBrowserUrl(GenomeBrowserSite{}, 22, 1000),
              "http://genome.ucsc.edu/cgi-bin/hgTracks?hgsid=10000000"
              "&db=hg16&position=chr22%3A900-1100");
}

// Unanswered questions throw in the scripted interface, so these clicks must ask nothing.
TEST(PointInspection, ClicksOutsideTheSnpsOrOutsideTheExploreViewAreIgnored) {
    TestDocument td;
    CVARNView& v = *td.view;
    explore(v, ModeChromosomeSingle, kXba, 2);
    v.OnRButtonDown(99, 10); // the margin
    const int width = v.chromosomeStart[kXba][3] - v.chromosomeStart[kXba][2];
    v.OnRButtonDown(100 + width, 10); // right of the last SNP
    v.windowExtX = 5;                 // Monitor view
    v.OnRButtonDown(150, 10);
    explore(v, ModeGenomeSingle, kXba, 2);
    v.OnRButtonDown(150, 10);
    explore(v, ModeChromosomeSingle, kXba, 0); // nothing painted yet
    v.OnRButtonDown(150, 10);
    EXPECT_TRUE(td.ui.messages.empty());
    EXPECT_TRUE(td.ui.openedUrls.empty());
}

// At the first SNP of an array the block holds only the points that exist; in the merged order
// the points before index 0 would be read outside the tables.
TEST(PointInspection, FivePointBlockIsClippedAtTheArrayEnds) {
    TestDocument td;
    fillRatios(*td.doc);
    const std::pair<int, int> cases[] = {
        {ModeChromosomeBoth, 0}, {ModeChromosomeSingle, kXba}, {ModeChromosomeSelf, kHind}};
    for (const auto& [mode, t] : cases) {
        td.ui.messages.clear();
        explore(*td.view, mode, t, 1);
        td.ui.answerYesNo(false);
        td.view->OnRButtonDown(100, 10);
        ASSERT_EQ(td.ui.messages.size(), 1u);
        const std::string& text = td.ui.messages[0];
        const int first = td.doc->snpFirst[t];
        EXPECT_EQ(text.find("\n point " + std::to_string(first - 1) + ":"), std::string::npos) << text;
        EXPECT_NE(text.find("\n point " + std::to_string(first) + ":"), std::string::npos) << text;
        EXPECT_NE(text.find("\n point " + std::to_string(first + 2) + ": signal= "), std::string::npos)
            << text;
        EXPECT_EQ(text.substr(text.size() - 24), "\n\n Goto Web Information?") << text;
    }
}

} // namespace
} // namespace varn
