#include "StoredAnalysisFiles.h"

#include "document/CVARNDoc.h"
#include "document/UserInterface.h"

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

bool forEachStoredAnalysis(CVARNDoc& doc, const std::string& progressLabel,
                           const std::function<bool(int t)>& each) {
    const std::filesystem::path folder = doc.fixedPath("c:\\VARN\\temporary files");
    const std::vector<std::string> names = storedAnalysisFiles(folder);
    if (names.empty()) {
        doc.ui().messageBox("error");
        return false;
    }
    const int total = static_cast<int>(names.size());
    for (int i = 0; i < total; ++i) {
        doc.ui().progress(progressLabel, i, total);
        if (doc.LoadNonSelfTempFile(folder / names[static_cast<std::size_t>(i)]) != 0) continue;
        const int t = doc.arrayType;
        doc.computePoolRatio(doc.regionStart[t], doc.regionEnd[t], doc.refSelected[t], doc.analysedRow[t], 0,
                             t);
        doc.computeLohScore(t);
        if (!each(t)) return false;
    }
    doc.ui().progress(progressLabel, total, total);
    return true;
}

} // namespace varn
