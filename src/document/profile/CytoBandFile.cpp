#include "document/profile/CytoBandFile.h"

#include "document/profile/ProfileFields.h"
#include "document/profile/ProfileRow.h"
#include "document/profile/TextStream.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace varn {

namespace {

bool parseBase(std::string_view field, int& base) {
    field = trimmed(field);
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), base);
    return error == std::errc() && end == field.data() + field.size() && base >= 0;
}

} // namespace

CytoBandReading readCytoBandFile(const std::filesystem::path& path) {
    CytoBandReading reading;
    TextStream in(path);
    if (!in.isOpen()) {
        reading.refusal = fileMessage(path, 0, "cannot be opened");
        return reading;
    }
    std::vector<CytoBand> bands;
    std::vector<std::string_view> fields;
    std::string_view line;
    while (in.next(line)) {
        if (line.empty() || line.starts_with('#')) continue;
        splitFields(line, '\t', fields);
        CytoBand band;
        std::string_view leftOut;
        if (fields.size() < 5 || !parseBase(fields[1], band.start) || !parseBase(fields[2], band.end) ||
            band.end < band.start) {
            reading.refusal =
                fileMessage(path, in.lineNumber(),
                            "not a band (a cytoBand line is chrom, chromStart, chromEnd, name, gieStain)");
            return reading;
        }
        band.chromosome = parseChromosome(fields[0], leftOut);
        if (band.chromosome == 0) continue;
        band.name = trimmed(fields[3]);
        band.stain = trimmed(fields[4]);
        bands.push_back(std::move(band));
    }
    if (!in.error().empty()) {
        reading.refusal = fileMessage(path, in.lineNumber(), in.error());
        return reading;
    }
    if (bands.empty()) {
        reading.refusal = fileMessage(path, 0, "no band on chromosomes 1 to 22 or X");
        return reading;
    }
    std::stable_sort(bands.begin(), bands.end(), [](const CytoBand& a, const CytoBand& b) {
        return a.chromosome != b.chromosome ? a.chromosome < b.chromosome : a.start < b.start;
    });
    reading.bands = std::move(bands);
    return reading;
}

std::optional<std::filesystem::path> findCytoBandFile(const std::filesystem::path& dataFolder,
                                                      GenomeBuild build) {
    const std::string own = std::string("cytoBand.") + genomeBuildName(build);
    for (const std::string& name :
         {own + ".txt", own + ".txt.gz", std::string("cytoBand.txt"), std::string("cytoBand.txt.gz")}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(dataFolder / name, ec)) return dataFolder / name;
    }
    return std::nullopt;
}

Centromere centromereOfBands(const std::vector<CytoBand>& bands, int chromosome) {
    Centromere c;
    for (const CytoBand& band : bands) {
        if (band.chromosome != chromosome || band.stain != "acen") continue;
        if (c.end == 0 || band.start < c.start) c.start = band.start;
        c.end = std::max(c.end, band.end);
    }
    return c;
}

} // namespace varn
