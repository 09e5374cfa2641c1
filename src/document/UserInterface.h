#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace varn {

class CBasicMode;
class CSampleSelect;
class CSelfSampleSelect;
class CSampleTypeSelect;
class CAverage;
class CHMMParameter;
class CRefSelect;
class CBaseSet;
class CChSelectDlg;
class CRegionEntry;
class CProfileOpen;

// How a modal dialog ended. Failed stands for a dialog that could not be opened at all.
enum class DialogResult { Ok, Cancel, Failed };

// The answer to "Store the analysis of <sample>?", asked before an analysis changed since its last
// Store is closed: store it first, close it unstored, or keep it open.
enum class StoreChoice { Store, Discard, Cancel };

// The properties of an open-file or save-file chooser, as the program states them. The folder is
// already mapped onto the installation root; the filter is in the "desc|pattern|...||" form.
struct FileChooserOptions {
    std::string title;
    std::filesystem::path initialDirectory;
    std::string filter;
    std::string defaultExtension;
    std::string initialFileName;
};

// The one way the core reaches the person at the screen. The window implements it with real
// dialogs, the tests with a scripted double, the command-line tool from its options.
//
// Each dialog call receives the dialog's members, preset by the caller, lets the person (or the
// script) change them and returns how the dialog ended. A dialog's own OK rule (for instance
// "Select one type ") is a member function of the dialog class; implementations call it and keep
// the dialog open while it refuses.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A modal box with the text and an OK button.
    virtual void messageBox(const std::string& text) = 0;
    // The same with the information icon: a report the person confirms, not a warning.
    virtual void informationBox(const std::string& text) { messageBox(text); }
    // A modal box with Yes and No and the information icon; true for Yes.
    virtual bool yesNoBox(const std::string& text) = 0;
    // A warning the person may stop at: the message box with OK and Cancel; true for OK. By default
    // the box with OK alone, and the work goes on.
    virtual bool okCancelBox(const std::string& text) {
        messageBox(text);
        return true;
    }
    // Store / Discard / Cancel before the analysis shown is closed. Nothing is asked by default:
    // a command line has no one to ask, and what it analysed it stores only when told to.
    virtual StoreChoice storeQuestion(const std::string& /*text*/) { return StoreChoice::Discard; }

    // Asks the system's default URL handler to open the address; false when it refused or there
    // is none (headless use has none).
    virtual bool openUrl(const std::string& /*url*/) { return false; }

    virtual std::optional<std::filesystem::path> openFile(const FileChooserOptions& chooser) = 0;
    virtual std::optional<std::filesystem::path> saveFile(const FileChooserOptions& chooser) = 0;
    // A save chooser whose filter lists types that the file name alone does not tell apart (a
    // picture's resolution): type is set to the chosen one, 0-based in the filter's order. By
    // default it is the save chooser, with type left as the caller preset it.
    virtual std::optional<std::filesystem::path> saveFileOfType(const FileChooserOptions& chooser, int& /*type*/) {
        return saveFile(chooser);
    }

    virtual DialogResult basicMode(CBasicMode& dialog) = 0;
    virtual DialogResult sampleSelect(CSampleSelect& dialog) = 0;
    virtual DialogResult selfSampleSelect(CSelfSampleSelect& dialog) = 0;
    virtual DialogResult sampleTypeSelect(CSampleTypeSelect& dialog) = 0;
    virtual DialogResult average(CAverage& dialog) = 0;
    virtual DialogResult hmmParameter(CHMMParameter& dialog) = 0;
    virtual DialogResult refSelect(CRefSelect& dialog) = 0;
    virtual DialogResult baseSet(CBaseSet& dialog) = 0;
    virtual DialogResult chSelect(CChSelectDlg& dialog) = 0;
    // Range Set's typed region; a command line gives its region as an option and never opens it.
    virtual DialogResult regionEntry(CRegionEntry& /*dialog*/) { return DialogResult::Cancel; }
    // Open Profile's sample, normal, build and frequencies; a command line gives them as options.
    virtual DialogResult profileOpen(CProfileOpen& /*dialog*/) { return DialogResult::Cancel; }

    // A file has been written and is in place under its real name. `verb` says what was done
    // ("Stored", "Wrote"); the window shows the report in its status bar, varn-cli prints it as
    // one line on stdout, the path relative to the installation root ("Stored temporary
    // files/Tumor1X.temp"). Nothing is shown by default.
    virtual void fileWritten(const std::string& /*verb*/, const std::filesystem::path& /*path*/) {}

    // A command has read these files into the analysis it now shows (a pool, a stored analysis, a
    // sample's files). The window names them in its status bar ("Loaded temporary
    // files/Tumor4X.temp and temporary files/Tumor4H.temp"), the path relative to the installation
    // root as for written files. Nothing is shown by default.
    virtual void filesLoaded(const std::vector<std::filesystem::path>& /*paths*/) {}

    // What a command that wrote and loaded nothing did, in a line ("Allele-specific decoding:
    // tumour cells 62 %, ..."): the window shows it in its status bar. Nothing is shown by default.
    virtual void status(const std::string& /*text*/) {}

    // Long work (reading many signal files, a batch export) reports how far it is. Nothing is
    // shown by default.
    virtual void progress(const std::string& /*what*/, int /*done*/, int /*total*/) {}

    // Work that can take long and cannot report its steps (reading and fitting a dense array's
    // profile): the window runs it off its own thread behind a progress bar with Cancel and stays
    // responsive meanwhile. False when the person cancelled: the work may still be running then,
    // so it must own everything it touches, and what it makes is left unused. By default it runs
    // here and now.
    virtual bool runCancellable(const std::string& /*what*/, std::function<void()> work) {
        work();
        return true;
    }
};

} // namespace varn
