#include "CliUserInterface.h"

#include <ostream>

namespace varn::cli {

CliUserInterface::CliUserInterface(std::ostream& err) : err_(err) {}

void CliUserInterface::messageBox(const std::string& text) {
    // One box per line: line breaks inside a text are shown as the two characters \n.
    std::string line;
    for (char c : text) {
        if (c == '\n') line += "\\n";
        else line += c;
    }
    err_ << line << '\n';
    ++messageCount;
}

bool CliUserInterface::yesNoBox(const std::string& text) {
    messageBox(text);
    return false;
}

std::optional<std::filesystem::path> CliUserInterface::openFile(const FileDialogSpec&) {
    auto p = nextOpenFile;
    nextOpenFile.reset();
    return p;
}

std::optional<std::filesystem::path> CliUserInterface::saveFile(const FileDialogSpec&) {
    auto p = nextSaveFile;
    nextSaveFile.reset();
    return p;
}

DialogResult CliUserInterface::basicMode(CBasicMode&) { return DialogResult::Cancel; }
DialogResult CliUserInterface::sampleSelect(CSampleSelect&) { return DialogResult::Cancel; }
DialogResult CliUserInterface::selfSampleSelect(CSelfSampleSelect&) { return DialogResult::Cancel; }
DialogResult CliUserInterface::sampleTypeSelect(CSampleTypeSelect&) { return DialogResult::Cancel; }
DialogResult CliUserInterface::average(CAverage&) { return DialogResult::Cancel; }
DialogResult CliUserInterface::hmmParameter(CHMMParameter&) { return DialogResult::Cancel; }
DialogResult CliUserInterface::refSelect(CRefSelect&) { return DialogResult::Cancel; }
DialogResult CliUserInterface::baseSet(CBaseSet&) { return DialogResult::Cancel; }
DialogResult CliUserInterface::chSelect(CChSelectDlg&) { return DialogResult::Cancel; }

} // namespace varn::cli
