#pragma once

#include "document/profile/ProfileReading.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varn {

// The files that hold one sample per column (PennCNV's "<sample>.Log R Ratio", ASCAT's sample
// columns) choose their sample alike: options.sample picks one, a file of one sample needs none,
// and a file of several without it is refused with their list, as a sample the file does not
// hold is. Returns the index of the chosen sample in samples, or -1 with the refusal in why.
int chooseSample(const std::vector<std::string>& samples, const std::string& wanted,
                 const std::filesystem::path& file, std::size_t line, std::string& why);

} // namespace varn
