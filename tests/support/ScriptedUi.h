#pragma once

#include "document/UserInterface.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

namespace varn::test {

// The scripted stand-in for the person at the screen. Answers are queued in the order the code
// under test will ask for them; every message text is recorded. A dialog answer is a function
// that edits the dialog's members and returns Ok or Cancel; after Ok the dialog's own OK rule runs
// (where it has one) and, while it refuses, the next queued answer for the dialog is taken.
// Asking for something that was not scripted fails the test with a clear error.
class ScriptedUi : public UserInterface {
public:
    std::vector<std::string> messages;   // every message box, yes/no and store question, in order
    std::vector<FileChooserOptions> fileDialogs; // every chooser opened, in order
    std::vector<std::string> openedUrls;         // every address handed to the URL opener
    bool urlOpens = true;                        // what the URL opener reports
    std::vector<std::pair<int, int>> progressReports; // (done, total) of every progress report

    // Yes/no answers, file answers (nullopt = Cancel) and dialog answers.
    void answerYesNo(bool yes) { yesNo_.push_back(yes); }
    void answerFile(std::optional<std::filesystem::path> path) {
        files_.push_back(std::move(path));
        types_.push_back(std::nullopt);
    }
    // A save chooser with types: the file and the type chosen (0-based in the filter's order).
    void answerFileOfType(std::filesystem::path path, int type) {
        files_.push_back(std::move(path));
        types_.push_back(type);
    }
    template <typename Dialog>
    void answer(std::function<DialogResult(Dialog&)> fn) {
        dialogs_.push_back({std::type_index(typeid(Dialog)), [fn](void* d) { return fn(*static_cast<Dialog*>(d)); }});
    }
    // Cancel the next dialog of this kind.
    template <typename Dialog>
    void cancel() {
        answer<Dialog>([](Dialog&) { return DialogResult::Cancel; });
    }
    // A warning's OK (true) or Cancel; one with no answer queued is answered OK, as the box with
    // OK alone was.
    void answerOkCancel(bool ok) { okCancel_.push_back(ok); }
    void answerStore(StoreChoice choice) { store_.push_back(choice); }
    // The person's Cancel of the next long work, as its progress bar shows: the work does not run;
    // or the work let to its end, to cancel the one after. Work with nothing queued runs to its end.
    void cancelWork() { cancelWork_.push_back(true); }
    void letWorkRun() { cancelWork_.push_back(false); }
    bool allAnswersUsed() const {
        return yesNo_.empty() && files_.empty() && dialogs_.empty() && okCancel_.empty() && store_.empty() &&
               cancelWork_.empty();
    }
    std::size_t pendingAnswers() const {
        return yesNo_.size() + files_.size() + dialogs_.size() + okCancel_.size() + store_.size() +
               cancelWork_.size();
    }

    void messageBox(const std::string& text) override { messages.push_back(text); }
    bool yesNoBox(const std::string& text) override;
    bool okCancelBox(const std::string& text) override;
    StoreChoice storeQuestion(const std::string& text) override;
    bool openUrl(const std::string& url) override {
        openedUrls.push_back(url);
        return urlOpens;
    }
    std::optional<std::filesystem::path> openFile(const FileChooserOptions& chooser) override;
    std::optional<std::filesystem::path> saveFile(const FileChooserOptions& chooser) override;
    // The type of a file answered with answerFileOfType; otherwise the caller's preset stays.
    std::optional<std::filesystem::path> saveFileOfType(const FileChooserOptions& chooser,
                                                        int& type) override;
    void progress(const std::string&, int done, int total) override { progressReports.emplace_back(done, total); }
    bool runCancellable(const std::string&, std::function<void()> work) override {
        const bool cancel = !cancelWork_.empty() && cancelWork_.front();
        if (!cancelWork_.empty()) cancelWork_.pop_front();
        if (cancel) return false;
        work();
        return true;
    }

    DialogResult basicMode(CBasicMode& d) override;
    DialogResult sampleSelect(CSampleSelect& d) override;
    DialogResult selfSampleSelect(CSelfSampleSelect& d) override;
    DialogResult sampleTypeSelect(CSampleTypeSelect& d) override;
    DialogResult average(CAverage& d) override;
    DialogResult hmmParameter(CHMMParameter& d) override;
    DialogResult refSelect(CRefSelect& d) override;
    DialogResult baseSet(CBaseSet& d) override;
    DialogResult chSelect(CChSelectDlg& d) override;
    DialogResult regionEntry(CRegionEntry& d) override;
    DialogResult profileOpen(CProfileOpen& d) override;

private:
    struct DialogAnswer {
        std::type_index type;
        std::function<DialogResult(void*)> fn;
    };
    DialogResult next(std::type_index type, void* dialog);
    template <typename Dialog>
    DialogResult run(Dialog& d, const std::function<bool(Dialog&)>& okRule);

    std::deque<bool> yesNo_;
    std::deque<bool> okCancel_;
    std::deque<StoreChoice> store_;
    std::deque<bool> cancelWork_;
    std::deque<std::optional<std::filesystem::path>> files_;
    std::deque<std::optional<int>> types_; // beside files_, the type of each answer if given
    std::deque<DialogAnswer> dialogs_;
};

} // namespace varn::test
