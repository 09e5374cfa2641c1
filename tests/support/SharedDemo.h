#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace varn::test {

// A demo installation made once and kept in `folder` under the name `cache`, for every later test
// process of the run (each test runs in a process of its own, and making the demo is the costliest
// step of most of them). `make` writes the installation into the root it is given and returns
// false with a problem on failure. Caches in `folder` starting with `prefix` under another name
// are from an earlier build and are removed. Returns the cached root.
const std::filesystem::path keptDemoInstallation(const std::filesystem::path& folder, const std::string& prefix,
                                                 const std::string& cache,
                                                 const std::function<bool(const std::filesystem::path&, std::string&)>& make);

// Gives `root` the kept installation's inputs as links and empty output folders of its own, and
// the "VARN View" folder beside it, so that tests never see each other's outputs.
void linkDemoInputs(const std::filesystem::path& kept, const std::filesystem::path& root);

// A name that changes whenever the file does: its modification time.
std::string buildStamp(const std::filesystem::path& file);

} // namespace varn::test
