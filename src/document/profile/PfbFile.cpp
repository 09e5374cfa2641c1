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
    RowColumns c;
    char separator = '\t';
    if (std::string why = readHeader(in, path, c, separator); !why.empty())
        return refusedReading(why, summary);
    c.name = c.column("Name");
    c.chromosome = c.column("Chr");
    c.position = c.column("Position");
    c.baf = c.column("PFB");
    if (c.name < 0 || c.chromosome < 0 || c.position < 0 || c.baf < 0)
        return refusedReading(columnsNotFound(path, c, "a PFB file needs Name, Chr, Position and PFB"),
                              summary);
    Profile pfb;
    if (std::string why = readDataRows(in, path, separator, c, pfb, summary); !why.empty())
        return refusedReading(why, summary);
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
