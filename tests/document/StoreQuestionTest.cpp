// An analysis changed since it was last stored or loaded is not closed unasked: the question's
// Store keeps it first, Discard closes it as it is, Cancel keeps it open.
#include "support/TestDocument.h"
#include "view/DisplayMode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace varn::test {
namespace {

struct Shown {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    std::filesystem::path stored = doc.fixedPath("c:\\VARN\\temporary files\\S1X.temp");
    Shown() {
        fillSyntheticProfile(doc);
        doc.askToStoreAnalysis = true;
        doc.arrayType = kXba;
        doc.referenceMode = kNonSelfReference;
        doc.analysedRow[kXba] = 0;
        std::strcpy(doc.poolSampleName[kXba][0], "S1X");
        td.view->displayMode = ModeGenomeSingle;
        std::filesystem::create_directories(stored.parent_path());
    }
};

TEST(StoreQuestion, AnUnstoredAnalysisIsStoredDiscardedOrKeptOpenAsAnswered) {
    struct Case {
        StoreChoice choice;
        bool closes, stored;
    };
    for (const Case c : {Case{StoreChoice::Store, true, true}, Case{StoreChoice::Discard, true, false},
                         Case{StoreChoice::Cancel, false, false}}) {
        Shown s;
        s.td.ui.answerStore(c.choice);
        EXPECT_EQ(s.doc.MayCloseAnalysis(), c.closes);
        EXPECT_EQ(s.td.ui.messages.front(), "Store the analysis of S1X?");
        EXPECT_EQ(std::filesystem::exists(s.stored), c.stored);
        EXPECT_EQ(s.doc.analysisUnstored(), !c.stored);
    }
}

// Stored, nothing is asked until something the stored file keeps changes; a File New over it
// then stops at Cancel before its first dialog. Without the setting nothing is ever asked.
TEST(StoreQuestion, OnlyAChangeSinceTheLastStoreAsks) {
    Shown s;
    s.doc.OnStore();
    EXPECT_FALSE(s.doc.analysisUnstored());
    EXPECT_TRUE(s.doc.MayCloseAnalysis());
    s.td.view->displayMode = ModeChromosomeSingle;
    EXPECT_FALSE(s.doc.analysisUnstored()) << "another page of the same analysis";
    s.doc.baseCopyNumber = 3;
    EXPECT_TRUE(s.doc.analysisUnstored());
    s.td.ui.messages.clear();
    s.td.ui.answerStore(StoreChoice::Cancel);
    s.doc.OnFileNew();
    EXPECT_EQ(s.td.ui.messages, std::vector<std::string>{"Store the analysis of S1X?"});
    EXPECT_TRUE(s.td.ui.allAnswersUsed());
    s.doc.askToStoreAnalysis = false;
    EXPECT_TRUE(s.doc.MayCloseAnalysis());
    s.td.view->displayMode = ModeCompensation;
    s.doc.askToStoreAnalysis = true;
    EXPECT_TRUE(s.doc.MayCloseAnalysis()) << "no finished analysis is shown";
}

} // namespace
} // namespace varn::test
