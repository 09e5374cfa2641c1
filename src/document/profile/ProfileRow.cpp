#include "document/profile/ProfileRow.h"

#include "document/profile/GenomeOrder.h"
#include "document/profile/Profile.h"
#include "document/profile/ProfileFields.h"
#include "document/profile/ProfileReading.h"
#include "document/profile/RowBlocks.h"
#include "document/profile/TextStream.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <system_error>
#include <utility>

namespace varn {

namespace {

std::string notANumber(const RowColumns& c, int column, std::string_view field) {
    return "the " + c.header[static_cast<std::size_t>(column)] + " \"" + std::string(field.substr(0, 40)) +
           "\" is not a number";
}

// Reads a value column into its profile column; false when the field holds text.
bool takeValue(const std::vector<std::string_view>& fields, int column, std::vector<float>& values) {
    if (column < 0) return true;
    float value = NAN;
    const FieldValue kind = parseValue(fields[static_cast<std::size_t>(column)], value);
    if (kind == FieldValue::Bad) return false;
    values.push_back(kind == FieldValue::Number ? value : NAN);
    return true;
}

bool takeGenotype(const std::vector<std::string_view>& fields, int column, std::vector<std::int8_t>& codes) {
    if (column < 0) return true;
    std::int8_t code = 0;
    if (!parseGenotype(fields[static_cast<std::size_t>(column)], code)) return false;
    codes.push_back(code);
    return true;
}

} // namespace

std::size_t RowColumns::fieldsNeeded() const {
    int most = name;
    for (int column : {chromosome, position, logRatio, baf, genotype, allele1, allele2, normalBaf, normalGenotype})
        most = column > most ? column : most;
    return static_cast<std::size_t>(most + 1);
}

int RowColumns::column(std::string_view name) const {
    std::vector<std::string_view> names(header.begin(), header.end());
    return findColumn(names, name);
}

std::string readHeader(TextStream& in, const std::filesystem::path& file, RowColumns& c, char& separator) {
    std::string_view line;
    if (!in.next(line))
        return fileMessage(file, in.lineNumber(), in.error().empty() ? "the file is empty" : in.error());
    if (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3); // the byte-order mark of some Windows writers
    separator = separatorOf(line);
    std::vector<std::string_view> fields;
    splitFields(line, separator, fields);
    c.header.clear();
    for (std::string_view field : fields) c.header.emplace_back(trimmed(field));
    return {};
}

std::string columnsNotFound(const std::filesystem::path& file, const RowColumns& c, std::string_view needs) {
    return fileMessage(file, 1,
                       "the columns needed are not all found (the header has " + listedNames(c.header) +
                           "); " + std::string(needs));
}

std::string readDataRows(TextStream& in, const std::filesystem::path& file, char separator,
                         const RowColumns& c, Profile& p, ReadSummary& s) {
    // The first row alone: its length tells how many rows the file holds.
    std::vector<std::string_view> fields;
    std::string_view line;
    while (in.next(line)) {
        if (line.empty()) continue;
        reserveRowsForFile(p, c, file, line.size());
        splitFields(line, separator, fields);
        if (std::string why = addRow(fields, c, p, s); !why.empty())
            return fileMessage(file, in.lineNumber(), why);
        break;
    }
    SampleRows everyRow;
    return readRowBlocks(in, file, separator, c, everyRow, p, s);
}

std::string addRow(const std::vector<std::string_view>& fields, const RowColumns& c, Profile& p,
                   ReadSummary& s) {
    if (fields.size() < c.fieldsNeeded())
        return "the row has " + std::to_string(fields.size()) + " fields where the header has " +
               std::to_string(c.header.size());
    ++s.rows;
    std::string_view leftOutName;
    const int chromosome = parseChromosome(fields[static_cast<std::size_t>(c.chromosome)], leftOutName);
    if (chromosome == 0) {
        countLeftOut(s, leftOutName);
        return {};
    }
    std::int32_t position = 0;
    if (!parsePosition(fields[static_cast<std::size_t>(c.position)], position)) {
        ++s.rowsWithoutPosition;
        return {};
    }
    // A refused row may leave the columns of unequal length: the refusal drops them all.
    if (!takeValue(fields, c.logRatio, p.logRatio))
        return notANumber(c, c.logRatio, fields[static_cast<std::size_t>(c.logRatio)]);
    if (!takeValue(fields, c.baf, p.baf))
        return notANumber(c, c.baf, fields[static_cast<std::size_t>(c.baf)]);
    if (!takeValue(fields, c.normalBaf, p.normalBaf))
        return notANumber(c, c.normalBaf, fields[static_cast<std::size_t>(c.normalBaf)]);
    for (int column : {c.genotype, c.normalGenotype})
        if (!takeGenotype(fields, column, column == c.genotype ? p.genotype : p.normalGenotype))
            return "the " + c.header[static_cast<std::size_t>(column)] + " \"" +
                   std::string(fields[static_cast<std::size_t>(column)].substr(0, 40)) +
                   "\" is not a genotype";
    if (c.allele1 >= 0)
        p.genotype.push_back(genotypeOfAlleles(fields[static_cast<std::size_t>(c.allele1)],
                                               fields[static_cast<std::size_t>(c.allele2)]));
    p.chromosome.push_back(static_cast<std::uint8_t>(chromosome));
    p.position.push_back(position);
    p.name.push_back(c.name >= 0 ? trimmed(fields[static_cast<std::size_t>(c.name)]) : std::string_view());
    p.array.push_back(0);
    return {};
}

void reserveRows(Profile& p, const RowColumns& c, std::size_t expected) {
    expected = std::min(expected, kMaxProfileRows);
    p.chromosome.reserve(expected);
    p.position.reserve(expected);
    // Names of arrays run to a dozen characters or so ("rs12345678", "GSA-rs1234567"); a longer
    // name grows the text as it must.
    p.name.reserve(expected, expected * 16);
    p.array.reserve(expected);
    if (c.logRatio >= 0) p.logRatio.reserve(expected);
    if (c.baf >= 0) p.baf.reserve(expected);
    if (c.genotype >= 0 || c.allele1 >= 0) p.genotype.reserve(expected);
    if (c.normalBaf >= 0) p.normalBaf.reserve(expected);
    if (c.normalGenotype >= 0) p.normalGenotype.reserve(expected);
}

void reserveRowsForFile(Profile& p, const RowColumns& c, const std::filesystem::path& file,
                        std::size_t firstRowLength) {
    char magic[2] = {};
    if (std::FILE* f = std::fopen(file.c_str(), "rb")) {
        const std::size_t got = std::fread(magic, 1, 2, f);
        std::fclose(f);
        if (got == 2 && magic[0] == '\x1f' && magic[1] == '\x8b') return;
    }
    std::error_code ec;
    const std::uintmax_t bytes = std::filesystem::file_size(file, ec);
    if (ec) return;
    // Rows vary a little in length (names, positions, signs): a tenth more than the estimate.
    reserveRows(p, c, static_cast<std::size_t>(bytes / (firstRowLength + 1) * 11 / 10));
}

ProfileReading refusedReading(std::string refusal, ReadSummary summary) {
    ProfileReading reading;
    reading.refusal = std::move(refusal);
    reading.summary = std::move(summary);
    return reading;
}

ProfileReading finishedReading(Profile profile, ReadSummary summary, std::vector<std::string> warnings,
                               const std::filesystem::path& file, GenomeBuild build) {
    if (profile.size() == 0) {
        std::string why = "no SNP on chromosomes 1 to 22 or X";
        if (!summary.leftOut.empty() || summary.rowsWithoutPosition > 0) {
            putInGenomeOrder(profile, build, summary, warnings);
            for (std::size_t i = 1; i < summary.notes.size(); ++i) why += "; " + summary.notes[i];
        }
        return refusedReading(fileMessage(file, 0, why), std::move(summary));
    }
    if (profile.size() > kMaxProfileRows)
        return refusedReading(fileMessage(file, 0, "more than " + withThousands(kMaxProfileRows) + " SNPs"),
                              std::move(summary));
    putInGenomeOrder(profile, build, summary, warnings);
    if (profile.sample.empty()) profile.sample = file.stem().string();
    if (profile.source.empty()) profile.source = file.string();
    if (profile.arrays.empty()) profile.arrays.push_back({});
    ProfileReading reading;
    reading.profile = std::move(profile);
    reading.summary = std::move(summary);
    reading.warnings = std::move(warnings);
    return reading;
}

std::string fileMessage(const std::filesystem::path& file, std::size_t line, std::string_view why) {
    std::string text = file.string();
    if (line > 0) text += ", line " + std::to_string(line);
    return text + ": " + std::string(why);
}

} // namespace varn
