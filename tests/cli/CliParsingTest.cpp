#include "cli/CliOptions.h"
#include "cli/CliUserInterface.h"
#include "cli/RegionOption.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <sstream>

namespace varn {
namespace {

using cli::RegionOption;

TEST(CliRegion, FormsThatAreAcceptedAndRefused) {
    std::string error;
    auto positions = cli::parseRegion("61903-67180", error);
    ASSERT_TRUE(positions);
    EXPECT_EQ(positions->kind, RegionOption::Positions);
    EXPECT_EQ(positions->from, 61903);
    EXPECT_EQ(positions->to, 67180);
    auto x = cli::parseRegion("chrX", error);
    ASSERT_TRUE(x);
    EXPECT_EQ(x->chromosome, 23);
    EXPECT_FALSE(x->baseRange);
    auto range = cli::parseRegion("chr5:1000000-2000000", error);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->chromosome, 5);
    EXPECT_TRUE(range->baseRange);
    for (const char* bad : {"", "5", "67180-61903", "-5-7", "10-", "chr0", "chr23", "chrY",
                            "chr5:", "chr5:9-3", "chr5:1-2-3", "1e3-5e3"}) {
        EXPECT_FALSE(cli::parseRegion(bad, error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}

TEST(CliRegion, ChromosomesAndBaseRangesMapToTheFirstAndLastPositionInside) {
    test::TestDocument td;
    const CVARNDoc& doc = *td.doc;
    std::string error;
    int first = 0, last = 0;
    // Synthetic genome: position p of a chromosome lies at (p - start + 1) * 30 kb.
    const int start2 = td.view->chromosomeStart[kXba][2];
    ASSERT_TRUE(cli::resolveRegion(*cli::parseRegion("chr2", error), doc, kXba, first, last, error));
    EXPECT_EQ(first, start2);
    EXPECT_EQ(last, td.view->chromosomeStart[kXba][3] - 1);
    ASSERT_TRUE(
        cli::resolveRegion(*cli::parseRegion("chr2:60000-150000", error), doc, kXba, first, last, error));
    EXPECT_EQ(first, start2 + 1);
    EXPECT_EQ(last, start2 + 4);
    ASSERT_TRUE(cli::resolveRegion(*cli::parseRegion("chrX", error), doc, kHind, first, last, error));
    EXPECT_EQ(first, td.view->chromosomeStart[kHind][23]);
    EXPECT_EQ(last, doc.chrXLast[kHind]);
    // Between two SNPs: nothing inside.
    EXPECT_FALSE(
        cli::resolveRegion(*cli::parseRegion("chr2:31000-59000", error), doc, kXba, first, last, error));
    // Positions must lie in the array.
    EXPECT_FALSE(cli::resolveRegion(*cli::parseRegion("100-200", error), doc, kXba, first, last, error));
    EXPECT_TRUE(cli::resolveRegion(*cli::parseRegion("100-200", error), doc, kHind, first, last, error));
    cli::defaultRegion(doc, kXba, first, last);
    EXPECT_EQ(first, doc.snpFirst[kXba]);
    EXPECT_EQ(last, doc.autosomeLast[kXba]);
}

TEST(CliOptions, ValuesFlagsWordsAndMistakes) {
    cli::OptionRules rules{{"--pool", "--average"}, {"--store"}, 1};
    cli::ParsedOptions parsed;
    std::string error;
    ASSERT_TRUE(
        cli::parseOptions({"file.temp", "--pool", "a", "--store", "--pool", "b"}, rules, parsed, error));
    EXPECT_EQ(parsed.words, std::vector<std::string>{"file.temp"});
    EXPECT_EQ(parsed.values["--pool"], (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(parsed.flag("--store"));
    EXPECT_FALSE(parsed.has("--average"));
    cli::ParsedOptions other;
    EXPECT_FALSE(cli::parseOptions({"--pool"}, rules, other, error));
    EXPECT_EQ(error, "--pool needs a value");
    EXPECT_FALSE(cli::parseOptions({"--tracks"}, rules, other, error));
    EXPECT_EQ(error, "unknown option --tracks");
    EXPECT_FALSE(cli::parseOptions({"a", "b"}, rules, other, error));
    int v = 0;
    EXPECT_TRUE(cli::parseInt("-12", v));
    EXPECT_EQ(v, -12);
    for (const char* bad : {"", "1x", " 1", "99999999999"}) EXPECT_FALSE(cli::parseInt(bad, v)) << bad;
}

TEST(CliUserInterface, NoticesDoNotFailButEveryOtherBoxDoesOneLineEach) {
    std::ostringstream err;
    cli::CliUserInterface ui(err, false);
    ui.messageBox("Correct Hind reference data loaded!");
    ui.messageBox("3 items selected \n as references");
    ui.messageBox(
        "From 1(Ch 1 position 5) \n to 9(Ch 1 position 9) \n selected \n Base line is 2   Calculate StDev?");
    ui.messageBox("Select Xba temp file");
    EXPECT_FALSE(ui.failed);
    ui.messageBox("Reference is not loaded");
    EXPECT_TRUE(ui.failed);
    EXPECT_EQ(err.str(),
              "Correct Hind reference data loaded!\n3 items selected \\n as references\n"
              "From 1(Ch 1 position 5) \\n to 9(Ch 1 position 9) \\n selected \\n Base line is 2   "
              "Calculate StDev?\nSelect Xba temp file\nReference is not loaded\n");
    EXPECT_EQ(ui.messageCount, 5);
}

TEST(CliUserInterface, ProgressOnATerminalOnlyAndMessagesStartOnALineOfTheirOwn) {
    std::ostringstream quiet;
    {
        cli::CliUserInterface ui(quiet, false);
        ui.progress("Exporting tracks", 1, 2);
    }
    EXPECT_EQ(quiet.str(), "");
    std::ostringstream terminal;
    {
        cli::CliUserInterface ui(terminal, true);
        ui.progress("Reading reference samples", 0, 3);
        ui.progress("Reading reference samples", 1, 3);
        ui.messageBox("sample file cannot be loaded");
        ui.progress("Reading reference samples", 2, 3);
    }
    EXPECT_EQ(terminal.str(), "\rReading reference samples 0/3\rReading reference samples 1/3\n"
                              "sample file cannot be loaded\n\rReading reference samples 2/3\n");
}

} // namespace
} // namespace varn
