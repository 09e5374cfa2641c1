#pragma once

#include "document/profile/ProfileReading.h"

#include <filesystem>
#include <string>

namespace varn::test {

// Writes bytes to path, gzipped when gzip is set.
void writeProfileFile(const std::filesystem::path& path, const std::string& bytes, bool gzip = false);

// The reading's refusal or, when it read, its profile's rows as "chr:pos name logr baf genotype"
// lines (values to three decimals, "nan" for missing, genotype codes as digits), for comparing
// whole readings against a table of cases at a glance.
std::string rowsOf(const ProfileReading& reading);

} // namespace varn::test
