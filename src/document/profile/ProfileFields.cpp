#include "document/profile/ProfileFields.h"

#include "document/ChromosomeTable.h"
#include "document/DocumentLimits.h"
#include "document/profile/ProfileReading.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace varn {

namespace {

bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

inline std::string_view withoutSpaces(std::string_view field) {
    while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
    return field;
}

// A plain decimal such as "-0.1234" or "0.5531", as arrays write their log ratios and B-allele
// fractions, read the short way: its digits make a whole number m and its decimals k. Where m
// is below 2^24 and k at most 10, m and 10^k are both exact floats, so their quotient, rounded
// once by the division, is the correctly rounded float from_chars gives (Clinger's fast path).
// False for anything else, which from_chars then reads.
bool plainDecimal(const char* first, const char* last, float& value) {
    static constexpr float kPowers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    const bool negative = first != last && *first == '-';
    if (negative) ++first;
    std::uint32_t m = 0;
    int digits = 0, decimals = -1; // decimals -1: no point yet
    for (const char* p = first; p != last; ++p) {
        if (*p == '.' && decimals < 0 && digits > 0) {
            decimals = 0;
            continue;
        }
        const unsigned d = static_cast<unsigned>(static_cast<unsigned char>(*p)) - '0';
        if (d > 9 || ++digits > 8) return false; // eight digits at most: m stays a 32-bit number
        m = m * 10 + d;
        if (decimals >= 0) ++decimals;
    }
    // "5." and numbers of more than 24 bits take the long way.
    if (digits == 0 || decimals == 0 || m >= (1u << 24)) return false;
    const float quotient = static_cast<float>(m) / kPowers[decimals < 0 ? 0 : decimals];
    value = negative ? -quotient : quotient;
    return true;
}

} // namespace

FieldValue parseValue(std::string_view field, float& value) {
    field = withoutSpaces(field);
    if (field.empty() || field == "NaN" || field == "NA" || field == "-") return FieldValue::Missing;
    const char* first = field.data();
    const char* last = first + field.size();
    if (*first == '+') ++first; // from_chars takes no plus sign, some writers put one
    if (plainDecimal(first, last, value)) return FieldValue::Number;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) {
        // Out of float's range: a huge or tiny number of a broken file, not a measurement.
        if (error == std::errc::result_out_of_range && end == last) return FieldValue::Missing;
        return FieldValue::Bad;
    }
    return std::isfinite(value) ? FieldValue::Number : FieldValue::Missing;
}

int parseChromosome(std::string_view field, std::string_view& name) {
    field = withoutSpaces(field);
    if (field.size() > 3 && sameText(field.substr(0, 3), "chr")) field.remove_prefix(3);
    name = field;
    if (field.size() == 1 || field.size() == 2) {
        int number = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
        if (error == std::errc() && end == field.data() + field.size() && field[0] != '0') {
            if (number >= 1 && number <= 23) return number;
            if (number == 24) name = "Y";
            if (number == 25) name = "XY";
            if (number == 26) name = "MT";
            return 0;
        }
    }
    if (sameText(field, "X")) return kChromosomeX;
    if (sameText(field, "Y"))
        name = "Y";
    else if (sameText(field, "XY"))
        name = "XY";
    else if (sameText(field, "MT") || sameText(field, "M"))
        name = "MT";
    else if (field.empty())
        name = "(blank)";
    return 0;
}

bool parsePosition(std::string_view field, std::int32_t& position) {
    field = withoutSpaces(field);
    // Digits only, as from_chars reads them with a sign refused: a negative number is no
    // position either, nor one past 2^31 - 1.
    if (field.empty()) return false;
    std::uint64_t value = 0;
    for (char c : field) {
        const unsigned d = static_cast<unsigned>(static_cast<unsigned char>(c)) - '0';
        if (d > 9) return false;
        value = value * 10 + d;
        if (value > 2147483647u) return false;
    }
    if (value < 1) return false;
    position = static_cast<std::int32_t>(value);
    return true;
}

bool parseGenotype(std::string_view field, std::int8_t& code) {
    field = withoutSpaces(field);
    if (field == "AA")
        code = kCallAA;
    else if (field == "AB" || field == "BA")
        code = kCallAB;
    else if (field == "BB")
        code = kCallBB;
    else if (field.empty() || field == "NC" || field == "NoCall" || field == "--" || field == "-" ||
             field == "NA")
        code = kNoCall;
    else
        return false;
    return true;
}

std::int8_t genotypeOfAlleles(std::string_view allele1, std::string_view allele2) {
    allele1 = withoutSpaces(allele1);
    allele2 = withoutSpaces(allele2);
    const bool a1 = allele1 == "A", b1 = allele1 == "B", a2 = allele2 == "A", b2 = allele2 == "B";
    if (a1 && a2) return kCallAA;
    if (b1 && b2) return kCallBB;
    if ((a1 && b2) || (b1 && a2)) return kCallAB;
    return kNoCall;
}

void splitFields(std::string_view line, char separator, std::vector<std::string_view>& fields) {
    fields.clear();
    // Eight bytes at a time: fields of a few characters each cost more as memchr calls than as
    // bytes, and a byte loop pays a branch per byte. A byte of the word equal to the separator is
    // a zero byte of v = word ^ pattern; (v - 0x01..) & ~v & 0x80.. marks the lowest one exactly
    // (a mark above it may come of a borrow), so the bytes up to it are set to 0xff and the next
    // one is looked for again.
    constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(separator);
    const char* begin = line.data();
    const char* end = begin + line.size();
    const char* p = begin;
    for (; end - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        std::uint64_t v = word ^ pattern;
        for (;;) {
            const std::uint64_t marks = (v - kOnes) & ~v & kHighs;
            if (marks == 0) break;
            const int at = std::countr_zero(marks) >> 3;
            fields.emplace_back(begin, static_cast<std::size_t>(p + at - begin));
            begin = p + at + 1;
            if (at == 7) break;
            v |= (std::uint64_t{1} << ((at + 1) * 8)) - 1;
        }
    }
    for (; p != end; ++p) {
        if (*p != separator) continue;
        fields.emplace_back(begin, static_cast<std::size_t>(p - begin));
        begin = p + 1;
    }
    fields.emplace_back(begin, static_cast<std::size_t>(end - begin));
}

char separatorOf(std::string_view header) {
    return header.find('\t') != std::string_view::npos ? '\t' : ',';
}

std::string_view trimmed(std::string_view field) {
    field = withoutSpaces(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = field.substr(1, field.size() - 2);
    return withoutSpaces(field);
}

int findColumn(const std::vector<std::string_view>& header, std::string_view name) {
    for (std::size_t i = 0; i < header.size(); ++i)
        if (sameText(trimmed(header[i]), name)) return static_cast<int>(i);
    return -1;
}

std::string listedNames(const std::vector<std::string_view>& header) {
    std::vector<std::string> names;
    for (std::string_view field : header) names.emplace_back(trimmed(field));
    return listedNames(names);
}

std::string listedNames(const std::vector<std::string>& names) {
    constexpr std::size_t kShown = 12;
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < kShown; ++i) {
        if (i > 0) text += ", ";
        text += names[i].empty() ? "(blank)" : names[i].substr(0, 60);
    }
    if (names.size() > kShown) text += " and " + withThousands(names.size() - kShown) + " more";
    return text;
}

std::string withThousands(std::size_t count) {
    std::string digits = std::to_string(count);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

void countLeftOut(ReadSummary& summary, std::string_view chromosome, std::size_t rows) {
    for (LeftOutRows& left : summary.leftOut)
        if (left.chromosome == chromosome) {
            left.rows += rows;
            return;
        }
    // A file of thousands of contig names keeps only the first ones by name; the rest share one.
    constexpr std::size_t kNamed = 30;
    if (summary.leftOut.size() >= kNamed) chromosome = "others";
    if (summary.leftOut.size() > kNamed) {
        summary.leftOut.back().rows += rows;
        return;
    }
    summary.leftOut.push_back({std::string(chromosome.substr(0, 40)), rows});
}

} // namespace varn
