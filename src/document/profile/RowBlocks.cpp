#include "document/profile/RowBlocks.h"

#include "document/profile/Profile.h"
#include "document/profile/ProfileFields.h"
#include "document/profile/ProfileReading.h"
#include "document/profile/TextStream.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <iterator>
#include <thread>

namespace varn {

namespace {

// A block is read in pieces of about this size, at most kMostPieces of them; a smaller block
// in one go.
constexpr std::size_t kPieceSize = 256u << 10;
constexpr std::size_t kMostPieces = 16;

// The rows of one stretch of lines: where they went and how far the reading got.
struct Stretch {
    std::size_t lines = 0; // lines read, the failing one included
    std::string why;       // why the row at line `lines` cannot be read; empty when all were
};

bool keepSampleRow(const std::vector<std::string_view>& fields, SampleRows& s) {
    if (s.column < 0 || static_cast<std::size_t>(s.column) >= fields.size()) return true;
    const std::string_view sample = trimmed(fields[static_cast<std::size_t>(s.column)]);
    if (sample != s.current) {
        s.current = sample;
        if (std::find(s.samples.begin(), s.samples.end(), s.current) == s.samples.end())
            s.samples.push_back(s.current);
        s.wanted = s.chosen.empty() ? s.samples.size() == 1 && s.samples[0] == s.current : s.current == s.chosen;
    }
    return s.wanted;
}

Stretch readStretch(std::string_view text, char separator, const RowColumns& c, SampleRows& samples,
                    Profile& p, ReadSummary& summary) {
    Stretch stretch;
    std::vector<std::string_view> fields;
    while (!text.empty()) {
        const void* end = std::memchr(text.data(), '\n', text.size());
        const std::size_t length =
            end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - text.data()) : text.size();
        std::string_view line = text.substr(0, length);
        text.remove_prefix(end != nullptr ? length + 1 : length);
        ++stretch.lines;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        splitFields(line, separator, fields);
        if (!keepSampleRow(fields, samples)) continue;
        stretch.why = addRow(fields, c, p, summary);
        if (!stretch.why.empty()) break;
    }
    return stretch;
}

template <class T> void append(std::vector<T>& to, std::vector<T>& from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
    from.clear();
}

// A piece's rows after those before it.
void join(Profile& p, ReadSummary& s, Profile& part, ReadSummary& partSummary) {
    append(p.chromosome, part.chromosome);
    append(p.position, part.position);
    p.name.append(part.name);
    part.name.clear();
    append(p.logRatio, part.logRatio);
    append(p.array, part.array);
    append(p.baf, part.baf);
    append(p.genotype, part.genotype);
    append(p.normalBaf, part.normalBaf);
    append(p.normalGenotype, part.normalGenotype);
    s.rows += partSummary.rows;
    s.rowsWithoutPosition += partSummary.rowsWithoutPosition;
    for (const LeftOutRows& left : partSummary.leftOut) countLeftOut(s, left.chromosome, left.rows);
}

// Whether a piece read on its own counted its left-out rows as a reading from the start would: a
// name is cut at 40 characters, and after 30 names the rest are counted together, both of which
// depend on the rows before.
bool leftOutJoinsExactly(const ReadSummary& part) {
    if (part.leftOut.size() >= 30) return false;
    for (const LeftOutRows& left : part.leftOut)
        if (left.chromosome.size() >= 40) return false;
    return true;
}

bool sameState(const SampleRows& a, const SampleRows& b) {
    return a.current == b.current && a.wanted == b.wanted && a.samples.size() == b.samples.size();
}

// One piece of a block and what reading it on its own gave.
struct Piece {
    std::string_view text;
    Profile rows;
    ReadSummary summary;
    SampleRows samples;
    Stretch stretch;
};

// Cuts a block's text at line ends into pieces of about kPieceSize; how many.
std::size_t cutIntoPieces(std::string_view text, std::vector<Piece>& pieces) {
    const std::size_t count = std::clamp<std::size_t>(text.size() / kPieceSize, 1, pieces.size());
    const std::size_t size = text.size() / count;
    std::size_t k = 0;
    while (k + 1 < count) {
        std::size_t cut = text.find('\n', size);
        if (cut == std::string_view::npos) break;
        pieces[k++].text = text.substr(0, cut + 1);
        text.remove_prefix(cut + 1);
    }
    pieces[k++].text = text;
    return k;
}

} // namespace

std::string readRowBlocks(TextStream& in, const std::filesystem::path& file, char separator,
                          const RowColumns& c, SampleRows& samples, Profile& p, ReadSummary& s) {
    std::vector<Piece> pieces(kMostPieces);
    std::string_view text;
    while (in.nextLines(text)) {
        const std::size_t base = in.lineNumber();
        const std::size_t count = cutIntoPieces(text, pieces);
        if (count == 1) {
            const Stretch stretch = readStretch(text, separator, c, samples, p, s);
            if (!stretch.why.empty()) return fileMessage(file, base + stretch.lines, stretch.why);
            in.tookLines(stretch.lines);
            continue;
        }
        // Both threads take the next piece not yet taken, each read as if the rows before it
        // left the sample where it was at the block's start. A thread that the machine's other
        // work holds back then only leaves more pieces to the other.
        std::atomic<std::size_t> next{0};
        auto readPieces = [&] {
            for (std::size_t k; (k = next.fetch_add(1)) < count;) {
                Piece& piece = pieces[k];
                piece.samples = samples;
                piece.summary = ReadSummary();
                piece.stretch = readStretch(piece.text, separator, c, piece.samples, piece.rows, piece.summary);
            }
        };
        std::thread side(readPieces);
        readPieces();
        side.join();

        const SampleRows atStart = samples;
        std::size_t lines = 0;
        for (std::size_t k = 0; k < count; ++k) {
            Piece& piece = pieces[k];
            Stretch stretch = piece.stretch;
            if (sameState(samples, atStart) && leftOutJoinsExactly(piece.summary)) {
                join(p, s, piece.rows, piece.summary);
                samples = std::move(piece.samples);
            } else {
                piece.rows = Profile();
                stretch = readStretch(piece.text, separator, c, samples, p, s);
            }
            if (!stretch.why.empty()) return fileMessage(file, base + lines + stretch.lines, stretch.why);
            lines += stretch.lines;
        }
        in.tookLines(lines);
    }
    if (!in.error().empty()) return fileMessage(file, in.lineNumber(), in.error());
    return {};
}

} // namespace varn
