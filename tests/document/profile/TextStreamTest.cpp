#include "document/profile/TextStream.h"

#include "ProfileFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace varn::test {
namespace {

std::vector<std::string> linesOf(const std::filesystem::path& path, std::string& error) {
    TextStream in(path);
    EXPECT_TRUE(in.isOpen());
    std::vector<std::string> lines;
    std::string_view line;
    while (in.next(line)) lines.emplace_back(line);
    error = in.error();
    return lines;
}

TEST(TextStream, GivesTheSameLinesPlainAndGzippedAcrossBlockEnds) {
    // Several blocks of lines of every length (some far longer than a block), LF and CR LF ends,
    // and a last line without its end.
    std::mt19937 random(3);
    std::string bytes;
    std::vector<std::string> expected;
    while (bytes.size() < 5'000'000) {
        const std::size_t length = random() % 300 == 0 ? 1'500'000 + random() % 100 : random() % 200;
        std::string line(length, 'a');
        for (char& c : line) c = static_cast<char>('a' + random() % 26);
        expected.push_back(line);
        bytes += line + (random() % 2 ? "\r\n" : "\n");
    }
    expected.push_back("end");
    bytes += "end";
    TempDir dir;
    for (bool gzip : {false, true}) {
        writeProfileFile(dir / "t", bytes, gzip);
        std::string error;
        EXPECT_EQ(linesOf(dir / "t", error), expected) << gzip;
        EXPECT_EQ(error, "");
    }
}

TEST(TextStream, ReadsEveryMemberOfAGzippedFile) {
    // bgzip and cat write several members; the text is theirs end to end, and bytes after the
    // last member that begin no other one are ignored, as zlib does.
    TempDir dir;
    writeProfileFile(dir / "a.gz", "one\ntw", true);
    writeProfileFile(dir / "b.gz", "o\nthree\n", true);
    writeFileBytes(dir / "t.gz", readFileBytes(dir / "a.gz") + readFileBytes(dir / "b.gz") + "\n\n");
    std::string error;
    EXPECT_EQ(linesOf(dir / "t.gz", error), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(error, "");
}

TEST(TextStream, StopsWithAReasonOnTruncatedGzipAndEndlessLines) {
    TempDir dir;
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes += "rs" + std::to_string(i) + "\t1\t" + std::to_string(i * 7) + "\n";
    writeProfileFile(dir / "t.gz", bytes, true);
    std::string gz = readFileBytes(dir / "t.gz");
    writeFileBytes(dir / "t.gz", gz.substr(0, gz.size() / 2));
    std::string error;
    const auto lines = linesOf(dir / "t.gz", error);
    EXPECT_LT(lines.size(), 200000u);
    EXPECT_EQ(error, "the file cannot be read to its end: unexpected end of file");

    writeFileBytes(dir / "long", std::string(TextStream::kMaxLine + 10, 'x'));
    linesOf(dir / "long", error);
    EXPECT_EQ(error, "line 1 is longer than 4 MiB: this is no text table");
}

} // namespace
} // namespace varn::test
