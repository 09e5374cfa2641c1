#include "ProfileReport.h"

#include "SampleReport.h"
#include "document/profile/Profile.h"
#include "document/profile/ProfileFields.h"
#include "view/profile/ProfilePicture.h"

#include <cmath>
#include <cstdio>

namespace varn {

namespace {

std::string copiesText(const PictureSegment& s) {
    if (s.totalCopies < 0) return "-";
    if (s.minorCopies < 0) return std::to_string(s.totalCopies);
    return std::to_string(s.totalCopies - s.minorCopies) + "+" + std::to_string(s.minorCopies);
}

} // namespace

std::vector<std::string> profileReportHeader(const ProfilePicture& picture, const ProfileReport& report) {
    const std::size_t snps = picture.profile != nullptr ? picture.profile->size() : 0;
    std::vector<std::string> lines = {
        "Platform: " + (report.platform.empty() ? std::string("not named") : report.platform),
        std::string("Genome build: ") + genomeBuildName(picture.build), "SNPs: " + withThousands(snps)};
    if (!report.solutionLine.empty()) lines.push_back(report.solutionLine);
    return lines;
}

std::vector<const PictureSegment*> changedProfileSegments(const ProfilePicture& picture) {
    std::vector<const PictureSegment*> changed;
    for (const PictureSegment& s : picture.segments)
        if (s.totalCopies >= 0 && (s.totalCopies != 2 || s.minorCopies != 1)) changed.push_back(&s);
    return changed;
}

std::vector<std::string> profileReportTableHead(const ProfilePicture& picture) {
    const bool natural = picture.profile != nullptr && picture.profile->logBase == LogBase::Natural;
    return {"chrom", "start", "end", "SNPs", natural ? "mean ln ratio" : "mean log2 ratio", "copies", "LOH"};
}

std::vector<std::string> profileReportTableRow(const PictureSegment& s) {
    char mean[32];
    std::snprintf(mean, sizeof mean, "%.3f", s.meanLogRatio);
    return {s.chromosome == 23 ? std::string("X") : std::to_string(s.chromosome),
            std::to_string(s.start),
            std::to_string(s.end),
            std::to_string(s.markers),
            std::isfinite(s.meanLogRatio) ? std::string(mean) : std::string("-"),
            copiesText(s),
            s.loh ? "yes" : "no"};
}

std::vector<int> profileChromosomes(const ProfilePicture& picture) {
    std::vector<int> chromosomes;
    if (picture.profile == nullptr) return chromosomes;
    bool seen[24] = {};
    for (std::uint8_t c : picture.profile->chromosome)
        if (c >= 1 && c <= 23) seen[c] = true;
    for (int c = 1; c <= 23; ++c)
        if (seen[c]) chromosomes.push_back(c);
    return chromosomes;
}

std::string profileReportFooter(const ProfilePicture& picture, const ProfileReport& report, int page,
                                int pages) {
    return reportFooterLine(picture.sample, report.tumourFraction, report.ploidy, true, page, pages);
}

} // namespace varn
