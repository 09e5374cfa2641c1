#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace varn {

// Whole-file reads and replacing writes for the text files of the program.

// Reads the whole file into bytes; false when it cannot be opened or read (a folder, a file
// without read permission).
bool readWholeFile(const std::filesystem::path& path, std::string& bytes);

// Writes bytes to a temporary name beside path and renames it over path only once everything
// was written and closed, so a failed write never destroys the file it replaces and never leaves
// a half-written one under the real name. False when the file cannot be created, written or put
// in place (a missing folder, a full disk).
bool replaceFileContents(const std::filesystem::path& path, std::string_view bytes);

} // namespace varn
