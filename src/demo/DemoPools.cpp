#include "DemoPools.h"

#include "document/CVARNDoc.h"
#include "document/CollectingUserInterface.h"
#include "engine/alleles/PoolAlleleModel.h"

#include <cstdio>
#include <memory>

namespace varn::demo {

// The generator runs without a person to ask: every message is collected, every dialog declined.
namespace {

bool buildPool(CVARNDoc& doc, CollectingUserInterface& ui, int arrayType, const std::vector<std::string>& names,
               const std::filesystem::path& poolPath, std::string& problem) {
    const bool xba = arrayType == kXba;
    ReferenceAlleles alleles = startReferenceAlleles(doc, arrayType);
    int row = 1;
    for (const std::string& name : names) {
        char* slot = doc.poolSampleName[static_cast<std::size_t>(arrayType)][row];
        std::snprintf(slot, kNameSize, "%s", name.c_str());
        char fixed[96];
        std::snprintf(fixed, sizeof fixed, xba ? "c:\\VARN\\sampledataX\\%sX.txt" : "c:\\VARN\\sampledataH\\%sH.txt",
                      slot);
        if (doc.ReadSignalFile(arrayType, doc.fixedPath(fixed), row, 0) != 0 || !ui.messages.empty()) {
            problem = "reading " + name + ": " + ui.messages;
            return false;
        }
        collectReferenceAlleles(alleles, doc, doc.fixedPath(fixed));
        ++row;
    }
    doc.refCount[arrayType] = row;
    learnPoolAlleleModel(doc, arrayType, alleles);
    doc.arrayType = arrayType;
    if (!doc.OnSaveDocument(poolPath)) {
        problem = "writing " + poolPath.string() + ": " + ui.messages;
        return false;
    }
    return true;
}

} // namespace

bool writeDemoPools(const std::filesystem::path& root, const std::vector<std::string>& names,
                    const std::filesystem::path& xbaPool, const std::filesystem::path& hindPool,
                    std::string& problem) {
    CollectingUserInterface ui;
    auto doc = std::make_unique<CVARNDoc>(InstallRoot(root), ui);
    if (!ui.messages.empty()) {
        problem = "the annotation tables did not load: " + ui.messages;
        return false;
    }
    return buildPool(*doc, ui, kXba, names, xbaPool, problem) && buildPool(*doc, ui, kHind, names, hindPool, problem);
}

} // namespace varn::demo
