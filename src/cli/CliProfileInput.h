#pragma once

#include "CliOptions.h"
#include "document/profile/ProfileReading.h"

#include <string>

namespace varn::cli {

// --normal, --format, --sample, --build and --pfb into the reading's options (--format illumina
// for a final report); false with the reason on a usage mistake.
bool readProfileReadOptions(const ParsedOptions& options, varn::ProfileOptions& read, std::string& error);

// Reads the profile and says on err what the reading noted and warned of, each line
// "varn-cli COMMAND: ..."; nothing, after its refusal there, when it is refused.
std::optional<Profile> readProfileFor(const std::filesystem::path& file, const varn::ProfileOptions& read,
                                      const std::string& command, std::ostream& err);

} // namespace varn::cli
