// The batch track export over analyses stored from the demo installation's tumours.
#include "demo/DemoFixture.h"
#include "demo/DemoTumours.h"

#include <gtest/gtest.h>

#include <cstring>

namespace varn {
namespace {

namespace fs = std::filesystem;

int countLines(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

// Stores the non-self analysis of one demo tumour on array t against every reference of the
// loaded pool, fitted on chromosomes 1 and 2.
void storeTumour(CVARNDoc& doc, const fs::path& demoRoot, const std::string& name, int t) {
    const std::string a = t == kXba ? "X" : "H";
    ASSERT_EQ(doc.ReadSignalFile(t, demoRoot / ("tumorsample" + a) / (name + a + ".txt"), 0, 0), 0);
    ASSERT_EQ(doc.ReadSnpCallFile(t, demoRoot / ("SNPtumorsample" + a) / (name + a + ".txt"), 0), 0);
    std::snprintf(doc.poolSampleName[t][0], kNameSize, "%s%s", name.c_str(), a.c_str());
    doc.analysedRow[t] = 0;
    doc.regionStart[t] = doc.view->chromosomeStart[t][1];
    doc.regionEnd[t] = doc.view->chromosomeStart[t][3] - 1;
    for (int r = 0; r < kRefSelectedSize; ++r) doc.refSelected[t][r] = r >= 1 && r <= test::kDemoReferences ? 1 : 0;
    doc.refUsedCount[t] = test::kDemoReferences;
    ASSERT_EQ(doc.StoreNonSelfTempFile(t), 0);
}

TEST(DemoBatchExport, WritesTwoTracksPerStoredAnalysisAndSkipsTypesWithoutAPool) {
    test::DemoInstallationFixture& demo = test::demoInstallation();
    ASSERT_TRUE(demo.made) << demo.errors;
    // A root of its own that shares the demo's inputs, so the demo's output folders stay empty.
    test::TempDir dir;
    const fs::path root = dir.path() / "VARN";
    fs::create_directories(root / "temporary files");
    fs::create_directories(root / "IGBfiles");
    for (const char* input : {"data", "tumorsampleX", "tumorsampleH", "SNPtumorsampleX", "SNPtumorsampleH"})
        fs::create_directory_symlink(demo.root / input, root / input);
    test::ScriptedUi ui;
    CVARNDoc doc(InstallRoot(root), ui);
    CVARNView view(doc);
    ASSERT_TRUE(ui.messages.empty());

    ASSERT_TRUE(doc.OnOpenDocument(demo.root / "XbaPool.ref"));
    const std::vector<demo::DemoTumour> tumours = demo::demoTumours();
    for (const demo::DemoTumour& tumour : tumours) storeTumour(doc, demo.root, tumour.name, kXba);
    storeTumour(doc, demo.root, tumours[0].name, kHind); // no Hind pool is loaded

    view.displayMode = ModeChromosomeSingle;
    view.currentChromosome = 8;
    view.windowOrgX = 1000;
    view.shownArrayType = kXba;
    ui.messages.clear();
    doc.OnBatchIgbFileOut();

    EXPECT_EQ(ui.messages, std::vector<std::string>{"Reference is not loaded"});
    int written = 0;
    for (const auto& entry : fs::directory_iterator(root / "IGBfiles")) {
        ++written;
        EXPECT_EQ(countLines(test::readFileBytes(entry.path())), 58960) << entry.path();
    }
    EXPECT_EQ(written, 2 * static_cast<int>(tumours.size()));
    for (const demo::DemoTumour& tumour : tumours) {
        EXPECT_TRUE(fs::exists(root / "IGBfiles" / (tumour.name + "X.sgr")));
        EXPECT_TRUE(fs::exists(root / "IGBfiles" / (tumour.name + "XLOH.sgr")));
    }
    EXPECT_EQ(view.displayMode, ModeChromosomeSingle);
    EXPECT_EQ(view.currentChromosome, 8);
    EXPECT_EQ(view.windowOrgX, 1000);
    EXPECT_EQ(view.shownArrayType, kXba);
}

} // namespace
} // namespace varn
