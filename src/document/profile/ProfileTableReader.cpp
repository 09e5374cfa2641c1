#include "document/profile/ProfileTableReader.h"

#include "document/profile/ProfileFields.h"
#include "document/profile/ProfileRow.h"
#include "document/profile/TextStream.h"

namespace varn {

ProfileReading readProfileTable(const std::filesystem::path& path, const ProfileOptions& options) {
    ReadSummary summary;
    summary.format = "a profile table";
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
    c.name = findColumn(fields, "name");
    c.chromosome = findColumn(fields, "chromosome");
    c.position = findColumn(fields, "position");
    c.logRatio = findColumn(fields, "logr");
    c.baf = findColumn(fields, "baf");
    c.genotype = findColumn(fields, "genotype");
    c.normalBaf = findColumn(fields, "baf_normal");
    c.normalGenotype = findColumn(fields, "genotype_normal");
    if (c.chromosome < 0 || c.position < 0 || c.logRatio < 0)
        return refusedReading(fileMessage(path, 1,
                                          "the columns needed are not all found (the header has " +
                                              listedNames(fields) +
                                              "); a profile table needs chromosome, "
                                              "position and logr"),
                              summary);
    Profile profile;
    while (in.next(line)) {
        if (line.empty()) continue;
        splitFields(line, separator, fields);
        if (std::string why = addRow(fields, c, profile, summary); !why.empty())
            return refusedReading(fileMessage(path, in.lineNumber(), why), summary);
    }
    if (!in.error().empty()) return refusedReading(fileMessage(path, in.lineNumber(), in.error()), summary);
    profile.sample = options.sample;
    return finishedReading(std::move(profile), std::move(summary), {}, path, options.build);
}

} // namespace varn
