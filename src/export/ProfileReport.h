#pragma once

#include <limits>
#include <string>
#include <vector>

namespace varn {

struct ProfilePicture;
struct PictureSegment;

// What the PDF report of a profile's analysis says beside its pictures: the platform as the
// reader names it, the solution line (the fraction and the ploidy with their intervals, as
// solutionText words them in full, or the 50K report's sampleSummaryLine with the shares of the
// genome; empty when nothing was fitted), the record of its making
// (version, date, the files it was read from), and the fraction and ploidy of the solution in use
// for the foot of every page (NaN when nothing was fitted). The sample, the build, the segments
// and the pictures come from the ProfilePicture the report is drawn from.
struct ProfileReport {
    std::string platform;
    std::string solutionLine;
    std::vector<std::string> record;
    double tumourFraction = std::numeric_limits<double>::quiet_NaN();
    double ploidy = std::numeric_limits<double>::quiet_NaN();
};

// Page 1's lines under its title: the platform, the build and the number of SNPs, then the
// solution line.
std::vector<std::string> profileReportHeader(const ProfilePicture& picture, const ProfileReport& report);

// The segments the report's table lists: those decoded to anything but one copy of each parent.
std::vector<const PictureSegment*> changedProfileSegments(const ProfilePicture& picture);

// The table's column heads and one row of it; the mean log ratio in the profile's base.
std::vector<std::string> profileReportTableHead(const ProfilePicture& picture);
std::vector<std::string> profileReportTableRow(const PictureSegment& segment);

// The chromosomes the profile has SNPs on, in order: each gets a page.
std::vector<int> profileChromosomes(const ProfilePicture& picture);

// The line at the foot of every page, as the 50K report words it; without the fraction and the
// ploidy when nothing was fitted.
std::string profileReportFooter(const ProfilePicture& picture, const ProfileReport& report, int page,
                                int pages);

} // namespace varn
