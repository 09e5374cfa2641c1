#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace varn {

// The two temporary files look alike at the top (array type, row, name) and differ in their
// signal lines: an analysis against a pool keeps "signal<TAB>call" per record, a paired one
// "total<TAB>allele A<TAB>allele B<TAB>call" for the tumour and again for the normal.
enum class StoredAnalysisKind { Pool, Paired, Unknown };

// The kind the first signal line (the fourth line) shows.
StoredAnalysisKind storedAnalysisKind(std::string_view text);

// Why the file is not a stored analysis of the wanted kind, or (expectedArray 1 or 2) not one of
// that array, naming the file; nothing when it may be one.
std::optional<std::string> storedAnalysisRefusal(std::string_view text, const std::filesystem::path& path,
                                                 StoredAnalysisKind wanted, int expectedArray = 0);

} // namespace varn
