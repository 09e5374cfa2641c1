#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace varn {

class CVARNDoc;

// The names of the stored analyses (*.temp, in any case) directly inside folder, in name order,
// so that when two files name the same sample the same one wins on every run. Empty when the
// folder cannot be read.
std::vector<std::string> storedAnalysisFiles(const std::filesystem::path& folder);

// The batch exports' walk: every stored analysis of "temporary files/" is loaded, its profile
// recomputed against the stored references (denominator row 0, no averaging) and its LOH score
// scored, then handed to `each` with its array type. A file that fails to load is skipped after
// the reader's message; `each` returning false ends the walk. With no stored analysis at all the
// message "error" is shown and false returned.
bool forEachStoredAnalysis(CVARNDoc& doc, const std::string& progressLabel,
                           const std::function<bool(int t)>& each);

} // namespace varn
