#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace varn {

struct ProfileResult;
class UserInterface;

// The stored profile analyses (*.profile.gz, kept by `profile --store`) directly inside folder,
// in name order. Empty when there are none or the folder cannot be read.
std::vector<std::string> storedProfileFiles(const std::filesystem::path& folder);

// Every stored profile analysis of folder read back and handed to `each`; one that cannot be read
// is skipped after its reason is shown. `each` returning false ends the walk (false).
bool forEachStoredProfile(const std::filesystem::path& folder, UserInterface& ui,
                          const std::function<bool(const ProfileResult&)>& each);

} // namespace varn
