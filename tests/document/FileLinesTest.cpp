#include "document/TextLines.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace varn::test {
namespace {

constexpr std::size_t kBuffer = 4096;
constexpr std::size_t kReadAhead = 8;

// Every piece of the file as the streamed reader hands it out, checking the read-ahead room.
std::vector<std::string> streamedPieces(const std::filesystem::path& path) {
    FileLines lines(path, kBuffer, kReadAhead);
    EXPECT_TRUE(lines.isOpen());
    std::vector<std::string> pieces;
    std::string_view piece;
    while (lines.next(piece)) {
        EXPECT_GE(lines.readableEnd() - (piece.data() + piece.size()), static_cast<std::ptrdiff_t>(kReadAhead));
        pieces.emplace_back(piece);
    }
    EXPECT_FALSE(lines.failed());
    return pieces;
}

std::vector<std::string> wholePieces(const std::string& bytes) {
    FgetsLines lines(bytes, kBuffer);
    std::vector<std::string> pieces;
    std::string_view piece;
    while (lines.next(piece)) pieces.emplace_back(piece);
    return pieces;
}

TEST(FileLines, StreamedPiecesMatchTheWholeFileOnesAcrossBlockBoundaries) {
    // Several blocks' worth of lines of every length, some longer than the buffer (split into
    // pieces that may straddle a block end), with CR LF ends, zero bytes and no final line end.
    TempDir dir;
    std::mt19937 random(5);
    std::string bytes;
    while (bytes.size() < 1'300'000) {
        const std::size_t length = random() % 50 == 0 ? 4000 + random() % 9000 : random() % 400;
        for (std::size_t i = 0; i < length; ++i) bytes += static_cast<char>(random() % 7 == 0 ? '\0' : 'a' + random() % 26);
        bytes += random() % 3 == 0 ? "\r\n" : "\n";
    }
    bytes += "last line without its end";
    writeFileBytes(dir / "big.txt", bytes);
    EXPECT_EQ(streamedPieces(dir / "big.txt"), wholePieces(bytes));

    writeFileBytes(dir / "empty.txt", "");
    EXPECT_TRUE(streamedPieces(dir / "empty.txt").empty());
    writeFileBytes(dir / "one.txt", "\n");
    EXPECT_EQ(streamedPieces(dir / "one.txt"), std::vector<std::string>{"\n"});
}

TEST(FileLines, MissingFilesAndFoldersGiveNoPieces) {
    TempDir dir;
    std::string_view piece;
    FileLines missing(dir / "absent.txt", kBuffer, kReadAhead);
    EXPECT_FALSE(missing.isOpen());
    EXPECT_FALSE(missing.next(piece));
    // A folder may open but cannot be read: that is a failure, not an empty file.
    FileLines folder(dir.path(), kBuffer, kReadAhead);
    if (folder.isOpen()) {
        EXPECT_FALSE(folder.next(piece));
        EXPECT_TRUE(folder.failed());
    }
}

} // namespace
} // namespace varn::test
