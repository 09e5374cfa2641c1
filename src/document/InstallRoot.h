#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace varn {

// The program's files live under fixed Windows paths rooted at c:\VARN\ (and c:\VARN View\ for
// view files). On this system one installation root stands for c:\VARN\, and "VARN View" is the
// folder beside it. Every fixed path goes through map(), so the sub-folder names stay as written.
class InstallRoot {
public:
    explicit InstallRoot(std::filesystem::path root);

    // The root from an explicit option, else $VARN_ROOT, else ~/VARN.
    static InstallRoot fromOptionOrEnvironment(const std::optional<std::filesystem::path>& option);

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path viewRoot() const;

    // Maps a Windows path such as "c:\VARN\data\IDH3.txt" or "C:\VARN View\x.cng" (drive letter
    // and the VARN folders matched without regard to case, backslashes as separators).
    // A path that does not start with either folder is taken as relative to the root.
    std::filesystem::path map(std::string_view windowsPath) const;

private:
    std::filesystem::path root_;
};

} // namespace varn
