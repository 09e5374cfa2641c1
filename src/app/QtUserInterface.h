#pragma once

#include "document/InstallRoot.h"
#include "document/UserInterface.h"

#include <QPointer>

#include <string>
#include <utility>
#include <vector>

class QProgressDialog;
class QWidget;

namespace varn {

// The program's questions as real Qt dialogs, modal over the main window: message boxes with OK
// (or Yes and No), the file choosers with the title, folder, filter, default extension and file
// name the program asks for, and one modal dialog per dialog class, whose own OK rule keeps it
// open while it refuses. Long work shows a progress dialog; the URL opener is the desktop's.
//
// Object names for finding the pieces: every control carries its dialog-template id ("1" OK,
// "2" Cancel), the file chooser is "fileChooser" and the progress dialog "progress".
class QtUserInterface : public UserInterface {
  public:
    explicit QtUserInterface(InstallRoot root) : root_(std::move(root)) {}
    ~QtUserInterface() override;
    QtUserInterface(const QtUserInterface&) = delete;
    QtUserInterface& operator=(const QtUserInterface&) = delete;
    void setParent(QWidget* parent) { parent_ = parent; }

    void messageBox(const std::string& text) override;
    void informationBox(const std::string& text) override;
    bool yesNoBox(const std::string& text) override;
    bool okCancelBox(const std::string& text) override;
    // Buttons "store", "discard" and "cancel" (object names); Escape is Cancel.
    StoreChoice storeQuestion(const std::string& text) override;
    bool openUrl(const std::string& url) override;
    std::optional<std::filesystem::path> openFile(const FileChooserOptions& chooser) override;
    std::optional<std::filesystem::path> saveFile(const FileChooserOptions& chooser) override;
    std::optional<std::filesystem::path> saveFileOfType(const FileChooserOptions& chooser, int& type) override;

    DialogResult basicMode(CBasicMode& dialog) override;
    DialogResult sampleSelect(CSampleSelect& dialog) override;
    DialogResult selfSampleSelect(CSelfSampleSelect& dialog) override;
    DialogResult sampleTypeSelect(CSampleTypeSelect& dialog) override;
    DialogResult average(CAverage& dialog) override;
    DialogResult hmmParameter(CHMMParameter& dialog) override;
    DialogResult refSelect(CRefSelect& dialog) override;
    DialogResult baseSet(CBaseSet& dialog) override;
    DialogResult chSelect(CChSelectDlg& dialog) override;
    DialogResult regionEntry(CRegionEntry& dialog) override;
    DialogResult profileOpen(CProfileOpen& dialog) override;

    void progress(const std::string& what, int done, int total) override;
    // The progress dialog "work" with its Cancel button ("cancel"), a busy bar, while the work runs
    // on a thread of its own; a Cancel leaves that thread to finish on its own.
    bool runCancellable(const std::string& what, std::function<void()> work) override;
    // The status bar of the main window says what the last command did: the files it wrote and
    // where, or, when it wrote nothing, the files it loaded. The files one command writes (a track
    // pair, SegmentOut's three) are named together; a batch names the last and the count. The
    // frame clears it as each command starts, so a command that did neither leaves it empty.
    void fileWritten(const std::string& verb, const std::filesystem::path& path) override;
    void filesLoaded(const std::vector<std::filesystem::path>& paths) override;
    void status(const std::string& text) override;

  private:
    // type, when given, preselects and returns the chosen filter's index.
    std::optional<std::filesystem::path> chooseFile(const FileChooserOptions& options, bool save, int* type = nullptr);

    InstallRoot root_; // the sample dialogs' choosers open in its folders
    QWidget* parent_ = nullptr;
    QPointer<QProgressDialog> progress_; // open while some work reports done < total
    // Shows what the command running now has written or loaded so far.
    void showCommandReport();
    // The command's reports, emptied when the event loop next runs.
    std::vector<std::string> writtenThisCommand_;
    std::vector<std::string> loadedThisCommand_;
    bool reportResetArmed_ = false;
};

} // namespace varn
