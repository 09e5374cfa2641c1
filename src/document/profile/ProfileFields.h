#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varn {

struct ReadSummary;

// The field rules every profile reader shares: missing values, chromosome names, genotypes,
// columns found by name.

// A numeric field: a finite decimal number, or missing ("NaN", "NA", "-", blank; an infinite
// value, such as the log of a zero intensity, is missing too). Bad is any other text.
enum class FieldValue { Number, Missing, Bad };
FieldValue parseValue(std::string_view field, float& value);

// The chromosome of a field: 1..22, 23 for "X" or "23", with or without "chr" and in any case.
// 0 for a chromosome the profiles leave out; name is then how it is counted: "Y", "XY", "MT"
// (also for "M"), "0", and PLINK's numbers 24, 25, 26 as Y, XY, MT; any other text as written.
int parseChromosome(std::string_view field, std::string_view& name);

// A base position: a whole number from 1 up. False for anything else (blank, 0, text).
bool parsePosition(std::string_view field, std::int32_t& position);

// A genotype "AA", "AB", "BA", "BB" as kCallAA.. kCallBB; "NC", "NoCall", "--", "-", "NA" and
// blank as kNoCall. False for any other text.
bool parseGenotype(std::string_view field, std::int8_t& code);
// GenomeStudio's "Allele1 - AB" / "Allele2 - AB" pair ("A", "B", "-").
std::int8_t genotypeOfAlleles(std::string_view allele1, std::string_view allele2);

// The fields of a line split at the separator, no quoting (no export quotes its fields).
void splitFields(std::string_view line, char separator, std::vector<std::string_view>& fields);
// A header's separator: a tab when the line has one, else a comma.
char separatorOf(std::string_view header);
// A field without the spaces (and, in a header, the double quotes) around it.
std::string_view trimmed(std::string_view field);
// The column whose trimmed name is name (any case); -1 when there is none.
int findColumn(const std::vector<std::string_view>& header, std::string_view name);
// "a, b, c" of a header's trimmed names, for messages.
std::string listedNames(const std::vector<std::string_view>& header);
// "a, b, c" of names, the first few of a long list and how many more.
std::string listedNames(const std::vector<std::string>& names);

// 12345 as "12,345".
std::string withThousands(std::size_t count);

// Counts rows (one, or several of one name) left out for their chromosome in the summary.
void countLeftOut(ReadSummary& summary, std::string_view chromosome, std::size_t rows = 1);

} // namespace varn
