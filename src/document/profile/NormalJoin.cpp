#include "document/profile/NormalJoin.h"

#include "document/DocumentLimits.h"
#include "document/profile/Profile.h"
#include "document/profile/ProfileFields.h"
#include "document/profile/RowMatch.h"

#include <cmath>

namespace varn {

std::string joinNormal(Profile& tumour, const Profile& normal, std::vector<std::string>& warnings) {
    if (normal.baf.empty() && normal.genotype.empty())
        return "the normal " + normal.source + " has neither B-allele fractions nor genotypes";
    const std::vector<std::int32_t> match = matchRows(tumour, normal);
    const std::size_t matched = matchedCount(match);
    const std::string share = withThousands(matched) + " of the tumour's " + withThousands(tumour.size()) +
                              " SNPs (" + shareText(matched, tumour.size()) + ")";
    if (2 * matched < tumour.size())
        return "the normal " + normal.source + " matches only " + share +
               ": is it of another array or build?";
    if (matched < tumour.size()) warnings.push_back("the normal " + normal.source + " matches " + share);
    if (!normal.baf.empty()) tumour.normalBaf = matchedColumn(match, normal.baf, NAN);
    if (!normal.genotype.empty())
        tumour.normalGenotype = matchedColumn(match, normal.genotype, static_cast<std::int8_t>(kNoCall));
    if (!normal.logRatio.empty()) tumour.normalLogRatio = matchedColumn(match, normal.logRatio, NAN);
    return {};
}

} // namespace varn
