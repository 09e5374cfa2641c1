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

int sampleColumn(const RowColumns& c, const std::string& sample, const char* what) {
    return c.column(sample.empty() ? std::string(what) : sample + "." + what);
}

Platform platformOfNames(const SnpNames& names) {
    for (std::size_t i = 0; i < names.size() && i < 1000; ++i) {
        const std::string_view n = names[i];
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
    RowColumns c;
    char separator = '\t';
    if (std::string why = readHeader(in, path, c, separator); !why.empty())
        return refusedReading(why, summary);
    for (const std::string& column : c.header)
        if (std::string sample; sampleOfLogRatioColumn(column, sample)) summary.samples.push_back(sample);
    c.name = c.column("Name");
    c.chromosome = c.column("Chr");
    c.position = c.column("Position");
    if (c.name < 0 || c.chromosome < 0 || c.position < 0 || summary.samples.empty())
        return refusedReading(columnsNotFound(path, c,
                                              "a PennCNV signal file needs Name, Chr, Position and "
                                              "<sample>.Log R Ratio"),
                              summary);
    std::string why;
    const int chosen = chooseSample(summary.samples, options.sample, path, 1, why);
    if (chosen < 0) return refusedReading(why, summary);
    const std::string& sample = summary.samples[static_cast<std::size_t>(chosen)];
    c.logRatio = sampleColumn(c, sample, "Log R Ratio");
    c.baf = sampleColumn(c, sample, "B Allele Freq");
    c.genotype = sampleColumn(c, sample, "GType");

    Profile profile;
    if (std::string rowsWhy = readDataRows(in, path, separator, c, profile, summary); !rowsWhy.empty())
        return refusedReading(rowsWhy, summary);
    profile.sample = !options.sample.empty() ? options.sample : sample;
    profile.arrays.push_back({{}, platformOfNames(profile.name)});
    return finishedReading(std::move(profile), std::move(summary), {}, path, options.build);
}

} // namespace varn
