#include "document/profile/PennCnvReader.h"

#include "document/profile/ProfileFields.h"
#include "document/profile/ProfileRow.h"
#include "document/profile/SampleColumns.h"
#include "document/profile/TextStream.h"

namespace varn {

namespace {

constexpr std::string_view kLogRatio = "Log R Ratio";

// "S1.Log R Ratio" -> "S1"; "Log R Ratio" -> "". False for any other column.
bool sampleOfLogRatioColumn(std::string_view column, std::string& sample) {
    if (!column.ends_with(kLogRatio)) return false;
    column.remove_suffix(kLogRatio.size());
    if (!column.empty() && column.back() != '.') return false;
    if (!column.empty()) column.remove_suffix(1);
    sample = column;
    return true;
}

int sampleColumn(const std::vector<std::string_view>& fields, const std::string& sample, const char* what) {
    return findColumn(fields, sample.empty() ? std::string(what) : sample + "." + what);
}

Platform platformOfNames(const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size() && i < 1000; ++i) {
        const std::string& n = names[i];
        if (n.starts_with("SNP_A-") || n.starts_with("AFFX-") || n.starts_with("CN_"))
            return Platform::AffymetrixSnp6;
    }
    return Platform::Illumina;
}

} // namespace

ProfileReading readPennCnv(const std::filesystem::path& path, const ProfileOptions& options) {
    ReadSummary summary;
    summary.format = "a PennCNV signal file";
    TextStream in(path);
    if (!in.isOpen()) return refusedReading(fileMessage(path, 0, "cannot be opened"), summary);
    std::string_view line;
    if (!in.next(line)) {
        const std::string why = in.error().empty() ? "the file is empty" : in.error();
        return refusedReading(fileMessage(path, in.lineNumber(), why), summary);
    }
    const char separator = separatorOf(line);
    std::vector<std::string_view> fields;
    splitFields(line, separator, fields);
    RowColumns c;
    for (std::string_view field : fields) {
        c.header.emplace_back(trimmed(field));
        std::string sample;
        if (sampleOfLogRatioColumn(c.header.back(), sample)) summary.samples.push_back(sample);
    }
    c.name = findColumn(fields, "Name");
    c.chromosome = findColumn(fields, "Chr");
    c.position = findColumn(fields, "Position");
    if (c.name < 0 || c.chromosome < 0 || c.position < 0 || summary.samples.empty())
        return refusedReading(fileMessage(path, 1,
                                          "the columns needed are not all found (the header has " +
                                              listedNames(fields) +
                                              "); a PennCNV signal file needs Name, Chr, Position and "
                                              "<sample>.Log R Ratio"),
                              summary);
    std::string why;
    const int chosen = chooseSample(summary.samples, options.sample, path, 1, why);
    if (chosen < 0) return refusedReading(why, summary);
    const std::string& sample = summary.samples[static_cast<std::size_t>(chosen)];
    c.logRatio = sampleColumn(fields, sample, "Log R Ratio");
    c.baf = sampleColumn(fields, sample, "B Allele Freq");
    c.genotype = sampleColumn(fields, sample, "GType");

    Profile profile;
    while (in.next(line)) {
        if (line.empty()) continue;
        splitFields(line, separator, fields);
        if (std::string rowWhy = addRow(fields, c, profile, summary); !rowWhy.empty())
            return refusedReading(fileMessage(path, in.lineNumber(), rowWhy), summary);
    }
    if (!in.error().empty()) return refusedReading(fileMessage(path, in.lineNumber(), in.error()), summary);
    profile.sample = !options.sample.empty() ? options.sample : sample;
    profile.arrays.push_back({{}, platformOfNames(profile.name)});
    return finishedReading(std::move(profile), std::move(summary), {}, path, options.build);
}

} // namespace varn
