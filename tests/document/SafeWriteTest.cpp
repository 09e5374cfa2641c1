// Every writer of the program replaces its file through a temporary name beside it: a write that
// fails (full device, a folder where the file or its folder should be) or is killed half-way
// leaves the file it was to replace as it was, and no half-written file under the real name.
#include "document/FileBytes.h"
#include "document/ReferencePoolFile.h"
#include "support/StoredAnalysis.h"
#include "support/TestDocument.h"
#include "view/DisplayMode.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace varn::test {
namespace {

namespace fs = std::filesystem;

const std::string kOldContents = "the good file written before\n";

// One writer of the program: how to give the document something to write, where the file goes,
// how the write is started (true when it reports success) and the message of a failed write.
struct Writer {
    const char* name;
    std::function<void(CVARNDoc&)> prepare;
    std::function<fs::path(const CVARNDoc&)> target;
    std::function<bool(CVARNDoc&)> write;
    const char* failureMessage;
};

std::vector<Writer> writers() {
    return {
        {"pool file", [](CVARNDoc& d) { fillPool(d, kXba, 2); d.arrayType = kXba; },
         [](const CVARNDoc& d) { return d.installRoot().root() / "pools" / "xba.ref"; },
         [](CVARNDoc& d) { return d.OnSaveDocument(d.installRoot().root() / "pools" / "xba.ref"); },
         kFailedToSaveDocument},
        {"non-self temporary file", [](CVARNDoc& d) { fillStoredAnalysis(d, kXba, "S"); },
         [](const CVARNDoc& d) { return d.fixedPath("c:\\VARN\\temporary files\\S.temp"); },
         [](CVARNDoc& d) { return d.StoreNonSelfTempFile(kXba) == 0; }, "temporary file cannot be opened"},
        {"self temporary file", [](CVARNDoc& d) { fillStoredAnalysis(d, kHind, "S", true); },
         [](const CVARNDoc& d) { return d.fixedPath("c:\\VARN\\Self temporary files\\S.temp"); },
         [](CVARNDoc& d) { return d.StoreSelfTempFile(kHind) == 0; }, "temporary file cannot be opened"},
        {"ratio track", [](CVARNDoc& d) { fillStoredAnalysis(d, kHind, "S"); d.arrayType = kHind; },
         [](const CVARNDoc& d) { return d.fixedPath("c:\\VARN\\IGBfiles\\S.sgr"); },
         [](CVARNDoc& d) { return d.WriteBatchTracks(kHind) == 0; }, "IGB file cannot be loaded"},
        {"LOH track", [](CVARNDoc& d) { fillStoredAnalysis(d, kXba, "S"); d.arrayType = kXba; },
         [](const CVARNDoc& d) { return d.fixedPath("c:\\VARN\\IGBfiles\\SLOH.sgr"); },
         [](CVARNDoc& d) {
             d.view->displayMode = ModeGenomeSingle;
             d.OnIgbFileOut(); // the ratio track first, then this one
             return true;
         },
         "IGB LOH file cannot be loaded"},
        {"raw data table", [](CVARNDoc& d) { fillStoredAnalysis(d, kXba, "S"); d.arrayType = kXba; },
         [](const CVARNDoc& d) { return d.fixedPath("c:\\VARN\\RawData\\S.xls"); },
         [](CVARNDoc& d) { d.OnRawDataOut(); return true; }, "Raw Data cannot be loaded"},
        {"view file", [](CVARNDoc& d) { fillStoredAnalysis(d, kHind, "S"); d.arrayType = kHind; },
         [](const CVARNDoc& d) { return d.fixedPath("c:\\VARN View\\S.cng"); },
         [](CVARNDoc& d) { d.OnSaveViewFile(); return true; }, "VARN View cannot be loaded"},
        {"segment file", [](CVARNDoc& d) { fillStoredAnalysis(d, kXba, "S"); d.arrayType = kXba; },
         [](const CVARNDoc& d) { return d.fixedPath("c:\\VARN\\segments\\S.seg"); },
         [](CVARNDoc& d) {
             d.view->displayMode = ModeGenomeSingle;
             d.OnSegmentOut(); // the first of its three files
             return true;
         },
         "Segment file cannot be written"},
        {"sample list table", [](CVARNDoc& d) { fillPool(d, kHind, 3); },
         [](const CVARNDoc& d) { return d.fixedPath("c:\\VARN\\SampleList.xls"); },
         [](CVARNDoc& d) { d.OnDebug(); return true; }, "Sample List file cannot be loaded"},
    };
}

// The writers whose failure shows only as a message report success as true above; for them the
// message is the whole verdict.
bool reportsResult(const Writer& w) {
    const std::string name = w.name;
    return name == "pool file" || name.find("temporary") != std::string::npos || name == "ratio track";
}

fs::path partialOf(const fs::path& target) {
    fs::path p = target;
    p += ".partial";
    return p;
}

class SafeWrite : public ::testing::TestWithParam<int> {
protected:
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    Writer writer = writers()[static_cast<std::size_t>(GetParam())];
    fs::path target;

    void SetUp() override {
        makeOutputFolders(doc);
        fs::create_directories(doc.fixedPath("c:\\VARN\\RawData"));
        fs::create_directories(doc.installRoot().root() / "pools");
        writer.prepare(doc);
        target = writer.target(doc);
        td.ui.messages.clear();
    }

    void expectFailureReported(bool result) {
        EXPECT_EQ(td.ui.messages, std::vector<std::string>{writer.failureMessage}) << writer.name;
        if (reportsResult(writer)) {
            EXPECT_FALSE(result) << writer.name;
        }
    }
};

TEST_P(SafeWrite, SucceedsAndLeavesNoTemporaryNameBehind) {
    writeFileBytes(target, kOldContents);
    EXPECT_TRUE(writer.write(doc));
    EXPECT_TRUE(td.ui.messages.empty()) << writer.name;
    EXPECT_NE(readFileBytes(target), kOldContents) << "replaced";
    EXPECT_FALSE(fs::exists(fs::symlink_status(partialOf(target))));
}

TEST_P(SafeWrite, FullDeviceKeepsTheOldFile) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    writeFileBytes(target, kOldContents);
    // The temporary name leads to the device that answers every write with "no space left".
    fs::create_symlink("/dev/full", partialOf(target));
    expectFailureReported(writer.write(doc));
    EXPECT_EQ(readFileBytes(target), kOldContents) << writer.name;
    EXPECT_FALSE(fs::exists(fs::symlink_status(partialOf(target)))) << writer.name;
}

TEST_P(SafeWrite, FolderInTheWayOfTheFileKeepsItsContents) {
    // A non-empty folder under the file's name: everything is written, the rename fails.
    fs::create_directories(target / "inside");
    writeFileBytes(target / "inside" / "kept.txt", kOldContents);
    expectFailureReported(writer.write(doc));
    EXPECT_EQ(readFileBytes(target / "inside" / "kept.txt"), kOldContents);
    EXPECT_FALSE(fs::exists(fs::symlink_status(partialOf(target)))) << writer.name;
}

TEST_P(SafeWrite, FileInPlaceOfTheFolderFailsCleanly) {
    // Root is not stopped by permissions, so the unwritable folder is a plain file of that name.
    const fs::path folder = target.parent_path();
    if (folder == doc.installRoot().root()) GTEST_SKIP() << "the file lies in the root itself";
    if (std::string(writer.name) == "LOH track") GTEST_SKIP() << "the ratio track in the same folder fails first";
    fs::remove_all(folder);
    writeFileBytes(folder, kOldContents);
    expectFailureReported(writer.write(doc));
    EXPECT_EQ(readFileBytes(folder), kOldContents);
}

TEST_P(SafeWrite, HalfWrittenLeftoverOfAKilledWriteIsReplacedByTheNextWrite) {
    writeFileBytes(target, kOldContents);
    writeFileBytes(partialOf(target), "half of a fi");
    EXPECT_EQ(readFileBytes(target), kOldContents) << "the leftover does not touch the real name";
    EXPECT_TRUE(writer.write(doc));
    EXPECT_TRUE(td.ui.messages.empty()) << writer.name;
    EXPECT_NE(readFileBytes(target).substr(0, 12), "half of a fi");
    EXPECT_FALSE(fs::exists(partialOf(target)));
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, SafeWrite, ::testing::Range(0, static_cast<int>(writers().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string name = writers()[static_cast<std::size_t>(info.param)].name;
                             for (char& c : name)
                                 if (c == ' ' || c == '-') c = '_';
                             return name;
                         });

// The save of a pool is really killed half-way: its temporary name leads into a pipe, the test
// reads the first part of the file from it and then kills the writing process. The pool file
// saved before must load as it was.
TEST(SafeWriteKilled, PoolSaveKilledHalfWayLeavesTheOldPoolFileLoadable) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    fillPool(doc, kXba, 3);
    doc.arrayType = kXba;
    const fs::path pool = td.root / "xba.ref";
    ASSERT_TRUE(doc.OnSaveDocument(pool));
    const std::string saved = readFileBytes(pool);
    const float firstSignal = doc.poolSignal[1][doc.snpFirst[kXba]];

    // A larger pool is being saved over it when the process dies.
    fillPool(doc, kXba, 6, 99);
    const fs::path pipe = td.root / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink(pipe, partialOf(pool));
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        doc.OnSaveDocument(pool);
        ::_exit(0); // not reached: the save blocks on the full pipe until it is killed
    }
    const int in = ::open(pipe.c_str(), O_RDONLY);
    ASSERT_GE(in, 0);
    std::vector<char> part(1 << 18);
    std::size_t got = 0;
    while (got < part.size()) {
        const ssize_t n = ::read(in, part.data() + got, part.size() - got);
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    EXPECT_EQ(got, part.size()) << "the write was under way";
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(in);
    EXPECT_TRUE(WIFSIGNALED(status));

    EXPECT_EQ(readFileBytes(pool), saved);
    doc.poolSignal[1][doc.snpFirst[kXba]] = -1.0f;
    td.ui.messages.clear();
    EXPECT_TRUE(doc.OnOpenDocument(pool));
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"Correct Xba reference data loaded!"});
    EXPECT_EQ(doc.refCount[kXba], 4);
    EXPECT_EQ(doc.poolSignal[1][doc.snpFirst[kXba]], firstSignal);
}

} // namespace
} // namespace varn::test
