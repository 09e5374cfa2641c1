#pragma once

#include "document/UserInterface.h"

#include <iosfwd>

namespace varn::cli {

// Answers the program's questions from the command line's options. Every message box is one line
// on standard error, its text as the program words it. Dialogs that the chosen command does not
// answer are cancelled.
class CliUserInterface : public UserInterface {
public:
    explicit CliUserInterface(std::ostream& err);

    int messageCount = 0;

    void messageBox(const std::string& text) override;
    bool yesNoBox(const std::string& text) override;
    std::optional<std::filesystem::path> openFile(const FileDialogSpec& spec) override;
    std::optional<std::filesystem::path> saveFile(const FileDialogSpec& spec) override;
    DialogResult basicMode(CBasicMode& d) override;
    DialogResult sampleSelect(CSampleSelect& d) override;
    DialogResult selfSampleSelect(CSelfSampleSelect& d) override;
    DialogResult sampleTypeSelect(CSampleTypeSelect& d) override;
    DialogResult average(CAverage& d) override;
    DialogResult hmmParameter(CHMMParameter& d) override;
    DialogResult refSelect(CRefSelect& d) override;
    DialogResult baseSet(CBaseSet& d) override;
    DialogResult chSelect(CChSelectDlg& d) override;

    // Answers queued by the command before it runs a flow.
    std::optional<std::filesystem::path> nextOpenFile;
    std::optional<std::filesystem::path> nextSaveFile;

private:
    std::ostream& err_;
};

} // namespace varn::cli
