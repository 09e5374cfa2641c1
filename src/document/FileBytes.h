#pragma once

#include <filesystem>
#include <string_view>

namespace varn {

// Replacing writes for the text files of the program.

// Writes bytes to a temporary name beside path and renames it over path only once everything
// was written and closed, so a failed write never destroys the file it replaces and never leaves
// a half-written one under the real name. False when the file cannot be created, written or put
// in place (a missing folder, a full disk).
bool replaceFileContents(const std::filesystem::path& path, std::string_view bytes);

} // namespace varn
