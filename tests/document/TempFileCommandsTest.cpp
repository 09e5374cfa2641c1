#include "commands/CAverage.h"
#include "support/StoredAnalysis.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

using test::TestDocument;

std::filesystem::path nonSelfPath(const CVARNDoc& doc, const std::string& name) {
    return doc.fixedPath("c:\\VARN\\temporary files\\" + name + ".temp");
}
std::filesystem::path selfPath(const CVARNDoc& doc, const std::string& name) {
    return doc.fixedPath("c:\\VARN\\Self temporary files\\" + name + ".temp");
}

TEST(TempFileCommands, StoreWritesTheFormatOfTheReferenceModeAndNothingForTheMergedType) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeOutputFolders(doc);
    test::fillStoredAnalysis(doc, kXba, "pool", false);
    doc.OnStore();
    EXPECT_TRUE(std::filesystem::exists(nonSelfPath(doc, "pool")));
    EXPECT_FALSE(std::filesystem::exists(selfPath(doc, "pool")));

    test::fillStoredAnalysis(doc, kXba, "pair", true);
    doc.OnStore();
    EXPECT_TRUE(std::filesystem::exists(selfPath(doc, "pair")));
    EXPECT_FALSE(std::filesystem::exists(nonSelfPath(doc, "pair")));

    doc.arrayType = kCombined;
    std::snprintf(doc.poolSampleName[kXba][0], kNameSize, "merged");
    doc.OnStore();
    doc.arrayType = -1;
    doc.OnStore();
    EXPECT_FALSE(std::filesystem::exists(selfPath(doc, "merged")));
    EXPECT_FALSE(std::filesystem::exists(nonSelfPath(doc, "merged")));
    EXPECT_TRUE(td.ui.messages.empty());
}

TEST(TempFileCommands, NonSelfDialogShowsItsPropertiesAndCancelChangesNothing) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::fillStoredAnalysis(doc, kHind, "c");
    const auto before = test::storedFieldsDigest(doc, kHind);
    td.ui.answerFile(std::nullopt);
    EXPECT_EQ(doc.SelectNonSelfTempFile(), 1);
    ASSERT_EQ(td.ui.fileDialogs.size(), 1u);
    const FileChooserOptions chooser = td.ui.fileDialogs[0];
    EXPECT_EQ(chooser.title, "Select temporary file");
    EXPECT_EQ(chooser.initialDirectory, doc.fixedPath("C:\\VARN\\temporary files"));
    EXPECT_EQ(chooser.filter, "temp(*.temp)|*.temp|all_files(*.*)|*.*||");
    EXPECT_EQ(chooser.defaultExtension, "temp");
    EXPECT_EQ(chooser.initialFileName, "*.temp");
    td.ui.answerFile(std::nullopt);
    doc.OnSelfLoad();
    EXPECT_EQ(td.ui.fileDialogs[1].filter, chooser.filter);
    EXPECT_EQ(test::storedFieldsDigest(doc, kHind), before);
    EXPECT_TRUE(td.ui.messages.empty());
}

// NonSelfLoad rebuilds the pool-mode profile from the file and the loaded pool: the ratios, the
// HMM states, the averages and the LOH score equal those before the store.
TEST(TempFileCommands, NonSelfReloadRecomputesTheSameProfileAsBeforeTheStore) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeOutputFolders(doc);
    const int t = kXba;
    test::fillPool(doc, t, 6);
    test::fillStoredAnalysis(doc, t, "tumour");
    auto analyse = [&] {
        td.ui.answer<CAverage>([](CAverage& d) {
            d.averageNumber = 4;
            return DialogResult::Ok;
        });
        doc.computePoolRatio(doc.regionStart[t], doc.regionEnd[t], doc.refSelected[t], doc.analysedRow[t], 0, t);
        td.view->averageArrayType(t);
    };
    analyse();
    std::vector<std::string> profile;
    for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) {
        profile.push_back(test::printedF(doc.logRatio[0][pos]) + " " + std::to_string(doc.hmmState[0][pos]) + " " +
                          test::printedF(doc.averageRatio[0][pos]) + " " + test::printedF(doc.lohScore[pos]));
    }
    doc.OnStore();

    test::fillStoredAnalysis(doc, kHind, "other", true, true, 3);
    std::fill(doc.logRatio[0], doc.logRatio[0] + kSlots, 0.0f);
    td.view->displayMode = ModeNone;
    td.ui.answerFile(nonSelfPath(doc, "tumour"));
    td.ui.answer<CAverage>([](CAverage& d) {
        d.averageNumber = 4;
        return DialogResult::Ok;
    });
    doc.OnNonSelfLoad();
    EXPECT_EQ(doc.referenceMode, kNonSelfReference);
    EXPECT_EQ(doc.arrayType, t);
    EXPECT_EQ(td.view->displayMode, ModeGenomeSingle);
    std::size_t k = 0;
    for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) {
        ASSERT_EQ(test::printedF(doc.logRatio[0][pos]) + " " + std::to_string(doc.hmmState[0][pos]) + " " +
                      test::printedF(doc.averageRatio[0][pos]) + " " + test::printedF(doc.lohScore[pos]),
                  profile[k++])
            << pos;
    }
    EXPECT_TRUE(td.ui.messages.empty());
    EXPECT_TRUE(td.ui.allAnswersUsed());
}

TEST(TempFileCommands, FailedNonSelfLoadDoesNotRecomputeOrChangeTheMode) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeOutputFolders(doc);
    test::fillStoredAnalysis(doc, kHind, "nopool");
    doc.refCount[kHind] = 2;
    doc.OnStore();
    doc.refCount[kHind] = -1;
    doc.referenceMode = kSelfReference;
    doc.logRatio[0][5] = 42.0f;
    td.ui.answerFile(nonSelfPath(doc, "nopool"));
    doc.OnNonSelfLoad(); // no averaging dialog is scripted: asking for one would fail the test
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"Reference is not loaded"});
    EXPECT_EQ(doc.referenceMode, kSelfReference);
    EXPECT_EQ(doc.logRatio[0][5], 42.0f);
}

} // namespace
} // namespace varn
