#include "document/CVARNDoc.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace varn::test {
namespace {

class SnpCallFile : public ::testing::Test {
protected:
    TestDocument td;
    CVARNDoc& doc = *td.doc;

    std::filesystem::path write(const std::string& text) {
        const auto path = td.root / "calls.txt";
        writeFileBytes(path, text);
        return path;
    }
};

TEST_F(SnpCallFile, CallsAreTestedInOrderAndTheFirstMatchWins) {
    for (int k = 57244; k < 57252; ++k) doc.snpCall[k] = 9;
    const auto path = write("SNP\tCall\nheader AA AB\n"
                            "1\tSNP_A-1\tAB\n"         // 57244: AB, no AA anywhere
                            "2\tSNP_AA-2\tAB\n"        // 57245: an "AA" in the identifier wins
                            "3\tSNP_A-3\tBB\n"         // 57246
                            "4\tSNP_A-4\tNoCall\n"     // 57247
                            "AA\t5\n"                  // 57248: a call at character 0 is not a call
                            "6\tSNP_A-6\t--\n"         // 57249: nothing matches
                            "7\tSNP_B-7\tAA\n"         // 57250
                            "AB\tAA\n");               // 57251: first "AA" past the start
    ASSERT_EQ(doc.ReadSnpCallFile(kXba, path, 0), 0);
    EXPECT_EQ(doc.snpCall[57244], kCallAB);
    EXPECT_EQ(doc.snpCall[57245], kCallAA);
    EXPECT_EQ(doc.snpCall[57246], kCallBB);
    EXPECT_EQ(doc.snpCall[57247], kNoCall);
    EXPECT_EQ(doc.snpCall[57248], 9);
    EXPECT_EQ(doc.snpCall[57249], 9);
    EXPECT_EQ(doc.snpCall[57250], kCallAA);
    EXPECT_EQ(doc.snpCall[57251], kCallAA);
    EXPECT_EQ(doc.snpCall[57243], 0);
    EXPECT_EQ(doc.normalSnpCall[57244], 0);
}

TEST_F(SnpCallFile, OnlyTheFirstOccurrenceOfACallTextCounts) {
    // "AA" first stands at character 0, so it is not a call even though another follows; the
    // line then falls through to "AB".
    doc.snpCall[0] = 9;
    ASSERT_EQ(doc.ReadSnpCallFile(kHind, write("h\nh\nAA AA AB\n"), 2), 0);
    EXPECT_EQ(doc.snpCall[0], kCallAB);
}

TEST_F(SnpCallFile, TargetOneFillsTheNormalCalls) {
    ASSERT_EQ(doc.ReadSnpCallFile(kHind, write("h\nh\n1 x BB\n2 y AB\n"), 1), 0);
    EXPECT_EQ(doc.normalSnpCall[0], kCallBB);
    EXPECT_EQ(doc.normalSnpCall[1], kCallAB);
    EXPECT_EQ(doc.snpCall[0], 0);
}

TEST_F(SnpCallFile, MissingFileShowsTheNormalCallMessageForEitherTarget) {
    EXPECT_EQ(doc.ReadSnpCallFile(kXba, td.root / "none.txt", 0), 1);
    EXPECT_EQ(doc.ReadSnpCallFile(kXba, td.root / "none.txt", 1), 1);
    EXPECT_EQ(td.ui.messages, (std::vector<std::string>{"normal SNP call file cannot be loaded", "none.txt cannot be opened",
                                                        "normal SNP call file cannot be loaded", "none.txt cannot be opened"}));
}

TEST_F(SnpCallFile, BadFilesStayInsideTheArrayRange) {
    // Empty and header-only files read nothing.
    EXPECT_EQ(doc.ReadSnpCallFile(kHind, write(""), 0), 1);
    EXPECT_EQ(doc.ReadSnpCallFile(kHind, write("h\nh\n"), 0), 1);
    // Binary bytes: the text ends at the first zero byte.
    std::string binary = "h\nh\n1 x";
    binary += '\0';
    binary += "BB\n\xff\xfe AB\n";
    ASSERT_EQ(doc.ReadSnpCallFile(kHind, write(binary), 0), 0);
    EXPECT_EQ(doc.snpCall[0], 0);
    EXPECT_EQ(doc.snpCall[1], kCallAB);
    // A 10,000-byte line is three lines: the "BB" after 4095 characters opens the second piece,
    // at its character 0, so it is no call. More lines than Hind SNPs never reach Xba.
    std::string text = "h\nh\n" + std::string(4095, 'x') + "BB" + std::string(5903, 'y') + "\n";
    for (int k = 0; k < 57300; ++k) text += "1 s AB\n";
    for (int k = 0; k < 3; ++k) doc.snpCall[k] = 5;
    doc.snpCall[57244] = 7;
    ASSERT_EQ(doc.ReadSnpCallFile(kHind, write(text), 0), 0);
    EXPECT_EQ(doc.snpCall[0], 5);
    EXPECT_EQ(doc.snpCall[1], 5);
    EXPECT_EQ(doc.snpCall[2], 5);
    EXPECT_EQ(doc.snpCall[3], kCallAB);
    EXPECT_EQ(doc.snpCall[57243], kCallAB);
    EXPECT_EQ(doc.snpCall[57244], 7);
    // The empty files are refused with a reason; the short and the long one read with a warning.
    ASSERT_EQ(td.ui.messages.size(), 4u);
    EXPECT_NE(td.ui.messages[0].find(" holds no SNP lines; a Hind 50K SNP call file was expected"), std::string::npos);
    EXPECT_NE(td.ui.messages[1].find(" holds no SNP lines"), std::string::npos);
    EXPECT_EQ(td.ui.messages[2].rfind("Warning: ", 0), 0u);
    EXPECT_EQ(td.ui.messages[3].rfind("Warning: ", 0), 0u);
}

} // namespace
} // namespace varn::test
