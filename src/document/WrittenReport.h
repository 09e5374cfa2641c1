#pragma once

#include <filesystem>
#include <string>

namespace varn {

class InstallRoot;

// The one line that confirms a written file: the verb and the path as the person knows it,
// relative to the installation root ("Stored temporary files/Tumor1X.temp"). View files live in
// the folder beside the root and read "../VARN View/Tumor1X.cng"; a file anywhere else (a pool
// saved elsewhere, a picture) keeps its absolute path. Separators are '/'.
std::string writtenReport(const std::string& verb, const std::filesystem::path& path, const InstallRoot& root);

// The path alone, as writtenReport shows it.
std::string shownPath(const std::filesystem::path& path, const InstallRoot& root);

} // namespace varn
