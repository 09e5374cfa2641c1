#pragma once

#include <filesystem>

namespace varn {

struct ProfilePicture;
struct ProfileReport;

// The report of a profile's analysis as a PDF (A4 landscape), as the 50K report is laid out: page
// 1 the sample, the platform, the build and the solution line over the genome page with its
// B-allele fraction panel; then the record of the report's making and the table of the segments
// that are not 1+1; then a page for each chromosome the profile has SNPs on, with its rows of the
// table. Every page ends in the line naming the version, the sample, the fraction, the ploidy and
// the page. The pictures are drawn through the view's canvas, so they stay vectors. Written
// through the replacing writer; false when the file cannot be written.
bool writeProfileReport(const ProfilePicture& picture, const ProfileReport& report,
                        const std::filesystem::path& path);

} // namespace varn
