#include "StoredAnalysisFiles.h"

#include <algorithm>
#include <cctype>

namespace varn {

std::vector<std::string> storedAnalysisFiles(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() < 5 || it->is_directory(ec)) continue;
        std::string ext = name.substr(name.size() - 5);
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        if (ext == ".temp") names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace varn
