// A pool's allele model travels with its pool file: read whenever a pool is loaded, written
// whenever one is saved, as <stem>.alleles beside it.
#include "CVARNDoc.h"

#include "AlleleModelFile.h"
#include "FileBytes.h"
#include "TextLines.h"
#include "UserInterface.h"

#include <system_error>

namespace varn {

void CVARNDoc::loadAlleleModelBeside(int t, const std::filesystem::path& poolPath) {
    alleleModel[t] = AlleleModel{};
    alleleModelProblem[t].clear();
    const std::filesystem::path file = alleleModelPathOf(poolPath);
    const std::string fileName = file.filename().string();
    std::error_code ec;
    // No file: the pool has no model, which the reason function says when it is asked for.
    if (!std::filesystem::exists(file, ec)) return;
    std::string text;
    if (!loadWholeFile(file, text)) {
        alleleModelProblem[t] = fileName + " cannot be read";
        return;
    }
    AlleleModel model;
    std::string reason;
    if (!parseAlleleModelFile(text, fileName, model, reason)) {
        alleleModelProblem[t] = reason;
        return;
    }
    reason = alleleModelMismatch(model, *this, t, fileName, poolPath.filename().string());
    if (!reason.empty()) {
        alleleModelProblem[t] = reason;
        return;
    }
    alleleModel[t] = std::move(model);
}

bool CVARNDoc::saveAlleleModelBeside(int t, const std::filesystem::path& poolPath) {
    // A pool without a model of its own leaves whatever lies beside its file: a model file that
    // does not belong to it is refused when the pool is loaded.
    if (!alleleModelUnavailableReason(*this, t).empty()) return true;
    const std::filesystem::path file = alleleModelPathOf(poolPath);
    if (!replaceFileContents(file, formatAlleleModelFile(alleleModel[t], poolPath.filename().string()))) {
        ui().messageBox(file.filename().string() + " cannot be written");
        return false;
    }
    ui().fileWritten("Saved", file);
    return true;
}

} // namespace varn
