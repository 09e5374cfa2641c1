#include "document/profile/ProfileFields.h"

#include "document/ChromosomeTable.h"
#include "document/DocumentLimits.h"
#include "document/profile/ProfileReading.h"

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

std::string_view withoutSpaces(std::string_view field) {
    while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
    return field;
}

} // namespace

FieldValue parseValue(std::string_view field, float& value) {
    field = withoutSpaces(field);
    if (field.empty() || field == "NaN" || field == "NA" || field == "-") return FieldValue::Missing;
    const char* first = field.data();
    const char* last = first + field.size();
    if (*first == '+') ++first; // from_chars takes no plus sign, some writers put one
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
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), position);
    return error == std::errc() && end == field.data() + field.size() && position >= 1;
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
    // A plain loop: fields of a few characters each cost more as memchr calls than as bytes.
    const char* begin = line.data();
    const char* end = begin + line.size();
    for (const char* p = begin; p != end; ++p) {
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

void countLeftOut(ReadSummary& summary, std::string_view chromosome) {
    for (LeftOutRows& left : summary.leftOut)
        if (left.chromosome == chromosome) {
            ++left.rows;
            return;
        }
    // A file of thousands of contig names keeps only the first ones by name; the rest share one.
    constexpr std::size_t kNamed = 30;
    if (summary.leftOut.size() >= kNamed) chromosome = "others";
    if (summary.leftOut.size() > kNamed) {
        ++summary.leftOut.back().rows;
        return;
    }
    summary.leftOut.push_back({std::string(chromosome.substr(0, 40)), 1});
}

} // namespace varn
