#include "support/ScriptedUi.h"

#include "commands/CAverage.h"
#include "commands/CBaseSet.h"
#include "commands/CHMMParameter.h"
#include "commands/CProfileOpen.h"
#include "commands/CRefSelect.h"
#include "commands/CRegionEntry.h"
#include "document/SetupDialogs.h"
#include "view/CChSelectDlg.h"

namespace varn::test {

namespace {
[[noreturn]] void unscripted(const std::string& what) {
    throw std::logic_error("ScriptedUi: no scripted answer for " + what);
}
} // namespace

bool ScriptedUi::yesNoBox(const std::string& text) {
    messages.push_back(text);
    if (yesNo_.empty()) unscripted("yes/no box \"" + text + "\"");
    const bool yes = yesNo_.front();
    yesNo_.pop_front();
    return yes;
}

bool ScriptedUi::okCancelBox(const std::string& text) {
    messages.push_back(text);
    if (okCancel_.empty()) return true;
    const bool ok = okCancel_.front();
    okCancel_.pop_front();
    return ok;
}

StoreChoice ScriptedUi::storeQuestion(const std::string& text) {
    messages.push_back(text);
    if (store_.empty()) unscripted("store question \"" + text + "\"");
    const StoreChoice choice = store_.front();
    store_.pop_front();
    return choice;
}

std::optional<std::filesystem::path> ScriptedUi::openFile(const FileChooserOptions& chooser) {
    fileDialogs.push_back(chooser);
    if (files_.empty()) unscripted("open-file dialog \"" + chooser.title + "\"");
    auto path = files_.front();
    files_.pop_front();
    types_.pop_front();
    return path;
}

std::optional<std::filesystem::path> ScriptedUi::saveFile(const FileChooserOptions& chooser) {
    fileDialogs.push_back(chooser);
    if (files_.empty()) unscripted("save-file dialog \"" + chooser.title + "\"");
    auto path = files_.front();
    files_.pop_front();
    types_.pop_front();
    return path;
}

std::optional<std::filesystem::path> ScriptedUi::saveFileOfType(const FileChooserOptions& chooser,
                                                                int& type) {
    if (!types_.empty() && types_.front()) type = *types_.front();
    return saveFile(chooser);
}

DialogResult ScriptedUi::next(std::type_index type, void* dialog) {
    if (dialogs_.empty() || dialogs_.front().type != type) unscripted(std::string("dialog ") + type.name());
    auto fn = std::move(dialogs_.front().fn);
    dialogs_.pop_front();
    return fn(dialog);
}

template <typename Dialog>
DialogResult ScriptedUi::run(Dialog& d, const std::function<bool(Dialog&)>& okRule) {
    for (;;) {
        const DialogResult r = next(std::type_index(typeid(Dialog)), &d);
        if (r != DialogResult::Ok) return r;
        if (!okRule || okRule(d)) return r;
    }
}

DialogResult ScriptedUi::basicMode(CBasicMode& d) { return run<CBasicMode>(d, {}); }
DialogResult ScriptedUi::sampleSelect(CSampleSelect& d) { return run<CSampleSelect>(d, {}); }
DialogResult ScriptedUi::selfSampleSelect(CSelfSampleSelect& d) { return run<CSelfSampleSelect>(d, {}); }
DialogResult ScriptedUi::sampleTypeSelect(CSampleTypeSelect& d) {
    return run<CSampleTypeSelect>(d, [this](CSampleTypeSelect& x) { return x.onOk(*this); });
}
DialogResult ScriptedUi::average(CAverage& d) {
    return run<CAverage>(d, [this](CAverage& x) { return x.onOk(*this); });
}
DialogResult ScriptedUi::hmmParameter(CHMMParameter& d) {
    return run<CHMMParameter>(d, [](CHMMParameter& x) { x.onOk(); return true; });
}
DialogResult ScriptedUi::refSelect(CRefSelect& d) {
    return run<CRefSelect>(d, [this](CRefSelect& x) { return x.onOk(*this); });
}
DialogResult ScriptedUi::baseSet(CBaseSet& d) {
    return run<CBaseSet>(d, [this](CBaseSet& x) { return x.onOk(*this); });
}
DialogResult ScriptedUi::regionEntry(CRegionEntry& d) {
    return run<CRegionEntry>(d, [this](CRegionEntry& x) { return x.onOk(*this); });
}
DialogResult ScriptedUi::profileOpen(CProfileOpen& d) {
    return run<CProfileOpen>(d, [this](CProfileOpen& x) { return x.onOk(*this); });
}
DialogResult ScriptedUi::chSelect(CChSelectDlg& d) {
    return run<CChSelectDlg>(d, [](CChSelectDlg& x) { return x.onOk(); });
}

} // namespace varn::test
