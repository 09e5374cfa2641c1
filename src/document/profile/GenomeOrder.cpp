#include "document/profile/GenomeOrder.h"

#include "document/profile/Profile.h"
#include "document/profile/ProfileFields.h"
#include "document/profile/ProfileReading.h"
#include "document/profile/RowGather.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <thread>
#include <type_traits>
#include <utility>

namespace varn {

namespace {

// Chromosome (5 bits), position (31 bits) and row index (28 bits) in one number: sorting these
// sorts by place and keeps rows of one place in file order, with no comparator to call.
std::uint64_t placeKey(const Profile& p, std::size_t row) {
    return (std::uint64_t{p.chromosome[row]} << 59) |
           (std::uint64_t(static_cast<std::uint32_t>(p.position[row])) << 28) | std::uint64_t{row};
}

// Sorts keys [first, last) by their place bits (the top 36) in three stable counting passes of
// 12 bits, lowest first, through other (as long): the row bits below them start in ascending
// order, so rows of one place keep their file order. A comparison sort of 2.5 million keys costs
// about four times as much.
void countingSort(std::uint64_t* first, std::uint64_t* last, std::uint64_t* other) {
    constexpr int kBits = 12;
    constexpr std::size_t kBuckets = std::size_t{1} << kBits;
    std::vector<std::size_t> start(kBuckets);
    std::uint64_t* from = first;
    std::uint64_t* into = other;
    const std::size_t n = static_cast<std::size_t>(last - first);
    for (int shift = 28; shift < 64; shift += kBits) {
        std::fill(start.begin(), start.end(), 0);
        for (std::size_t i = 0; i < n; ++i) ++start[(from[i] >> shift) & (kBuckets - 1)];
        std::size_t sum = 0;
        for (std::size_t& s : start) sum += std::exchange(s, sum);
        for (std::size_t i = 0; i < n; ++i) into[start[(from[i] >> shift) & (kBuckets - 1)]++] = from[i];
        std::swap(from, into);
    }
    if (from != first) std::copy(from, from + n, first); // an odd number of passes ends in other
}

// The two halves of the keys sorted on two cores, then merged: every key is distinct (its row
// bits), and each sorted half is in order of the whole key, so the merge keeps file order too.
void sortByPlace(std::vector<std::uint64_t>& keys) {
    std::vector<std::uint64_t> other(keys.size());
    std::uint64_t* begin = keys.data();
    std::uint64_t* end = begin + keys.size();
    if (keys.size() < (std::size_t{1} << 16)) {
        countingSort(begin, end, other.data());
        return;
    }
    std::uint64_t* middle = begin + keys.size() / 2;
    std::thread firstHalf([&] { countingSort(begin, middle, other.data()); });
    countingSort(middle, end, other.data() + (middle - begin));
    firstHalf.join();
    std::merge(begin, middle, middle, end, other.data());
    keys.swap(other);
}

// A column of plain numbers goes through one scratch buffer shared by all of them and back into
// its own memory: fresh pages for every column would cost the kernel more than the gather.
template <class T>
void reorder(std::vector<T>& column, const std::vector<std::uint32_t>& rows,
             std::vector<std::uint32_t>& scratch) {
    static_assert(sizeof(T) <= sizeof(std::uint32_t) && std::is_trivially_copyable_v<T>);
    if (column.empty()) return;
    scratch.resize(rows.size());
    T* into = reinterpret_cast<T*>(scratch.data());
    gatherRows(column.data(), rows, into);
    std::copy(into, into + rows.size(), column.begin());
    column.resize(rows.size());
}

void reorderAll(Profile& p, const std::vector<std::uint32_t>& rows) {
    // The names, the slowest column to gather (eight bytes each), on a second core beside the
    // others.
    std::thread names([&] { p.name.reorder(rows); });
    std::vector<std::uint32_t> scratch;
    reorder(p.chromosome, rows, scratch);
    reorder(p.position, rows, scratch);
    reorder(p.logRatio, rows, scratch);
    reorder(p.array, rows, scratch);
    reorder(p.baf, rows, scratch);
    reorder(p.genotype, rows, scratch);
    reorder(p.normalBaf, rows, scratch);
    reorder(p.normalGenotype, rows, scratch);
    reorder(p.normalLogRatio, rows, scratch);
    reorder(p.heterozygosity, rows, scratch);
    names.join();
}

std::string leftOutNote(const ReadSummary& s) {
    std::size_t rows = 0;
    std::string names;
    for (const LeftOutRows& left : s.leftOut) {
        rows += left.rows;
        if (!names.empty()) names += ", ";
        names += left.chromosome;
    }
    return withThousands(rows) + (rows == 1 ? " row on " : " rows on ") + names + " left out";
}

void writeNotes(ReadSummary& s, GenomeBuild build) {
    s.notes.push_back(withThousands(s.snps) + (s.snps == 1 ? " SNP on " : " SNPs on ") +
                      std::to_string(s.chromosomes) + (s.chromosomes == 1 ? " chromosome" : " chromosomes"));
    if (!s.leftOut.empty()) s.notes.push_back(leftOutNote(s));
    if (s.rowsWithoutPosition > 0)
        s.notes.push_back(withThousands(s.rowsWithoutPosition) +
                          (s.rowsWithoutPosition == 1 ? " row" : " rows") + " without a position left out");
    if (s.duplicatePositions > 0)
        s.notes.push_back(withThousands(s.duplicatePositions) +
                          (s.duplicatePositions == 1 ? " position" : " positions") +
                          " given twice (the first row of each kept)");
    if (s.positionsPastEnd > 0)
        s.notes.push_back(withThousands(s.positionsPastEnd) + " past their chromosome's end in " +
                          genomeBuildName(build));
}

} // namespace

void putInGenomeOrder(Profile& p, GenomeBuild build, ReadSummary& summary,
                      std::vector<std::string>& warnings) {
    const std::size_t n = p.size();
    std::vector<std::uint64_t> keys(n);
    for (std::size_t row = 0; row < n; ++row) keys[row] = placeKey(p, row);
    // Most exports come in genome order already; then there is nothing to move.
    if (!std::is_sorted(keys.begin(), keys.end())) sortByPlace(keys);

    constexpr std::uint64_t kPlaceMask = ~((std::uint64_t{1} << 28) - 1);
    std::vector<std::uint32_t> kept;
    kept.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (keys[i] & kPlaceMask) == (keys[i - 1] & kPlaceMask)) {
            ++summary.duplicatePositions;
            continue;
        }
        kept.push_back(static_cast<std::uint32_t>(keys[i] & ~kPlaceMask));
    }
    bool inFileOrder = kept.size() == n;
    for (std::size_t i = 0; inFileOrder && i < kept.size(); ++i) inFileOrder = kept[i] == i;
    if (!inFileOrder) reorderAll(p, kept);

    summary.snps = p.size();
    summary.chromosomes = 0;
    for (std::size_t row = 0; row < p.size(); ++row) {
        if (row == 0 || p.chromosome[row] != p.chromosome[row - 1]) ++summary.chromosomes;
        if (p.position[row] > chromosomeLength(build, p.chromosome[row])) ++summary.positionsPastEnd;
    }
    if (summary.positionsPastEnd > 0)
        warnings.push_back(withThousands(summary.positionsPastEnd) +
                           (summary.positionsPastEnd == 1 ? " position lies" : " positions lie") +
                           " past the end of its chromosome in " + genomeBuildName(build) +
                           ": are the positions of another genome build?");
    writeNotes(summary, build);
}

} // namespace varn
