#include "document/profile/RowBlocks.h"

#include "document/profile/Profile.h"
#include "document/profile/ProfileFields.h"
#include "document/profile/ProfileReading.h"
#include "document/profile/TextStream.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <thread>

namespace varn {

namespace {

// Halves below this size are not worth a thread.
constexpr std::size_t kSplitAbove = 256u << 10;

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

// The second half's rows after the first's.
void join(Profile& p, ReadSummary& s, Profile& part, ReadSummary& partSummary) {
    append(p.chromosome, part.chromosome);
    append(p.position, part.position);
    append(p.name, part.name);
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

// Whether a half read on its own counted its left-out rows as a reading from the start would: a
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

} // namespace

std::string readRowBlocks(TextStream& in, const std::filesystem::path& file, char separator,
                          const RowColumns& c, SampleRows& samples, Profile& p, ReadSummary& s) {
    Profile part;
    std::string_view text;
    while (in.nextLines(text)) {
        std::string_view first = text, second;
        if (text.size() > 2 * kSplitAbove) {
            const std::size_t cut = text.find('\n', text.size() / 2);
            if (cut != std::string_view::npos) {
                first = text.substr(0, cut + 1);
                second = text.substr(cut + 1);
            }
        }
        // The second half is read as if the first left the sample where it was.
        const SampleRows before = samples;
        SampleRows partSamples = before;
        ReadSummary partSummary;
        Stretch late;
        std::thread side;
        if (!second.empty())
            side = std::thread([&] { late = readStretch(second, separator, c, partSamples, part, partSummary); });
        const Stretch early = readStretch(first, separator, c, samples, p, s);
        if (side.joinable()) side.join();
        const std::size_t base = in.lineNumber();
        if (!early.why.empty()) return fileMessage(file, base + early.lines, early.why);
        if (!second.empty()) {
            if (sameState(samples, before) && leftOutJoinsExactly(partSummary)) {
                join(p, s, part, partSummary);
                samples = std::move(partSamples);
            } else {
                part = Profile();
                late = readStretch(second, separator, c, samples, p, s);
            }
            if (!late.why.empty()) return fileMessage(file, base + early.lines + late.lines, late.why);
        }
        in.tookLines(early.lines + late.lines);
    }
    if (!in.error().empty()) return fileMessage(file, in.lineNumber(), in.error());
    return {};
}

} // namespace varn
