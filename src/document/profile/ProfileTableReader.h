#pragma once

#include "document/profile/ProfileReading.h"

#include <filesystem>

namespace varn {

// A plain table with named columns, tab- or comma-separated, a header line first: "chromosome",
// "position" and "logr" (a base-2 log ratio), and where present "name", "baf", "genotype",
// "baf_normal" and "genotype_normal" (names in any case, columns in any order, other columns
// ignored). With the log ratio alone it is how array CGH comes in. The sample is options.sample,
// else the file's stem; the platform is Unknown.
ProfileReading readProfileTable(const std::filesystem::path& path, const ProfileOptions& options);

} // namespace varn
