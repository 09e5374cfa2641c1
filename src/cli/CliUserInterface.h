#pragma once

#include "document/InstallRoot.h"
#include "document/UserInterface.h"

#include <deque>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace varn {
class CVARNView;
}

namespace varn::cli {

// Which references the reference dialog ticks: every one, the K best-ranked, or given pool rows.
struct ReferenceChoice {
    enum Kind { All, Best, Rows };
    Kind kind = All;
    int best = 0;
    std::vector<int> rows;
};

// Answers the program's questions from the command line's options. Every message box is one line
// on standard error, its text as the program words it. Dialogs that the chosen command does not
// answer are cancelled; a dialog whose own OK rule refuses the answer is cancelled too.
class CliUserInterface : public UserInterface {
  public:
    CliUserInterface(std::ostream& err, bool showProgress);
    ~CliUserInterface() override;
    CliUserInterface(const CliUserInterface&) = delete;
    CliUserInterface& operator=(const CliUserInterface&) = delete;

    int messageCount = 0;
    // Set by a message box that reports a failure (every box that is not one of the program's
    // plain notices) and by an answer that a dialog refused.
    bool failed = false;
    std::string lastMessage;

    void messageBox(const std::string& text) override;
    bool yesNoBox(const std::string& text) override;
    std::optional<std::filesystem::path> openFile(const FileChooserOptions& chooser) override;
    std::optional<std::filesystem::path> saveFile(const FileChooserOptions& chooser) override;
    DialogResult basicMode(CBasicMode& d) override;
    DialogResult sampleSelect(CSampleSelect& d) override;
    DialogResult selfSampleSelect(CSelfSampleSelect& d) override;
    DialogResult sampleTypeSelect(CSampleTypeSelect& d) override;
    DialogResult average(CAverage& d) override;
    DialogResult hmmParameter(CHMMParameter& d) override;
    DialogResult refSelect(CRefSelect& d) override;
    DialogResult baseSet(CBaseSet& d) override;
    DialogResult chSelect(CChSelectDlg& d) override;
    void progress(const std::string& what, int done, int total) override;
    // One line on the confirmation stream per file written, once confirmWritesOn named it.
    void fileWritten(const std::string& verb, const std::filesystem::path& path) override;
    // Where the written files are confirmed (standard output) and the root their paths are
    // shown relative to.
    void confirmWritesOn(std::ostream& out, InstallRoot root);

    // Answers set by the command before it runs a flow. Dialog answers hold for every opening of
    // their dialog; file answers are taken in order, one per chooser.
    struct BasicModeAnswer {
        int mode = 2;
        int arrayChoice = 1;
    };
    struct SampleAnswer {
        std::filesystem::path signal, calls;
    };
    struct PairedAnswer {
        std::filesystem::path tumorSignal, tumorCalls, normalSignal, normalCalls;
    };
    struct AverageAnswer {
        int number = 10;
        bool allData = false;
    };
    std::optional<BasicModeAnswer> basicModeAnswer;
    std::optional<SampleAnswer> sampleAnswer;
    std::optional<PairedAnswer> pairedAnswer;
    std::optional<int> sampleTypeAnswer;
    std::optional<AverageAnswer> averageAnswer;
    std::optional<ReferenceChoice> referenceAnswer;
    std::optional<int> baseCopyAnswer;
    std::optional<int> chromosomeAnswer; // EachChromosome's choice, 1..23
    std::deque<std::filesystem::path> openFiles;
    std::deque<std::filesystem::path> saveFiles;

    // The reference dialog lists references by rank; the view knows which pool row each rank is.
    const CVARNView* view = nullptr;

  private:
    std::ostream& err_;
    std::ostream* written_ = nullptr;
    std::optional<InstallRoot> root_;
    bool showProgress_;
    bool progressLineOpen_ = false; // a progress line is on the terminal without its line end

    void closeProgressLine();
};

// True for the program's plain notices (a pool loaded, a region selected, references chosen, the
// prompts of a flow); every other message box reports why an operation stopped.
bool isNoticeMessage(const std::string& text);

} // namespace varn::cli
