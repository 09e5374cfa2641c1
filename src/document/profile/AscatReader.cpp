#include "document/profile/AscatReader.h"

#include "document/profile/ProfileFields.h"
#include "document/profile/ProfileRow.h"
#include "document/profile/RowMatch.h"
#include "document/profile/SampleColumns.h"
#include "document/profile/TextStream.h"

#include <cmath>
#include <system_error>

namespace varn {

namespace {

std::size_t findNoCase(std::string_view text, std::string_view part) {
    for (std::size_t at = 0; at + part.size() <= text.size(); ++at) {
        bool same = true;
        for (std::size_t i = 0; same && i < part.size(); ++i)
            same = (text[at + i] | 0x20) == (part[i] | 0x20);
        if (same) return at;
    }
    return std::string_view::npos;
}

// One ASCAT file: the chosen sample's values in logRatio (whether they are log ratios or
// B-allele fractions), the SNP names, places and the file's samples in the summary.
ProfileReading readAscatFile(const std::filesystem::path& path, const ProfileOptions& options) {
    ReadSummary summary;
    summary.format = "an ASCAT LogR/BAF file";
    TextStream in(path);
    RowColumns c;
    char separator = '\t';
    if (std::string why = readHeader(in, path, c, separator); !why.empty())
        return refusedReading(why, summary);
    c.name = 0;
    c.chromosome = c.column("Chr") >= 0 ? c.column("Chr") : c.column("chrs");
    c.position = c.column("Position") >= 0 ? c.column("Position") : c.column("pos");
    if (!c.header[0].empty() || c.chromosome != 1 || c.position != 2)
        return refusedReading(fileMessage(path, 1,
                                          "the columns are not ASCAT's (the header has " +
                                              listedNames(c.header) +
                                              "); ASCAT's files begin with an empty name, Chr and Position"),
                              summary);
    summary.samples.assign(c.header.begin() + 3, c.header.end());
    std::string why;
    const int chosen = chooseSample(summary.samples, options.sample, path, 1, why);
    if (chosen < 0) return refusedReading(why, summary);
    c.logRatio = 3 + chosen;

    Profile profile;
    if (std::string rowsWhy = readDataRows(in, path, separator, c, profile, summary); !rowsWhy.empty())
        return refusedReading(rowsWhy, summary);
    profile.sample =
        !options.sample.empty() ? options.sample : summary.samples[static_cast<std::size_t>(chosen)];
    return finishedReading(std::move(profile), std::move(summary), {}, path, options.build);
}

} // namespace

bool isAscatBafName(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    return findNoCase(name, "BAF") != std::string::npos && findNoCase(name, "LogR") == std::string::npos;
}

std::filesystem::path ascatPartner(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    std::vector<std::string> candidates;
    if (const std::size_t at = findNoCase(name, "LogR"); at != std::string::npos) {
        candidates.push_back(std::string(name).replace(at, 4, "BAF"));
    } else if (const std::size_t baf = findNoCase(name, "BAF"); baf != std::string::npos) {
        for (const char* logR : {"LogR", "logR", "logr"})
            candidates.push_back(std::string(name).replace(baf, 3, logR));
    }
    for (const std::string& candidate : candidates) {
        std::error_code ec;
        const std::filesystem::path partner = file.parent_path() / candidate;
        if (std::filesystem::is_regular_file(partner, ec)) return partner;
    }
    return {};
}

ProfileReading readAscat(const std::filesystem::path& path, const ProfileOptions& options) {
    std::filesystem::path logRFile = path, bafFile = options.baf;
    if (bafFile.empty() && isAscatBafName(path)) {
        bafFile = path;
        logRFile = ascatPartner(path);
        if (logRFile.empty())
            return refusedReading(fileMessage(path, 0, "an ASCAT BAF file without its LogR file beside it"),
                                  {});
    } else if (bafFile.empty()) {
        bafFile = ascatPartner(path);
    }
    ProfileReading reading = readAscatFile(logRFile, options);
    if (!reading.profile || bafFile.empty()) return reading;
    const ProfileReading baf = readAscatFile(bafFile, options);
    if (!baf.profile) return refusedReading(baf.refusal, std::move(reading.summary));

    Profile& profile = *reading.profile;
    const std::vector<std::int32_t> match = matchRows(profile, *baf.profile);
    const std::size_t matched = matchedCount(match);
    const std::string share = withThousands(matched) + " of the LogR file's " +
                              withThousands(profile.size()) + " SNPs (" + shareText(matched, profile.size()) +
                              ")";
    if (2 * matched < profile.size())
        return refusedReading(fileMessage(bafFile, 0, "the BAF file holds only " + share),
                              std::move(reading.summary));
    if (matched < profile.size()) reading.warnings.push_back(bafFile.string() + " holds " + share);
    profile.baf = matchedColumn(match, baf.profile->logRatio, NAN);
    profile.source = logRFile.string() + " and " + bafFile.string();
    return reading;
}

} // namespace varn
