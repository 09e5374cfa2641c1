// The allele model file beside a pool: read back as written, and refused with its name and why
// whenever it is not the loaded pool's own, while the pool itself still loads.
#include "document/AlleleModelFile.h"

#include "demo/DemoFixture.h"
#include "document/CVARNDoc.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace varn::test {
namespace {

namespace fs = std::filesystem;

std::string replaceLine(std::string text, int lineNumber, const std::string& with) {
    std::size_t start = 0;
    for (int k = 1; k < lineNumber; ++k) start = text.find('\n', start) + 1;
    const std::size_t end = text.find('\n', start);
    return text.replace(start, end - start, with);
}

std::string lineOf(const std::string& text, int lineNumber) {
    std::size_t start = 0;
    for (int k = 1; k < lineNumber; ++k) start = text.find('\n', start) + 1;
    return text.substr(start, text.find('\n', start) - start);
}

TEST(AlleleModelFile, ReadsBackAsWrittenAndRefusesWhatIsNotThePoolsOwn) {
    auto& f = demoInstallation();
    ASSERT_TRUE(f.made) << f.errors;
    const std::string good = readFileBytes(f.root / "XbaPool.alleles");
    const std::string hind = readFileBytes(f.root / "HindPool.alleles");
    ASSERT_FALSE(good.empty());
    ASSERT_EQ(lineOf(good, 5), "references\t3");
    // Line 18 is the first SNP line, after 17 header lines.
    ASSERT_EQ(lineOf(good, 17).substr(0, 8), "centreAA");

    TempDir dir;
    fs::copy_file(f.root / "XbaPool.ref", dir.path() / "Copy.ref");
    ScriptedUi ui;
    auto doc = std::make_unique<CVARNDoc>(InstallRoot(f.root), ui);

    struct Case {
        const char* label;
        std::optional<std::string> file; // nullopt: no model file beside the pool
        std::string reason;              // "" = the model is taken
    };
    std::string truncated = good.substr(0, good.find('\n', good.size() / 2) + 1);
    const Case cases[] = {
        {"the pool's own", good, ""},
        {"missing", std::nullopt, "Copy.ref has no allele model (Copy.alleles)"},
        {"empty", std::string(), "Copy.alleles is empty"},
        {"binary", std::string(300, '\0') + good, "Copy.alleles is not an allele model file"},
        {"the pool file itself", readFileBytes(f.root / "XbaPool.ref"),
         "Copy.alleles is not an allele model file"},
        {"truncated", truncated, "Copy.alleles holds 29"},
        {"a SNP line too many", good + lineOf(good, 18) + "\n",
         "Copy.alleles holds 58961 SNP lines; an Xba 50K allele "
         "model holds 58960"},
        {"over-long line", replaceLine(good, 20, std::string(600, '1')), "Copy.alleles: line 20 is too long"},
        {"over-long header", replaceLine(good, 4, "pool\t" + std::string(600, 'p')),
         "Copy.alleles: line 4 is too long"},
        {"SNP line out of order",
         replaceLine(good, 18, "1.0000\t0.5000\t2.0000\t1\t1\t1\t1\t0.5\t2\t0\t0\t0"),
         "Copy.alleles: line 18 does not hold a SNP's three clusters"},
        {"other version", replaceLine(good, 2, "version\t2"),
         "Copy.alleles is an allele model file of version 2; this program reads version 1"},
        {"other array", hind,
         "Copy.alleles is the allele model of a Hind 50K pool; Copy.ref is an Xba 50K pool"},
        {"other reference count", replaceLine(good, 5, "references\t4"),
         "Copy.alleles was learned from 4 references; Copy.ref has 3"},
        {"other pool", replaceLine(good, 6, "key\t0123456789abcdef"),
         "Copy.alleles was learned from other references than those of Copy.ref"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fs::remove(dir.path() / "Copy.alleles");
        if (c.file) writeFileBytes(dir.path() / "Copy.alleles", *c.file);
        ui.messages.clear();
        ASSERT_TRUE(doc->OnOpenDocument(dir.path() / "Copy.ref"));
        EXPECT_EQ(ui.messages, std::vector<std::string>{"Correct Xba reference data loaded!"});
        EXPECT_EQ(doc->refCount[kXba], 4);
        const std::string reason = alleleModelUnavailableReason(*doc, kXba);
        EXPECT_EQ(reason.substr(0, c.reason.size()), c.reason) << reason;
        EXPECT_EQ(reason.empty(), c.reason.empty()) << reason;
        EXPECT_EQ(doc->alleleModel[kXba].empty(), !c.reason.empty());
    }

    // What was read is what was written: the text again, byte for byte.
    fs::remove(dir.path() / "Copy.alleles");
    writeFileBytes(dir.path() / "Copy.alleles", good);
    ASSERT_TRUE(doc->OnOpenDocument(dir.path() / "Copy.ref"));
    // (EXPECT_TRUE: a failing EXPECT_EQ would diff two 5 MB texts line by line.)
    EXPECT_TRUE(formatAlleleModelFile(doc->alleleModel[kXba], "XbaPool.ref") == good);
    // Ctrl+S writes the pool file as it was and its model beside it.
    doc->arrayType = kXba;
    ASSERT_TRUE(doc->OnSaveDocument(dir.path() / "Saved.ref"));
    EXPECT_TRUE(readFileBytes(dir.path() / "Saved.ref") == readFileBytes(f.root / "XbaPool.ref"));
    EXPECT_TRUE(readFileBytes(dir.path() / "Saved.alleles") == replaceLine(good, 4, "pool\tSaved.ref"));
}

} // namespace
} // namespace varn::test
