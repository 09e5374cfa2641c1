#include "StoredProfileWalk.h"

#include "StoredProfileFile.h"
#include "document/UserInterface.h"
#include "engine/analysis/ProfileResult.h"

#include <algorithm>

namespace varn {

std::vector<std::string> storedProfileFiles(const std::filesystem::path& folder) {
    constexpr std::string_view kEnding = ".profile.gz";
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > kEnding.size() && name.ends_with(kEnding) && !it->is_directory(ec)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool forEachStoredProfile(const std::filesystem::path& folder, UserInterface& ui,
                          const std::function<bool(const ProfileResult&)>& each) {
    for (const std::string& name : storedProfileFiles(folder)) {
        ProfileResult result;
        std::string error;
        if (!readStoredProfile(folder / name, result, error)) {
            ui.messageBox(error);
            continue;
        }
        if (!each(result)) return false;
    }
    return true;
}

} // namespace varn
