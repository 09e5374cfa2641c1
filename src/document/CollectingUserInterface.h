#pragma once

#include "UserInterface.h"

#include <string>

namespace varn {

// A user interface for work without a person: message texts are collected (one per line in
// messages), yes/no boxes answer No, and every chooser and dialog is cancelled. Tools that build
// files through the document (the demo installation) and the benchmarks use it.
class CollectingUserInterface : public UserInterface {
public:
    std::string messages;

    void messageBox(const std::string& text) override { messages += text + "\n"; }
    bool yesNoBox(const std::string& text) override {
        messages += text + "\n";
        return false;
    }
    std::optional<std::filesystem::path> openFile(const FileChooserOptions&) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveFile(const FileChooserOptions&) override { return std::nullopt; }
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

} // namespace varn
