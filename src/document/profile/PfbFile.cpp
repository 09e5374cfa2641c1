#include "document/profile/PfbFile.h"

#include "document/profile/ProfileFields.h"
#include "document/profile/ProfileRow.h"
#include "document/profile/RowMatch.h"
#include "document/profile/TextStream.h"

#include <cmath>

namespace varn {

ProfileReading readPfb(const std::filesystem::path& path, GenomeBuild build) {
    ReadSummary summary;
    summary.format = "a PennCNV PFB file";
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
    for (std::string_view field : fields) c.header.emplace_back(trimmed(field));
    c.name = findColumn(fields, "Name");
    c.chromosome = findColumn(fields, "Chr");
    c.position = findColumn(fields, "Position");
    c.baf = findColumn(fields, "PFB");
    if (c.name < 0 || c.chromosome < 0 || c.position < 0 || c.baf < 0)
        return refusedReading(fileMessage(path, 1,
                                          "the columns needed are not all found (the header has " +
                                              listedNames(fields) +
                                              "); a PFB file needs Name, Chr, Position and PFB"),
                              summary);
    Profile pfb;
    while (in.next(line)) {
        if (line.empty()) continue;
        splitFields(line, separator, fields);
        if (std::string why = addRow(fields, c, pfb, summary); !why.empty())
            return refusedReading(fileMessage(path, in.lineNumber(), why), summary);
    }
    if (!in.error().empty()) return refusedReading(fileMessage(path, in.lineNumber(), in.error()), summary);
    for (float& f : pfb.baf)
        if (!(f >= 0.0f && f <= 1.0f)) f = NAN;
    return finishedReading(std::move(pfb), std::move(summary), {}, path, build);
}

std::string joinPopulationFrequencies(Profile& profile, const Profile& pfb,
                                      std::vector<std::string>& warnings) {
    const std::vector<std::int32_t> match = matchRows(profile, pfb);
    const std::size_t matched = matchedCount(match);
    const std::string share = withThousands(matched) + " of the profile's " + withThousands(profile.size()) +
                              " SNPs (" + shareText(matched, profile.size()) + ")";
    if (2 * matched < profile.size()) return "the PFB file " + pfb.source + " lists only " + share;
    if (matched < profile.size()) warnings.push_back("the PFB file " + pfb.source + " lists " + share);
    profile.heterozygosity = matchedColumn(match, pfb.baf, NAN);
    for (float& f : profile.heterozygosity) f = 2.0f * f * (1.0f - f);
    return {};
}

} // namespace varn
