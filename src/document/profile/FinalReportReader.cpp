#include "document/profile/FinalReportReader.h"

#include "document/profile/ProfileFields.h"
#include "document/profile/ProfileRow.h"
#include "document/profile/RowBlocks.h"
#include "document/profile/TextStream.h"

#include <algorithm>
#include <cstdlib>

namespace varn {

namespace {

// A section line such as "[Data]" or "[Data],,,," (a comma-separated report pads every line to the
// table's width).
bool isSection(std::string_view line, std::string_view name) {
    line = trimmed(line);
    while (!line.empty() && (line.back() == ',' || line.back() == '\t')) line.remove_suffix(1);
    return line == name;
}

// The value of a header line such as "Content<sep><sep>GSA-24v3-0_A1.bpm" or "Num SNPs<sep>654027"
// (GenomeStudio may put an empty field between the key and its value); empty for another key.
std::string headerValue(std::string_view line, std::string_view key) {
    std::vector<std::string_view> fields;
    splitFields(line, separatorOf(line), fields);
    if (fields.size() < 2 || trimmed(fields[0]) != key) return {};
    std::string value;
    for (std::size_t i = 1; i < fields.size() && value.empty(); ++i) value = trimmed(fields[i]);
    return value;
}

std::string missingColumns(const std::vector<std::string_view>& header, const RowColumns& c) {
    std::string missing;
    auto need = [&](int column, const char* name) {
        if (column >= 0) return;
        missing += missing.empty() ? "" : ", ";
        missing += name;
    };
    need(c.name, "SNP Name");
    need(c.chromosome, "Chr");
    need(c.position, "Position");
    need(c.logRatio, "Log R Ratio");
    if (missing.empty()) return {};
    return "the columns " + missing + " are not found (the header has " + listedNames(header) +
           "); a final report needs SNP Name, Chr, Position and Log R Ratio";
}

} // namespace

ProfileReading readFinalReport(const std::filesystem::path& path, const ProfileOptions& options) {
    ReadSummary summary;
    summary.format = "an Illumina final report";
    TextStream in(path);
    if (!in.isOpen()) return refusedReading(fileMessage(path, 0, "cannot be opened"), summary);

    Profile profile;
    profile.arrays.push_back({{}, Platform::Illumina});
    std::string_view line;
    bool data = false;
    std::size_t snpsPerSample = 0;
    while (!data && in.next(line)) {
        if (isSection(line, "[Data]")) {
            data = true;
        } else if (std::string manifest = headerValue(line, "Content"); !manifest.empty()) {
            if (manifest.ends_with(".bpm")) manifest.resize(manifest.size() - 4);
            profile.arrays[0].name = manifest;
        } else if (std::string count = headerValue(line, "Num SNPs"); !count.empty()) {
            snpsPerSample = std::strtoul(count.c_str(), nullptr, 10);
        }
    }
    if (!data) {
        if (!in.error().empty())
            return refusedReading(fileMessage(path, in.lineNumber(), in.error()), summary);
        return refusedReading(fileMessage(path, 0, "no [Data] section: not a whole final report"), summary);
    }
    if (!in.next(line))
        return refusedReading(fileMessage(path, in.lineNumber(), "no column names after [Data]"), summary);

    const char separator = separatorOf(line);
    std::vector<std::string_view> fields;
    splitFields(line, separator, fields);
    RowColumns c;
    for (std::string_view field : fields) c.header.emplace_back(trimmed(field));
    c.name = findColumn(fields, "SNP Name");
    c.chromosome = findColumn(fields, "Chr");
    c.position = findColumn(fields, "Position");
    c.logRatio = findColumn(fields, "Log R Ratio");
    c.baf = findColumn(fields, "B Allele Freq");
    c.genotype = findColumn(fields, "GType");
    if (c.genotype < 0) {
        c.allele1 = findColumn(fields, "Allele1 - AB");
        c.allele2 = findColumn(fields, "Allele2 - AB");
        if (c.allele1 < 0 || c.allele2 < 0) c.allele1 = c.allele2 = -1;
    }
    const int sampleColumn = findColumn(fields, "Sample ID");
    if (std::string why = missingColumns(fields, c); !why.empty())
        return refusedReading(fileMessage(path, in.lineNumber(), why), summary);
    if (snpsPerSample > 0) reserveRows(profile, c, snpsPerSample);

    SampleRows samples;
    samples.column = sampleColumn;
    samples.chosen = options.sample;
    const std::string why = readRowBlocks(in, path, separator, c, samples, profile, summary);
    summary.samples = std::move(samples.samples);
    if (!why.empty()) return refusedReading(why, summary);

    if (options.sample.empty() && summary.samples.size() > 1)
        return refusedReading(fileMessage(path, 0,
                                          "the report holds " + std::to_string(summary.samples.size()) +
                                              " samples (" + listedNames(summary.samples) +
                                              "): name the one to read"),
                              summary);
    if (!options.sample.empty() && sampleColumn >= 0 &&
        std::find(summary.samples.begin(), summary.samples.end(), options.sample) == summary.samples.end())
        return refusedReading(fileMessage(path, 0,
                                          "no sample \"" + options.sample + "\" in the report; it holds " +
                                              listedNames(summary.samples)),
                              summary);
    profile.sample = !options.sample.empty()   ? options.sample
                     : summary.samples.empty() ? std::string()
                                               : summary.samples[0];
    return finishedReading(std::move(profile), std::move(summary), {}, path, options.build);
}

} // namespace varn
