#include "support/SharedDemo.h"

#include <unistd.h>

#include <fstream>
#include <stdexcept>

namespace varn::test {

namespace fs = std::filesystem;

namespace {

// The folders an analysis writes into; every other entry of an installation is input.
constexpr const char* kOutputFolders[] = {"temporary files", "Self temporary files", "IGBfiles", "RawData"};

bool isOutputFolder(const std::string& name) {
    for (const char* folder : kOutputFolders)
        if (name == folder) return true;
    return false;
}

} // namespace

std::string buildStamp(const fs::path& file) {
    return std::to_string(fs::last_write_time(file).time_since_epoch().count());
}

const fs::path keptDemoInstallation(const fs::path& folder, const std::string& prefix, const std::string& cache,
                                    const std::function<bool(const fs::path&, std::string&)>& make) {
    const fs::path kept = folder / (prefix + cache);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        const bool earlierCache = name.rfind(prefix, 0) == 0 && name.rfind(prefix + cache, 0) != 0;
        if (earlierCache) fs::remove_all(entry.path(), ec);
    }
    if (fs::exists(kept / "VARN" / "complete", ec)) return kept / "VARN";
    // Made under a name of its own and renamed into place, so that test processes started
    // together never see half an installation; the first to finish wins.
    const fs::path staging = folder / (prefix + cache + "-staging-" + std::to_string(getpid()));
    fs::remove_all(staging, ec);
    fs::create_directories(staging / "VARN");
    std::string problem;
    if (!make(staging / "VARN", problem)) {
        fs::remove_all(staging, ec);
        throw std::runtime_error("the demo installation could not be made: " + problem);
    }
    std::ofstream(staging / "VARN" / "complete") << "made once for the tests\n";
    fs::rename(staging, kept, ec);
    if (ec) fs::remove_all(staging, ec);
    return kept / "VARN";
}

void linkDemoInputs(const fs::path& kept, const fs::path& root) {
    fs::create_directories(root);
    for (const auto& entry : fs::directory_iterator(kept)) {
        const std::string name = entry.path().filename().string();
        if (name == "complete" || name == "demo-report.txt") continue;
        if (isOutputFolder(name))
            fs::create_directories(root / name);
        else if (entry.is_directory())
            fs::create_directory_symlink(entry.path(), root / name);
        else
            fs::create_symlink(entry.path(), root / name);
    }
    for (const char* folder : kOutputFolders) fs::create_directories(root / folder);
    fs::create_directories(root.parent_path() / "VARN View");
}

} // namespace varn::test
