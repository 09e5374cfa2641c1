// The reader of a sample's segment table, for the cohort summary. The table is the program's own
// output, so anything it does not expect is refused with its line and column rather than guessed.
#include "SegmentTableReader.h"

#include "SegmentFiles.h"
#include "document/TextLines.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>
#include <system_error>

namespace varn {

namespace {

constexpr std::size_t kColumns = 11;
// An allele analysis's table appends its columns after these.
constexpr std::size_t kAlleleColumns = 16;
constexpr std::array<const char*, kAlleleColumns> kColumnNames = {
    "ID",          "chrom", "loc.start", "loc.end", "num.mark", "seg.mean.ln", "seg.mean.log2",
    "copy.number", "loh",   "loh.mean",  "loh.max", "nMajor",   "nMinor",      "baf.mirrored",
    "loh.alleles", "cn.mismatch"};

template <typename Number> bool parseWhole(std::string_view text, Number& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

bool parseReal(std::string_view text, double& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    return ec == std::errc() && ptr == end && !text.empty();
}

// The percent of "# tumour cells=NN%".
bool parseTumourCells(std::string_view line, int& percent) {
    constexpr std::string_view head = "# tumour cells=";
    if (!line.starts_with(head) || !line.ends_with('%')) return false;
    line.remove_prefix(head.size());
    line.remove_suffix(1);
    return parseWhole(line, percent) && percent >= 0 && percent <= 100;
}

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t from = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', from);
        fields.push_back(
            line.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from));
        if (tab == std::string_view::npos) return fields;
        from = tab + 1;
    }
}

// One data line; false with the name of the first column that does not read.
bool parseRow(const std::vector<std::string_view>& f, SegmentTableRow& row, std::string& badColumn) {
    auto bad = [&](std::size_t column) {
        badColumn = kColumnNames[column];
        return false;
    };
    if (!parseWhole(f[1], row.chromosome) || row.chromosome < 1 || row.chromosome > 23) return bad(1);
    if (!parseWhole(f[2], row.start) || row.start < 1) return bad(2);
    if (!parseWhole(f[3], row.end) || row.end < row.start) return bad(3);
    if (!parseWhole(f[4], row.marks) || row.marks < 1) return bad(4);
    if (!parseReal(f[5], row.meanLn)) return bad(5);
    if (!parseReal(f[6], row.meanLog2)) return bad(6);
    row.copyNumber.reset();
    if (!f[7].empty()) {
        int copies = 0;
        if (!parseWhole(f[7], copies) || copies < 0 || copies > 6) return bad(7);
        row.copyNumber = copies;
    }
    if (f[8] != "yes" && f[8] != "no") return bad(8);
    row.loh = f[8] == "yes";
    if (!parseReal(f[9], row.lohMean)) return bad(9);
    if (!parseReal(f[10], row.lohMax)) return bad(10);
    if (f.size() == kColumns) return true;
    int copies = 0;
    double baf = 0.0;
    for (std::size_t c : {std::size_t{11}, std::size_t{12}})
        if (!f[c].empty() && (!parseWhole(f[c], copies) || copies < 0 || copies > 6)) return bad(c);
    if (!f[13].empty() && (!parseReal(f[13], baf) || baf < 0.0 || baf > 1.5)) return bad(13);
    for (std::size_t c : {std::size_t{14}, std::size_t{15}})
        if (f[c] != "yes" && f[c] != "no") return bad(c);
    return true;
}

} // namespace

bool readSegmentTable(const std::filesystem::path& path, SegmentTable& table, std::string& error) {
    table = {};
    std::string bytes;
    if (!loadWholeFile(path, bytes)) {
        error = path.string() + ": cannot be read";
        return false;
    }
    std::string_view rest = bytes;
    int lineNumber = 0;
    bool headerSeen = false;
    std::size_t columns = kColumns;
    auto fail = [&](const std::string& what) {
        error = path.string() + " line " + std::to_string(lineNumber) + ": " + what;
        return false;
    };
    while (!rest.empty()) {
        const std::size_t newline = rest.find('\n');
        std::string_view line = rest.substr(0, newline);
        rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!headerSeen) {
            int percent = 0;
            if (lineNumber == 1 && parseTumourCells(line, percent)) {
                table.tumourCells = percent;
                continue;
            }
            std::string alleleHeader = kSegmentTableHeader;
            alleleHeader.insert(alleleHeader.size() - 1, kSegmentAlleleColumns);
            const std::string header = std::string(line) + "\n";
            if (header == alleleHeader) columns = kAlleleColumns;
            else if (header != kSegmentTableHeader) return fail("not the segment table header");
            headerSeen = true;
            continue;
        }
        if (line.empty() && rest.empty()) break;
        const std::vector<std::string_view> fields = splitTabs(line);
        if (fields.size() != columns)
            return fail(std::to_string(fields.size()) + " fields, not " + std::to_string(columns));
        if (fields[0].empty()) return fail("column ID is empty");
        if (table.rows.empty())
            table.sample = std::string(fields[0]);
        else if (fields[0] != table.sample)
            return fail("column ID is " + std::string(fields[0]) + ", not " + table.sample);
        SegmentTableRow row;
        std::string column;
        if (!parseRow(fields, row, column)) return fail("column " + column + " does not read");
        if (!table.rows.empty()) {
            const SegmentTableRow& last = table.rows.back();
            if (row.chromosome < last.chromosome ||
                (row.chromosome == last.chromosome && row.start <= last.end))
                return fail("column loc.start: the segment is out of order or overlaps the one before");
        }
        table.rows.push_back(row);
    }
    if (!headerSeen) {
        lineNumber = std::max(lineNumber, 1);
        return fail("not the segment table header");
    }
    return true;
}

} // namespace varn
