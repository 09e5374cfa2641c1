// Files that are not what a reader reads: another array's, the other kind of sample file, binary
// bytes, a stored analysis of the other mode or array. Each is refused with a message that names
// it, before anything in the document changes; the commands that read them stop and say why.
#include "document/CVARNDoc.h"
#include "document/NonSelfTempFile.h"
#include "document/SelfTempFile.h"
#include "document/SetupDialogs.h"
#include "support/TestDocument.h"
#include "view/DisplayMode.h"
#include "view/PaintParts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace varn::test {
namespace {

std::string signalLine(int serial) {
    std::string line = std::to_string(serial) + "\tSNP_A-" + std::to_string(serial);
    for (int i = 0; i < 40; ++i) line += (i % 5 == 0 ? "\tnull\t" : "\t") + std::to_string(100 + i);
    return line + "\tnull\tnull\tnull\tnull\tnull\tnull\tnull\tnull\n";
}
std::string callLine(int serial) { return "SNP_A-" + std::to_string(serial) + "\tAB\t0.01\n"; }

std::string header(const char* array) {
    return std::string("# VARN demo probe intensities\tsample S\t") + array + "\nindex\tprobe_set\tvalues\n";
}
std::string lines(std::string (*line)(int), int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += line(i);
    return text;
}
std::string binary() {
    std::string bytes(6000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i % 3 == 0 ? 0 : 0x80 + i % 97);
    return bytes;
}

struct Fixture {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    std::filesystem::path write(const std::string& name, const std::string& bytes) {
        const auto path = td.root.path() / name;
        writeFileBytes(path, bytes);
        return path;
    }
    void mark() {
        for (int k = 0; k < kSlots; ++k) {
            doc.poolSignal[0][k] = -7.0f;
            doc.probeIntensity[0][k] = -7.0f;
            doc.snpCall[k] = 9;
        }
        std::strcpy(doc.poolSampleName[kXba][0], "Earlier");
        td.ui.messages.clear();
    }
    bool unchanged() const {
        for (int k = 0; k < kSlots; ++k)
            if (doc.poolSignal[0][k] != -7.0f || doc.probeIntensity[0][k] != -7.0f || doc.snpCall[k] != 9) return false;
        return std::strcmp(doc.poolSampleName[kXba][0], "Earlier") == 0;
    }
};

TEST(WrongFile, ReadersRefuseOtherArraysOtherKindsAndBinaryFilesBeforeChangingAnything) {
    Fixture f;
    struct Case {
        const char* what;
        int t;
        bool signalReader;
        std::string bytes;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"Hind signal file as Xba", kXba, true, header("Hind 50K") + lines(signalLine, 57244),
         "f.txt holds 57244 SNP lines; an Xba 50K signal file holds 58960"},
        {"Xba signal file as Hind", kHind, true, header("Xba 50K") + lines(signalLine, 58960),
         "f.txt holds 58960 SNP lines; a Hind 50K signal file holds 57244"},
        {"header names the other array", kXba, true, header("Mapping50K_Hind240") + lines(signalLine, 10),
         "f.txt is a file of the Hind 50K array; an Xba 50K signal file was expected"},
        {"call file as signal file", kXba, true, header("Xba 50K") + lines(callLine, 100),
         "f.txt holds SNP calls, not probe intensities; an Xba 50K signal file was expected"},
        {"binary file as signal file", kHind, true, binary(),
         "f.txt is a binary file, not a Hind 50K signal file"},
        {"header only", kXba, true, header("Xba 50K"), "f.txt holds no SNP lines; an Xba 50K signal file was expected"},
        {"signal file as call file", kXba, false, header("Xba 50K") + lines(signalLine, 100),
         "f.txt holds probe intensities, not SNP calls; an Xba 50K SNP call file was expected"},
        {"Hind call file as Xba", kXba, false, header("") + lines(callLine, 57244),
         "f.txt holds 57244 SNP lines; an Xba 50K SNP call file holds 58960"},
        {"Xba call file (by header) as Hind", kHind, false, header("Xba 50K") + lines(callLine, 10),
         "f.txt is a file of the Xba 50K array; a Hind 50K SNP call file was expected"},
        {"binary file as call file", kXba, false, binary(), "f.txt is a binary file, not an Xba 50K SNP call file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto path = f.write("f.txt", c.bytes);
        f.mark();
        const int result = c.signalReader ? f.doc.ReadSignalFile(c.t, path, 0, 1) : f.doc.ReadSnpCallFile(c.t, path, 0);
        EXPECT_EQ(result, 1);
        EXPECT_EQ(f.td.ui.messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(f.unchanged());
    }
}

// Files of the right kind and array keep being read as they always were; one that is not complete
// says so in a warning after it was read.
TEST(WrongFile, IncompleteFilesOfTheRightKindAreReadWithAWarning) {
    Fixture f;
    f.mark();
    EXPECT_EQ(f.doc.ReadSignalFile(kXba, f.write("s.txt", header("Xba 50K") + lines(signalLine, 58960)), 0, 0), 0);
    EXPECT_TRUE(f.td.ui.messages.empty()) << "a complete file reads without a word";
    f.td.ui.messages.clear();
    EXPECT_EQ(f.doc.ReadSignalFile(kXba, f.write("s.txt", header("Xba 50K") + lines(signalLine, 3)), 0, 0), 0);
    EXPECT_EQ(f.td.ui.messages, std::vector<std::string>{"Warning: s.txt holds 3 SNP lines; an Xba 50K signal file "
                                                          "holds 58960; the records it does not give keep their "
                                                          "earlier values"});
    f.td.ui.messages.clear();
    EXPECT_EQ(f.doc.ReadSnpCallFile(kHind, f.write("c.txt", header("") + lines(callLine, 57244) + "x\tCC\n"), 0), 0);
    EXPECT_EQ(f.td.ui.messages, std::vector<std::string>{"Warning: c.txt holds 57245 SNP lines; a Hind 50K SNP call "
                                                          "file holds 57244"});
}

// Cancel in that warning reads nothing into the sample's signals, name or calls.
TEST(WrongFile, CancelInTheWarningOfAnIncompleteFileKeepsTheEarlierSample) {
    Fixture f;
    const auto signal = f.write("s.txt", header("Xba 50K") + lines(signalLine, 3));
    const auto calls = f.write("c.txt", header("") + lines(callLine, 58959));
    for (bool signalReader : {true, false}) {
        f.mark();
        f.td.ui.answerOkCancel(false);
        EXPECT_EQ(signalReader ? f.doc.ReadSignalFile(kXba, signal, 0, 1)
                               : f.doc.ReadSnpCallFile(kXba, calls, 0),
                  1);
        ASSERT_EQ(f.td.ui.messages.size(), 1u);
        EXPECT_EQ(f.td.ui.messages[0].rfind("Warning: ", 0), 0u);
        for (int k = 0; k < kSlots; ++k) {
            ASSERT_EQ(f.doc.poolSignal[0][k], -7.0f) << k;
            ASSERT_EQ(f.doc.snpCall[k], 9) << k;
        }
    }
}

void chooseNewSample(ScriptedUi& ui, int mode, int t) {
    ui.answer<CBasicMode>([mode, t](CBasicMode& d) {
        d.mode = mode;
        d.arrayChoice = t;
        return DialogResult::Ok;
    });
}

// File New stops at a wrong file with its reader's reason, and the earlier sample stays as it was
// (never shown under the new name).
TEST(WrongFile, FileNewStopsAtAWrongFileAndKeepsTheEarlierSample) {
    Fixture f;
    f.doc.refCount[kXba] = 3;
    const auto signal = f.write("Tumor9X.txt", header("Xba 50K") + lines(signalLine, 58960));
    const auto calls = f.write("Tumor9X_calls.txt", header("Xba 50K") + lines(callLine, 58960));
    const auto pool = f.write("XbaPool.ref", binary());
    struct Case {
        const char* what;
        std::filesystem::path signal, calls;
        std::string message;
    };
    // A table of planted segments has numbers on every line, but no SNP's intensities; a call
    // file of a hundred SNPs leaves most of the array to the earlier sample.
    std::string segments = "chromosome\tstart\tend\tcopy_number\tloh\tminor_copies\n";
    for (int i = 0; i < 35; ++i)
        segments += std::to_string(i % 22 + 1) + "\t1\t50000000\t2\t0\t1\t2\t1\t1.00\n";
    const auto truth = f.write("Tumor1.txt", segments);
    const auto fewCalls = f.write("few_calls.txt", header("Xba 50K") + lines(callLine, 100));
    const std::vector<Case> cases = {
        {"files swapped", calls, signal,
         "Tumor9X.txt holds probe intensities, not SNP calls; an Xba 50K SNP call file was expected"},
        {"signal file as call file", signal, signal,
         "Tumor9X.txt holds probe intensities, not SNP calls; an Xba 50K SNP call file was expected"},
        {"pool file as signal file", pool, calls, "XbaPool.ref is a binary file, not an Xba 50K signal file"},
        {"a table of segments as signal file", truth, calls,
         "Tumor1.txt holds 34 lines after its header, none with a SNP's 40 probe intensities; an Xba 50K "
         "signal "
         "file was expected"},
        {"a call file of a hundred SNPs", signal, fewCalls,
         "few_calls.txt holds 100 SNP lines, under half of the 58960 of an Xba 50K SNP call file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        f.mark();
        chooseNewSample(f.td.ui, kNonSelfReference, kXba);
        f.td.ui.answer<CSampleSelect>([&c](CSampleSelect& d) {
            d.sampleChoice = 1;
            d.signalPath = c.signal.string();
            d.signalName = c.signal.stem().string();
            d.snpPath = c.calls.string();
            return DialogResult::Ok;
        });
        f.doc.OnFileNew();
        EXPECT_EQ(f.td.ui.messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(f.unchanged());
        EXPECT_EQ(f.td.view->displayMode, ModeNone);
    }
}

TEST(WrongFile, StoredAnalysesOfTheOtherModeOrArrayAreRefused) {
    Fixture f;
    CVARNDoc& doc = f.doc;
    doc.refCount[kXba] = doc.refCount[kHind] = 1;
    std::strcpy(doc.poolSampleName[kXba][0], "S1X");
    const auto pooled = f.write("S1X.temp", formatNonSelfTempFile(doc, kXba));
    const auto paired = f.write("S1Xself.temp", formatSelfTempFile(doc, kXba));
    f.td.ui.messages.clear();
    EXPECT_EQ(doc.LoadNonSelfTempFile(paired), 1);
    EXPECT_EQ(doc.LoadSelfTempFile(pooled), 1);
    EXPECT_EQ(f.td.ui.messages,
              (std::vector<std::string>{
                  "S1Xself.temp is a paired analysis (self temporary file); an analysis against a reference pool was "
                  "expected",
                  "S1X.temp is an analysis against a reference pool; a paired analysis (self temporary file) was "
                  "expected"}));

    // Xba + Hind with the Xba file chosen twice: the second is refused and the merged view is not shown.
    f.td.ui.messages.clear();
    chooseNewSample(f.td.ui, kNonSelfReference, kCombined);
    f.td.ui.answerFile(pooled);
    f.td.ui.answerFile(pooled);
    doc.OnFileNew();
    EXPECT_EQ(f.td.ui.messages, (std::vector<std::string>{"Select Xba temp file", "Select Hind temp file",
                                                          "S1X.temp is a stored Xba 50K analysis; the Hind 50K "
                                                          "temporary file was expected"}));
    EXPECT_NE(f.td.view->displayMode, ModeGenomeBoth);
}

// A list entry whose file cannot be read leaves no row behind and is named at the end; Save As of
// a new pool never offers the loaded pool's file.
TEST(WrongFile, PoolBuildingLeavesOutUnreadableSamplesAndNamesThem) {
    Fixture f;
    CVARNDoc& doc = f.doc;
    const auto folder = doc.fixedPath("C:\\VARN\\sampledataX");
    std::filesystem::create_directories(folder);
    writeFileBytes(folder / "aX.txt", header("Xba 50K") + lines(signalLine, 58960));
    writeFileBytes(folder / "bX.txt", header("Xba 50K") + lines(signalLine, 58960));
    writeFileBytes(folder / "hindX.txt", header("Hind 50K") + lines(signalLine, 57244));
    const auto list = f.write("list.txt", "a\nmissing\nhind\nb\n");
    doc.pathName = f.td.root.path() / "Loaded.ref";
    f.td.ui.answer<CSampleTypeSelect>([](CSampleTypeSelect& d) {
        d.sampleType = kXba;
        return DialogResult::Ok;
    });
    f.td.ui.answerFile(list);
    f.td.ui.answerFile(std::nullopt); // Save As cancelled
    f.td.ui.messages.clear();
    doc.OnMakeReference();
    EXPECT_EQ(doc.refCount[kXba], 3);
    EXPECT_STREQ(doc.poolSampleName[kXba][1], "a");
    EXPECT_STREQ(doc.poolSampleName[kXba][2], "b");
    EXPECT_EQ(f.td.ui.messages,
              (std::vector<std::string>{"sample file cannot be loaded", "missingX.txt cannot be opened",
                                        "hindX.txt holds 57244 SNP lines; an Xba 50K signal file holds 58960",
                                        "2 samples of the list could not be read and were left out of the pool: "
                                        "missing, hind"}));
    ASSERT_EQ(f.td.ui.fileDialogs.size(), 2u);
    EXPECT_EQ(f.td.ui.fileDialogs[1].initialFileName, "");
    EXPECT_TRUE(doc.pathName.empty());
}

TEST(WrongFile, FailedLoadRefKeepsTheLoadedPoolsNameAndTitlesCountTheShownReferences) {
    Fixture f;
    CVARNDoc& doc = f.doc;
    doc.pathName = f.td.root.path() / "XbaPool.ref";
    f.td.ui.messages.clear();
    std::string notes;
    for (int i = 0; i < 10; ++i) notes += "just some notes\n";
    EXPECT_FALSE(doc.OnOpenDocument(f.write("notes.txt", notes)));
    EXPECT_EQ(doc.pathName, f.td.root.path() / "XbaPool.ref");
    EXPECT_EQ(f.td.ui.messages,
              (std::vector<std::string>{"Invalid data file\nnotes.txt is not a reference pool file: it does not start "
                                        "with the pool file's marker; the reference pools in memory are unchanged"}));

    // Three references ticked in a pool of three, while a count of 4 is left from an earlier analysis.
    doc.refCount[kXba] = 4;
    doc.refUsedCount[kXba] = 4;
    for (int row = 1; row < 4; ++row) doc.refSelected[kXba][row] = 1;
    doc.refSelected[kXba][4] = 1; // a flag of a row the pool does not have
    f.td.view->displayMode = ModeGenomeSingle;
    f.td.view->shownArrayType = kXba;
    EXPECT_NE(paint::copyNumberTitle(doc, *f.td.view).find("compared with 3 Samples"), std::string::npos);
}

} // namespace
} // namespace varn::test
