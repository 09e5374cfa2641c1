#pragma once

#include "AlleleFiles.h"
#include "ProfileReport.h"
#include "Segments.h"
#include "document/profile/CytoBandFile.h"
#include "view/profile/ProfilePicture.h"

#include <string>
#include <vector>

namespace varn {

class InstallRoot;
class UserInterface;
struct ProfileResult;

// The outputs of a profile's analysis, as the 50K analysis writes its own: the segments with their
// allele columns (the table's log ratio columns from the profile's log ratio as read) and ASCAT's
// two files (LogR as read in base 2, the B-allele fraction the analysis read, clipped to 0..1;
// every SNP with both), each SNP named by its name in the file or, where it has none,
// "SNP_<n>" by its place in the profile.
SegmentedSample profileSegmentedSample(const ProfileResult& result);
AscatFiles profileAscatFiles(const ProfileResult& result);

// The pictures' data: the profile (not copied: the result outlives the picture), its decoding,
// its segments and the bands given.
ProfilePicture profilePictureOf(const ProfileResult& result, std::vector<CytoBand> cytobands);
ProfileReport profileReportOf(const ProfileResult& result, std::vector<std::string> record);

// segments/<sample>.seg, .segments.tsv and .bed, and alleles/<sample>.LogR.txt and .BAF.txt
// under the root (the folders made when missing), each confirmed through ui; false after the
// program's message ("Segment file cannot be written", "Allele file cannot be written").
bool writeProfileSegmentFiles(const InstallRoot& root, const ProfileResult& result, UserInterface& ui);
bool writeProfileAscatFiles(const InstallRoot& root, const ProfileResult& result, UserInterface& ui);

} // namespace varn
