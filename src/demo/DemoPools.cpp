#include "DemoPools.h"

#include "document/CVARNDoc.h"
#include "document/UserInterface.h"

#include <cstdio>
#include <memory>

namespace varn::demo {

namespace {

// The generator runs without a person to ask: every message is collected, every dialog declined.
class CollectingUi : public UserInterface {
public:
    std::string messages;

    void messageBox(const std::string& text) override { messages += text + "\n"; }
    bool yesNoBox(const std::string& text) override {
        messages += text + "\n";
        return false;
    }
    std::optional<std::filesystem::path> openFile(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveFile(const FileDialogSpec&) override { return std::nullopt; }
    DialogResult basicMode(CBasicMode&) override { return DialogResult::Cancel; }
    DialogResult sampleSelect(CSampleSelect&) override { return DialogResult::Cancel; }
    DialogResult selfSampleSelect(CSelfSampleSelect&) override { return DialogResult::Cancel; }
    DialogResult sampleTypeSelect(CSampleTypeSelect&) override { return DialogResult::Cancel; }
    DialogResult average(CAverage&) override { return DialogResult::Cancel; }
    DialogResult hmmParameter(CHMMParameter&) override { return DialogResult::Cancel; }
    DialogResult refSelect(CRefSelect&) override { return DialogResult::Cancel; }
    DialogResult baseSet(CBaseSet&) override { return DialogResult::Cancel; }
    DialogResult chSelect(CChSelectDlg&) override { return DialogResult::Cancel; }
};

} // namespace

namespace {

bool buildPool(CVARNDoc& doc, CollectingUi& ui, int arrayType, const std::vector<std::string>& names,
               const std::filesystem::path& poolPath, std::string& problem) {
    const bool xba = arrayType == kXba;
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
        ++row;
    }
    doc.refCount[arrayType] = row;
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
    CollectingUi ui;
    auto doc = std::make_unique<CVARNDoc>(InstallRoot(root), ui);
    if (!ui.messages.empty()) {
        problem = "the annotation tables did not load: " + ui.messages;
        return false;
    }
    return buildPool(*doc, ui, kXba, names, xbaPool, problem) && buildPool(*doc, ui, kHind, names, hindPool, problem);
}

} // namespace varn::demo
