#include "document/profile/GzipText.h"

#include "ProfileFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace varn::test {
namespace {

// The whole text in the TextStream's requests of 1 MiB.
std::string inflated(const std::filesystem::path& path, Inflater inflater, std::string& error) {
    GzipText in(path, inflater);
    EXPECT_TRUE(in.isOpen());
    std::string text;
    std::vector<char> chunk(1u << 20);
    long got = 0;
    while ((got = in.read(chunk.data(), chunk.size())) > 0) text.append(chunk.data(), static_cast<std::size_t>(got));
    error = got < 0 ? in.error() : "";
    return text;
}

TEST(GzipText, BothInflatersReadEveryFileAlike) {
    TempDir dir;
    const auto gzipped = [&](const std::string& text) {
        writeProfileFile(dir / "member.gz", text, true);
        return readFileBytes(dir / "member.gz");
    };
    std::mt19937 random(5);
    std::string big; // three requests' worth that gzip cannot shrink to nothing
    while (big.size() < 3'500'000) big += "rs" + std::to_string(random()) + "\t" + std::to_string(random() % 23) + "\n";
    const std::string a = "one\ntw", b = "o\nthree\n";
    std::string named = gzipped(a); // as gzip writes it: the file's name in the header
    named[3] = 0x08;
    named.insert(10, std::string("report.txt\0", 11));
    std::string badCheck = gzipped(a);
    badCheck[badCheck.size() - 8] ^= 1;
    const std::string bigGz = gzipped(big);
    const std::string cut = bigGz.substr(0, bigGz.size() * 2 / 3);

    struct Case {
        const char* what;
        std::string bytes;
        std::string text;
        std::string error; // "?" for any refusal: the two libraries word some apart
    };
    const std::vector<Case> cases = {
        {"one member", bigGz, big, ""},
        {"members end to end, then bytes that begin no member", gzipped(a) + gzipped(b) + "\n\n", a + b, ""},
        {"a lone magic byte after the member", gzipped(a) + "\x1f", a, ""},
        {"a file name in the header", named, a, ""},
        {"an empty text", gzipped(""), "", ""},
        {"a damaged check", badCheck, "", "incorrect data check"},
        {"cut off: the last request's bytes are dropped", cut, big.substr(0, 2u << 20), "unexpected end of file"},
        {"a second member that is no deflate data", gzipped(a) + "\x1f\x8b\x07junk", "", "?"},
    };
    for (const Case& c : cases) {
        writeFileBytes(dir / "t.gz", c.bytes);
        for (Inflater inflater : {Inflater::Zlib, Inflater::Isal}) {
            if (!inflaterBuilt(inflater)) continue;
            SCOPED_TRACE(std::string(c.what) + (inflater == Inflater::Zlib ? " (zlib)" : " (ISA-L)"));
            std::string error;
            const std::string text = inflated(dir / "t.gz", inflater, error);
            EXPECT_EQ(text.size(), c.text.size());
            EXPECT_TRUE(text == c.text);
            if (c.error == "?")
                EXPECT_NE(error, "");
            else
                EXPECT_EQ(error, c.error);
        }
    }
}

} // namespace
} // namespace varn::test
