#include "commands/CAverage.h"
#include "commands/CBaseSet.h"
#include "commands/CHMMParameter.h"
#include "commands/CProfileOpen.h"
#include "commands/CRefSelect.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <cstring>

namespace varn {
namespace {

using test::ScriptedUi;

TEST(CAverageDialog, OpensWithTrimmingLinesAndTheNumberInTheEdit) {
    CAverage d;
    d.averageNumber = 10;
    d.trimExtremes = 0;
    d.drawMethod = 0;
    d.onInitDialog();
    EXPECT_EQ(d.trimExtremes, 1);
    EXPECT_EQ(d.drawMethod, 2);
    EXPECT_EQ(d.averageText, "10");
    ScriptedUi ui;
    EXPECT_TRUE(d.onOk(ui));
    EXPECT_EQ(d.averageNumber, 10);
}

TEST(CAverageDialog, RefusesMissingChoicesAndNumbersOutsideOneToTen) {
    ScriptedUi ui;
    struct Case {
        int trim, draw;
        const char* text;
        const char* message; // nullptr = accepted
        int number;
    };
    const Case cases[] = {
        {0, 2, "5", "Select Averaging Mode", 0},
        {1, 0, "5", "Select Draw Mode", 0},
        {2, 1, "11", "Please enter an integer between 1 and 10.", 0},
        {2, 1, "0", "Please enter an integer between 1 and 10.", 0},
        {2, 1, "-3", "Please enter an integer between 1 and 10.", 0},
        {2, 1, "abc", "Please enter an integer.", 0},
        {2, 1, "2.5", "Please enter an integer.", 0},
        {2, 1, "", "Please enter an integer.", 0},
        {2, 1, "99999999999999", "Please enter an integer.", 0},
        {2, 1, " 7 ", nullptr, 7},
        {1, 2, "1", nullptr, 1},
    };
    for (const Case& c : cases) {
        CAverage d;
        d.onInitDialog();
        d.trimExtremes = c.trim;
        d.drawMethod = c.draw;
        d.averageText = c.text;
        ui.messages.clear();
        const bool accepted = d.onOk(ui);
        if (c.message == nullptr) {
            EXPECT_TRUE(accepted) << c.text;
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(d.averageNumber, c.number);
        } else {
            EXPECT_FALSE(accepted) << c.text;
            ASSERT_EQ(ui.messages.size(), 1u) << c.text;
            EXPECT_EQ(ui.messages[0], c.message);
        }
    }
    // An untouched edit stands for the number set directly.
    CAverage d;
    d.onInitDialog();
    d.averageNumber = 11;
    EXPECT_FALSE(d.onOk(ui));
}

TEST(CHMMParameterDialog, SpinsHoldHundredthsCutTowardZeroAndReadBackAsUnsigned16Bit) {
    CHMMParameter d;
    const float means[6] = {0.899f, 0.657f, 0.365f, 0.0f, -0.564015f, -1.24f};
    for (int i = 0; i < 6; ++i) d.member[i] = means[i];
    d.onInitDialog();
    const int positions[6] = {89, 65, 36, 0, -56, -124};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(d.spinPosition[i], positions[i]) << i;
    EXPECT_STREQ(d.currentValueText[2], "0.365000");
    EXPECT_STREQ(d.currentValueText[5], "-1.240000");

    // A spin left where it opened keeps its mean to the last digit, also when the control reports
    // its negative position as an unsigned 16-bit value (-56 as 65480); a moved spin gives its
    // hundredths.
    d.spinPosition[4] = 65536 - 56;
    d.spinPosition[5] = 65536 - 120;
    d.spinPosition[1] = 66;
    d.onOk();
    for (int i : {0, 2, 3, 4}) EXPECT_EQ(d.member[i], means[i]) << i;
    EXPECT_FLOAT_EQ(d.member[1], 0.66f);
    EXPECT_FLOAT_EQ(d.member[5], -1.2f);

    d.onDefault();
    const int defaults[6] = {89, 65, 37, 0, -49, -124};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(d.spinPosition[i], defaults[i]);

    // The spin range keeps a mean within -1.50 .. 1.50.
    d.member[0] = 2.5f;
    d.member[5] = -3.0f;
    d.onCurrentValue();
    EXPECT_EQ(d.spinPosition[0], 150);
    EXPECT_EQ(d.spinPosition[5], -150);
}

TEST(CRefSelectDialog, SampleLoadListsEveryEntryAndOkReadsTheTicks) {
    CRefSelect d;
    d.entryCount = 4;
    std::strcpy(d.referenceName[1], "alpha");
    std::memcpy(d.referenceName[2], "sixteen-chars-xx", 16); // fills its slot, no terminator
    std::strcpy(d.referenceName[3], "c");
    d.referenceSd[1] = 0.1f;
    d.referenceSd[2] = 0.25f;
    d.referenceSd[3] = 1.5f;
    d.onSampleLoad();
    ASSERT_EQ(d.listItems.size(), 3u);
    EXPECT_EQ(d.listItems[0], " samplealpha   0.100000");
    EXPECT_EQ(d.listItems[1], " samplesixteen-chars-xx   0.250000");
    EXPECT_EQ(d.listItems[2], " samplec   1.500000");

    ScriptedUi ui;
    EXPECT_FALSE(d.onOk(ui));
    EXPECT_EQ(ui.messages.back(), "Select samples");
    d.listChecked[1] = true;
    d.listChecked[2] = true;
    EXPECT_TRUE(d.onOk(ui));
    EXPECT_EQ(ui.messages.back(), "2 items selected \n as references");
    EXPECT_EQ(d.tickedCount, 2);
    EXPECT_EQ(d.firstTicked, 2);
    EXPECT_EQ(d.itemTicked[0], 0);
    EXPECT_EQ(d.itemTicked[1], 1);
    EXPECT_EQ(d.itemTicked[2], 1);

    // A second press lists everything again.
    d.onSampleLoad();
    EXPECT_EQ(d.listItems.size(), 6u);
    EXPECT_EQ(d.listItems[3], d.listItems[0]);

    // Opened as Sort opens it, the list is there at once; the first press finds it listed and
    // every later press lists it again, so n presses still show n copies.
    CRefSelect opened;
    opened.entryCount = 4;
    opened.onInitDialog();
    EXPECT_EQ(opened.listItems.size(), 3u);
    opened.onSampleLoad();
    EXPECT_EQ(opened.listItems.size(), 3u);
    opened.onSampleLoad();
    EXPECT_EQ(opened.listItems.size(), 6u);
}

TEST(CBaseSetDialog, RequiresOneOfTheFourCopyNumbers) {
    ScriptedUi ui;
    CBaseSet d;
    EXPECT_FALSE(d.onOk(ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Select one ");
    d.n = 3;
    EXPECT_TRUE(d.onOk(ui));
}

// A report of several samples asks for one of them before it is read whole; a file of one sample
// has nothing to ask, and its answers read it without naming a sample.
TEST(CProfileOpenDialog, AReportOfSeveralSamplesNeedsOneNamed) {
    ScriptedUi ui;
    ProfileReading one;
    one.summary.samples = {"Tumor8"};
    one.summary.notes = {"60,000 SNPs on 23 chromosomes"};
    one.warnings = {"3 positions past the end of their chromosome in hg19"};
    CProfileOpen single;
    single.onInitDialog(one);
    EXPECT_EQ(single.read.size(), 2u);
    EXPECT_TRUE(single.onOk(ui));
    EXPECT_EQ(single.options().sample, "");

    ProfileReading several;
    several.summary.samples = {"T1", "T2"};
    CProfileOpen d;
    d.onInitDialog(several);
    EXPECT_FALSE(d.onOk(ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Select the sample to analyse");
    d.sample = "T3";
    EXPECT_FALSE(d.onOk(ui));
    d.sample = "T2";
    d.normal = "N.txt";
    d.build = GenomeBuild::Hg38;
    EXPECT_TRUE(d.onOk(ui));
    const ProfileOptions o = d.options();
    EXPECT_EQ(o.sample, "T2");
    EXPECT_EQ(o.normal, "N.txt");
    EXPECT_EQ(o.build, GenomeBuild::Hg38);
}

} // namespace
} // namespace varn
