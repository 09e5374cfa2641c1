#include "CliUserInterface.h"

#include "view/CChSelectDlg.h"

#include "document/WrittenReport.h"

#include "commands/CAverage.h"
#include "commands/CBaseSet.h"
#include "commands/CRefSelect.h"
#include "document/SetupDialogs.h"
#include "view/CVARNView.h"

#include <algorithm>
#include <ostream>
#include <string_view>
#include <utility>

namespace varn::cli {

namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

bool isNoticeMessage(const std::string& text) {
    static constexpr std::string_view kNotices[] = {
        "Correct Xba reference data loaded!",
        "Correct Hind reference data loaded!",
        "Select Xba temp file",
        "Select Hind temp file",
        "Sort Xba references",
        "Sort Hind references",
        "The reference pool file to which new references are added should be loaded",
    };
    for (std::string_view notice : kNotices)
        if (text == notice) return true;
    // A warning about a file that was read although incomplete: the analysis goes on.
    if (startsWith(text, "Warning: ")) return true;
    // The information boxes of a region selection and the count of chosen references.
    if (startsWith(text, "From ") || startsWith(text, "Xba: From ")) return true;
    return text.find(" items selected \n as references") != std::string::npos;
}

CliUserInterface::CliUserInterface(std::ostream& err, bool showProgress)
    : err_(err), showProgress_(showProgress) {}

void CliUserInterface::confirmWritesOn(std::ostream& out, InstallRoot root) {
    written_ = &out;
    root_ = std::move(root);
}

void CliUserInterface::fileWritten(const std::string& verb, const std::filesystem::path& path) {
    if (written_ == nullptr || !root_) return;
    closeProgressLine();
    *written_ << writtenReport(verb, path, *root_) << '\n';
    written_->flush();
}

CliUserInterface::~CliUserInterface() {
    closeProgressLine();
}

void CliUserInterface::closeProgressLine() {
    if (!progressLineOpen_) return;
    err_ << '\n';
    progressLineOpen_ = false;
}

void CliUserInterface::messageBox(const std::string& text) {
    closeProgressLine();
    // One box per line: line breaks inside a text are shown as the two characters \n.
    std::string line;
    for (char c : text) {
        if (c == '\n')
            line += "\\n";
        else
            line += c;
    }
    err_ << line << '\n';
    ++messageCount;
    lastMessage = text;
    if (!isNoticeMessage(text)) failed = true;
}

// No command of the tool is asked a yes/no question; should one come, it is shown and declined.
bool CliUserInterface::yesNoBox(const std::string& text) {
    messageBox(text);
    return false;
}

std::optional<std::filesystem::path> CliUserInterface::openFile(const FileChooserOptions&) {
    if (openFiles.empty()) return std::nullopt;
    auto p = openFiles.front();
    openFiles.pop_front();
    return p;
}

std::optional<std::filesystem::path> CliUserInterface::saveFile(const FileChooserOptions&) {
    if (saveFiles.empty()) return std::nullopt;
    auto p = saveFiles.front();
    saveFiles.pop_front();
    return p;
}

DialogResult CliUserInterface::basicMode(CBasicMode& d) {
    if (!basicModeAnswer) return DialogResult::Cancel;
    d.mode = basicModeAnswer->mode;
    d.arrayChoice = basicModeAnswer->arrayChoice;
    return DialogResult::Ok;
}

// The dialogs show and store a chosen file's name without its extension.
DialogResult CliUserInterface::sampleSelect(CSampleSelect& d) {
    if (!sampleAnswer) return DialogResult::Cancel;
    d.sampleChoice = 1;
    d.signalPath = sampleAnswer->signal.string();
    d.signalName = sampleAnswer->signal.stem().string();
    d.snpPath = sampleAnswer->calls.string();
    d.snpName = sampleAnswer->calls.stem().string();
    return DialogResult::Ok;
}

DialogResult CliUserInterface::selfSampleSelect(CSelfSampleSelect& d) {
    if (!pairedAnswer) return DialogResult::Cancel;
    d.sampleChoice = 1;
    d.tumorSignalPath = pairedAnswer->tumorSignal.string();
    d.tumorSignalName = pairedAnswer->tumorSignal.stem().string();
    d.tumorSnpPath = pairedAnswer->tumorCalls.string();
    d.tumorSnpName = pairedAnswer->tumorCalls.stem().string();
    d.normalSignalPath = pairedAnswer->normalSignal.string();
    d.normalSignalName = pairedAnswer->normalSignal.stem().string();
    d.normalSnpPath = pairedAnswer->normalCalls.string();
    d.normalSnpName = pairedAnswer->normalCalls.stem().string();
    return DialogResult::Ok;
}

DialogResult CliUserInterface::sampleTypeSelect(CSampleTypeSelect& d) {
    if (!sampleTypeAnswer) return DialogResult::Cancel;
    d.sampleType = *sampleTypeAnswer;
    if (d.onOk(*this)) return DialogResult::Ok;
    failed = true;
    return DialogResult::Cancel;
}

DialogResult CliUserInterface::average(CAverage& d) {
    if (!averageAnswer) return DialogResult::Cancel;
    d.trimExtremes = averageAnswer->allData ? 2 : 1;
    d.averageText = std::to_string(averageAnswer->number);
    if (d.onOk(*this)) return DialogResult::Ok;
    failed = true;
    return DialogResult::Cancel;
}

DialogResult CliUserInterface::hmmParameter(CHMMParameter&) {
    return DialogResult::Cancel;
}

// "Sample Load" lists the references by rank; the items are ticked as the option says.
DialogResult CliUserInterface::refSelect(CRefSelect& d) {
    if (!referenceAnswer || view == nullptr) return DialogResult::Cancel;
    d.onSampleLoad();
    for (int s = 1; s < d.entryCount && static_cast<std::size_t>(s) <= d.listChecked.size(); ++s) {
        const int row = view->rankOrder[s];
        bool tick = true;
        if (referenceAnswer->kind == ReferenceChoice::Best) tick = s <= referenceAnswer->best;
        if (referenceAnswer->kind == ReferenceChoice::Rows) {
            const auto& rows = referenceAnswer->rows;
            tick = std::find(rows.begin(), rows.end(), row) != rows.end();
        }
        d.listChecked[static_cast<std::size_t>(s) - 1] = tick;
    }
    if (d.onOk(*this)) return DialogResult::Ok;
    failed = true;
    return DialogResult::Cancel;
}

DialogResult CliUserInterface::baseSet(CBaseSet& d) {
    if (!baseCopyAnswer) return DialogResult::Cancel;
    d.n = *baseCopyAnswer;
    if (d.onOk(*this)) return DialogResult::Ok;
    failed = true;
    return DialogResult::Cancel;
}

DialogResult CliUserInterface::chSelect(CChSelectDlg& d) {
    if (!chromosomeAnswer) return DialogResult::Cancel;
    d.checked = *chromosomeAnswer;
    d.onOk();
    return DialogResult::Ok;
}

// Only on a terminal: a redirected standard error carries the message boxes alone, one per line.
void CliUserInterface::progress(const std::string& what, int done, int total) {
    if (!showProgress_) return;
    err_ << '\r' << what << ' ' << done << '/' << total;
    progressLineOpen_ = true;
    if (done >= total) closeProgressLine();
    err_.flush();
}

} // namespace varn::cli
