#include "document/profile/ProfileTableReader.h"

#include "document/profile/ProfileFields.h"
#include "document/profile/ProfileRow.h"
#include "document/profile/TextStream.h"

namespace varn {

ProfileReading readProfileTable(const std::filesystem::path& path, const ProfileOptions& options) {
    ReadSummary summary;
    summary.format = "a profile table";
    TextStream in(path);
    RowColumns c;
    char separator = '\t';
    if (std::string why = readHeader(in, path, c, separator); !why.empty())
        return refusedReading(why, summary);
    c.name = c.column("name");
    c.chromosome = c.column("chromosome");
    c.position = c.column("position");
    c.logRatio = c.column("logr");
    c.baf = c.column("baf");
    c.genotype = c.column("genotype");
    c.normalBaf = c.column("baf_normal");
    c.normalGenotype = c.column("genotype_normal");
    if (c.chromosome < 0 || c.position < 0 || c.logRatio < 0)
        return refusedReading(columnsNotFound(path, c, "a profile table needs chromosome, position and logr"),
                              summary);
    Profile profile;
    if (std::string why = readDataRows(in, path, separator, c, profile, summary); !why.empty())
        return refusedReading(why, summary);
    profile.sample = options.sample;
    return finishedReading(std::move(profile), std::move(summary), {}, path, options.build);
}

} // namespace varn
