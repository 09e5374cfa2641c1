// Random use of the whole program: a seeded "monkey" sends every menu command the window would
// let it send (greyed ones are skipped, as a person cannot click them), mouse presses, drags and
// right-clicks anywhere, and answers every dialog and chooser at random (OK, Cancel, odd values,
// right and wrong files of the demo installation). After every step the document's invariants
// must hold and every file the step wrote must load again.
//
// VARN_MONKEY_STEPS sets the number of steps (default 120, a run of a few seconds that also
// runs under the sanitizers); VARN_MONKEY_SEED the seed (default 1).
#include "commands/CAverage.h"
#include "commands/CBaseSet.h"
#include "commands/CHMMParameter.h"
#include "commands/CRefSelect.h"
#include "demo/DemoFixture.h"
#include "document/CVARNDoc.h"
#include "document/CollectingUserInterface.h"
#include "document/SetupDialogs.h"
#include "view/CChSelectDlg.h"
#include "view/CVARNView.h"
#include "view/Canvas.h"
#include "view/CommandIds.h"
#include "view/DisplayMode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <functional>
#include <map>
#include <random>
#include <sstream>

namespace varn::test {
namespace {

namespace fs = std::filesystem;

int envNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

class NullCanvas : public Canvas {
  public:
    void setWindowOrg(int, int) override {}
    void setWindowExt(int, int) override {}
    void setPen(const Pen&) override {}
    void setBrush(Rgb) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void setPixel(int, int, Rgb) override {}
    void fillRect(int, int, int, int) override {}
    void textOut(int, int, const std::string&) override {}
};

// Answers whatever is asked, at random. A dialog whose own OK rule refuses the answer is
// cancelled, as a person gives up on it.
class MonkeyUi : public UserInterface {
  public:
    MonkeyUi(std::mt19937& rng, const fs::path& root, const fs::path& saveDir)
        : rng_(rng), root_(root), saveDir_(saveDir) {}

    int messages = 0;
    std::string lastMessage;

    void messageBox(const std::string& text) override {
        ++messages;
        lastMessage = text;
    }
    bool yesNoBox(const std::string&) override { return chance(50); }
    // Most of the time a file of the folder the chooser opens in (the stored analyses, the sample
    // lists), else any file at all.
    std::optional<fs::path> openFile(const FileChooserOptions& chooser) override {
        if (chance(10)) return std::nullopt;
        std::vector<fs::path> inFolder;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(chooser.initialDirectory, ec))
            if (entry.is_regular_file()) inFolder.push_back(entry.path());
        if (!inFolder.empty() && chance(70)) return inFolder[static_cast<std::size_t>(pick(static_cast<int>(inFolder.size())))];
        return anyFile();
    }
    std::optional<fs::path> saveFile(const FileChooserOptions&) override {
        if (chance(25)) return std::nullopt;
        return saveDir_ / ("pool" + std::to_string(pick(3)) + ".ref");
    }
    DialogResult basicMode(CBasicMode& d) override {
        // Radio buttons: only their values can come back.
        d.mode = chance(70) ? kNonSelfReference : kSelfReference;
        d.arrayChoice = pick(3);
        return okOrCancel(10);
    }
    DialogResult sampleSelect(CSampleSelect& d) override {
        d.sampleChoice = chance(90) ? 1 + pick(2) : pick(4);
        const bool right = chance(70);
        d.signalPath = right ? sampleFile("tumorsample", d.arrayChoice, "Tumor" + std::to_string(1 + pick(2))) : anyFile();
        d.snpPath = right ? sampleFile("SNPtumorsample", d.arrayChoice, fs::path(d.signalPath).stem().string().substr(0, 6))
                          : anyFile();
        d.signalName = fs::path(d.signalPath).stem().string();
        d.snpName = fs::path(d.snpPath).stem().string();
        return okOrCancel(10);
    }
    DialogResult selfSampleSelect(CSelfSampleSelect& d) override {
        d.sampleChoice = chance(90) ? 1 + pick(2) : pick(4);
        const std::string tumour = "Tumor" + std::to_string(1 + pick(2));
        const bool right = chance(70);
        const std::string suffix = d.arrayChoice == kHind ? "H" : "X";
        const fs::path normals = root_ / ("sampledata" + suffix);
        d.tumorSignalPath = right ? sampleFile("tumorsample", d.arrayChoice, tumour) : anyFile();
        d.tumorSnpPath = right ? sampleFile("SNPtumorsample", d.arrayChoice, tumour) : anyFile();
        d.normalSignalPath = right ? (normals / (tumour + "N" + suffix + ".txt")).string() : anyFile();
        d.normalSnpPath = right ? (normals / (tumour + "N" + suffix + "_snp.txt")).string() : anyFile();
        d.tumorSignalName = fs::path(d.tumorSignalPath).stem().string();
        return okOrCancel(10);
    }
    DialogResult sampleTypeSelect(CSampleTypeSelect& d) override {
        d.sampleType = pick(4);
        return ok(10, d.onOk(*this));
    }
    DialogResult average(CAverage& d) override {
        d.trimExtremes = pick(3);
        d.drawMethod = pick(3);
        d.averageNumber = chance(80) ? 1 + pick(10) : pick(40) - 20;
        return ok(10, d.onOk(*this));
    }
    DialogResult hmmParameter(CHMMParameter& d) override {
        for (float& m : d.member)
            if (chance(30)) m = chance(80) ? m + static_cast<float>(pick(21) - 10) * 0.05f : static_cast<float>(pick(2001) - 1000);
        return okOrCancel(30);
    }
    DialogResult refSelect(CRefSelect& d) override {
        const int entries = d.entryCount > 1 ? d.entryCount - 1 : 0;
        for (int i = 0; i < entries && i < 499; ++i) d.itemTicked[i] = chance(60) ? 1 : 0;
        return ok(10, d.onOk(*this));
    }
    DialogResult baseSet(CBaseSet& d) override {
        d.n = chance(80) ? 1 + pick(4) : pick(9) - 2;
        return ok(10, d.onOk(*this));
    }
    DialogResult chSelect(CChSelectDlg& d) override {
        d.checked = chance(90) ? 1 + pick(23) : pick(30) - 3;
        return ok(10, d.onOk());
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }

    // Any file of the installation a person might pick: signal and call files of both arrays,
    // pools, stored analyses, sample lists, an annotation table, a missing path and a folder. The
    // pools are the monkey's copies (see Monkey), never the installation's own.
    std::string anyFile() {
        if (files_.empty()) {
            for (const auto& entry : fs::recursive_directory_iterator(root_))
                if (entry.is_regular_file() && entry.path().extension() != ".partial" &&
                    entry.path().parent_path() != root_)
                    files_.push_back(entry.path());
            files_.push_back(root_ / "no such file.txt");
            files_.push_back(root_ / "tumorsampleX");
        }
        return files_[static_cast<std::size_t>(pick(static_cast<int>(files_.size())))].string();
    }
    void forgetFiles() { files_.clear(); }

  private:
    DialogResult okOrCancel(int cancelPercent) { return chance(cancelPercent) ? DialogResult::Cancel : DialogResult::Ok; }
    DialogResult ok(int cancelPercent, bool accepted) {
        return accepted && !chance(cancelPercent) ? DialogResult::Ok : DialogResult::Cancel;
    }
    std::string sampleFile(const std::string& folder, int t, const std::string& stem) {
        const std::string suffix = t == kHind ? "H" : "X";
        return (root_ / (folder + suffix) / (stem + suffix + ".txt")).string();
    }

    std::mt19937& rng_;
    fs::path root_;
    fs::path saveDir_;
    std::vector<fs::path> files_;
};

// Every file under the output folders with its size and time, to find what a step wrote.
std::map<fs::path, std::pair<std::uintmax_t, fs::file_time_type>> outputFiles(const std::vector<fs::path>& folders) {
    std::map<fs::path, std::pair<std::uintmax_t, fs::file_time_type>> files;
    for (const fs::path& folder : folders) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec))
            if (entry.is_regular_file()) files[entry.path()] = {entry.file_size(), entry.last_write_time()};
    }
    return files;
}

struct Monkey {
    DemoInstallationFixture& demo = demoInstallation();
    fs::path root = demo.root;
    fs::path saveDir = root / "monkey pools";
    std::mt19937 rng;
    MonkeyUi ui;
    std::unique_ptr<CVARNDoc> doc;
    std::unique_ptr<CVARNView> view;
    std::vector<std::pair<std::string, std::function<void()>>> actions;
    std::map<int, std::function<void()>> commands; // what the window's routing sends each id to

    explicit Monkey(unsigned seed) : rng(seed), ui(rng, root, saveDir) {
        fs::create_directories(saveDir);
        // The monkey loads copies of the installation's pools: Ctrl+S writes the pool of the array
        // analysed last over the file loaded last, which must not be the installation's own that
        // the other demo tests read.
        for (int t : {kXba, kHind}) fs::copy_file(root / poolName(t), pool(t), fs::copy_options::overwrite_existing);
        doc = std::make_unique<CVARNDoc>(InstallRoot(root), ui);
        view = std::make_unique<CVARNView>(*doc);
        CVARNView& v = *view;
        CVARNDoc& d = *doc;
        const std::pair<int, void (CVARNView::*)()> viewCommands[] = {
            {ID_CGH_VIEW, &CVARNView::OnCghView},           {ID_RANGE_SET, &CVARNView::OnRangeSet},
            {ID_SORT, &CVARNView::OnSort},                  {ID_HMM_PARAMETER, &CVARNView::OnHmmParameter},
            {ID_AVERAGE_MODE, &CVARNView::OnAverageMode},   {ID_PRINT_VIEW, &CVARNView::OnPrintView},
            {ID_MONITOR_VIEW, &CVARNView::OnMonitorView},   {ID_EXPLORE_VIEW, &CVARNView::OnExploreView},
            {ID_ALL_GENOME, &CVARNView::OnAllGenome},       {ID_EACH_CHROMOSOME, &CVARNView::OnEachChromosome},
            {ID_PREV_CHROMOSOME, &CVARNView::OnPrevChromosome}, {ID_NEXT_CHROMOSOME, &CVARNView::OnNextChromosome},
            {ID_MOVE_LEFT, &CVARNView::OnMoveLeft},         {ID_MOVE_RIGHT, &CVARNView::OnMoveRight},
            {ID_RETURN_TO_TOP, &CVARNView::OnReturnToTop},
        };
        for (const auto& [id, handler] : viewCommands) commands[id] = [&v, h = handler] { (v.*h)(); };
        const std::pair<int, void (CVARNDoc::*)()> documentCommands[] = {
            {ID_FILE_NEW, &CVARNDoc::OnFileNew},           {ID_NON_SELF_LOAD, &CVARNDoc::OnNonSelfLoad},
            {ID_SELF_LOAD, &CVARNDoc::OnSelfLoad},         {ID_STORE, &CVARNDoc::OnStore},
            {ID_SAVE_VIEW_FILE, &CVARNDoc::OnSaveViewFile}, {ID_IGB_FILE_OUT, &CVARNDoc::OnIgbFileOut},
            {ID_RAW_DATA_OUT, &CVARNDoc::OnRawDataOut},     {ID_MAKE_REFERENCE, &CVARNDoc::OnMakeReference},
            {ID_ADD_REFERENCE, &CVARNDoc::OnAddReference},
        };
        for (const auto& [id, handler] : documentCommands) commands[id] = [&d, h = handler] { (d.*h)(); };
        commands[ID_FILE_SAVE] = [&d] { d.DoSave(); };
        // Load Ref: the open dialog, then the document's reader.
        // Most of the time one of the installation's pools, so that analyses are reached.
        commands[ID_FILE_OPEN] = [this] {
            if (ui.chance(60)) {
                doc->OnOpenDocument(pool(ui.chance(50) ? kXba : kHind));
            } else if (const auto path = ui.openFile({})) {
                doc->OnOpenDocument(*path);
            }
        };
    }

    // Both pools loaded and a stored analysis of Tumor1 on each array, so that the merged set-up
    // and NonSelfLoad have right files to be given from the first step on.
    void storeStartingAnalyses() {
        for (int t : {kXba, kHind}) {
            const std::string a = t == kXba ? "X" : "H";
            ASSERT_TRUE(doc->OnOpenDocument(pool(t)));
            ASSERT_EQ(doc->ReadSignalFile(t, root / ("tumorsample" + a) / ("Tumor1" + a + ".txt"), 0, 0), 0);
            ASSERT_EQ(doc->ReadSnpCallFile(t, root / ("SNPtumorsample" + a) / ("Tumor1" + a + ".txt"), 0), 0);
            std::snprintf(doc->poolSampleName[t][0], kNameSize, "Tumor1%s", a.c_str());
            doc->analysedRow[t] = 0;
            doc->regionStart[t] = doc->snpFirst[t];
            doc->regionEnd[t] = doc->autosomeLast[t];
            for (int row = 1; row < doc->refCount[t]; ++row) doc->refSelected[t][row] = 1;
            doc->refUsedCount[t] = doc->refCount[t] - 1;
            doc->pivotRow[t] = 1;
            ASSERT_EQ(doc->StoreNonSelfTempFile(t), 0);
        }
    }

    static const char* poolName(int t) { return t == kXba ? "XbaPool.ref" : "HindPool.ref"; }
    fs::path pool(int t) const { return saveDir / poolName(t); }

    bool enabled(int id) const {
        if (id == ID_RAW_DATA_OUT) return doc->OnUpdateRawDataOut();
        return !CVARNView::handlesEnableRule(id) || view->isCommandEnabled(id);
    }

    // One random step; its description for the failure report.
    std::string step() {
        // A person's usual gestures, so that runs go deep: Range Set and a drag across the upper
        // part of the window (the red frame, the first panels), or Sort.
        if (ui.chance(15)) {
            if (enabled(ID_RANGE_SET)) commands[ID_RANGE_SET]();
            const int x = ui.pick(800), x2 = ui.pick(800), y = 100 + ui.pick(300);
            view->OnLButtonDown(x, y);
            view->OnMouseMove(x2, y, true);
            view->OnLButtonUp(x2, y);
            return "range " + std::to_string(x) + "," + std::to_string(y) + " to " + std::to_string(x2);
        }
        if (ui.chance(8) && enabled(ID_SORT)) {
            commands[ID_SORT]();
            return "sort";
        }
        const int kind = ui.pick(10);
        if (kind < 6) {
            // Load Ref and File New are weighted up, so that most runs reach analyses.
            std::vector<int> ids;
            for (const auto& [id, fn] : commands) ids.push_back(id);
            const int id = ui.chance(30) ? (ui.chance(50) ? ID_FILE_OPEN : ID_FILE_NEW)
                                         : ids[static_cast<std::size_t>(ui.pick(static_cast<int>(ids.size())))];
            if (!enabled(id)) return "command " + std::to_string(id) + " (greyed)";
            commands[id]();
            return "command " + std::to_string(id);
        }
        const int x = ui.pick(1400) - 50, y = ui.pick(3600) - 50;
        std::ostringstream what;
        if (kind < 9) {
            const int x2 = ui.pick(1400) - 50;
            view->OnLButtonDown(x, y);
            view->OnMouseMove((x + x2) / 2, y, true);
            view->OnLButtonUp(x2, y);
            what << "drag " << x << "," << y << " to " << x2;
        } else {
            view->OnRButtonDown(x, y);
            what << "right-click " << x << "," << y;
        }
        return what.str();
    }

    void paint() {
        NullCanvas canvas;
        view->OnDraw(canvas);
    }
};

// What must hold whatever was done: every index the document keeps stays inside its table.
void expectInvariants(const CVARNDoc& doc, const CVARNView& view, const std::string& when) {
    SCOPED_TRACE(when);
    const DemoInstallationFixture& demo = demoInstallation();
    for (int t = kXba; t <= kHind; ++t) {
        EXPECT_EQ(doc.snpFirst[t], demo.doc->snpFirst[t]);
        EXPECT_EQ(doc.snpLast[t], demo.doc->snpLast[t]);
        EXPECT_GE(doc.refCount[t], -1);
        EXPECT_LE(doc.refCount[t], kPoolRows);
        EXPECT_GE(doc.analysedRow[t], 0);
        EXPECT_LT(doc.analysedRow[t], kPoolRows);
        EXPECT_GE(doc.pivotRow[t], 0);
        EXPECT_LT(doc.pivotRow[t], kPoolRows);
    }
    EXPECT_GE(doc.arrayType, -1);
    EXPECT_LE(doc.arrayType, kHind);
    const int modes[] = {ModeNone, ModeGenomeBoth, ModeChromosomeBoth, ModeGenomeSingle, ModeChromosomeSingle,
                         ModeCompensation, ModeReferenceSort, ModeGenomeSelf, ModeChromosomeSelf};
    EXPECT_NE(std::find(std::begin(modes), std::end(modes), view.displayMode), std::end(modes)) << view.displayMode;
    EXPECT_GE(view.currentChromosome, 0);
    EXPECT_LE(view.currentChromosome, 23);
}

// A file a step wrote loads again: pools through Load Ref, stored analyses through their readers.
void expectLoadable(const fs::path& path, const std::string& when) {
    SCOPED_TRACE(when + ": " + path.string());
    static CVARNDoc* checker = nullptr;
    static CollectingUserInterface* checkerUi = nullptr;
    if (checker == nullptr) {
        checkerUi = new CollectingUserInterface;
        checker = new CVARNDoc(InstallRoot(demoInstallation().root), *checkerUi);
        // Stored pool analyses reload only over a pool of their array; the rows do not matter.
        checker->refCount[kXba] = checker->refCount[kHind] = 1;
    }
    checkerUi->messages.clear();
    const std::string folder = path.parent_path().filename().string();
    if (path.extension() == ".ref") {
        EXPECT_TRUE(checker->OnOpenDocument(path)) << checkerUi->messages;
    } else if (folder == "temporary files") {
        EXPECT_EQ(checker->LoadNonSelfTempFile(path), 0) << checkerUi->messages;
    } else if (folder == "Self temporary files") {
        EXPECT_EQ(checker->LoadSelfTempFile(path), 0) << checkerUi->messages;
    }
    checker->refCount[kXba] = checker->refCount[kHind] = 1;
}

TEST(Monkey, RandomCommandsMouseAndAnswersKeepTheDocumentSound) {
    ASSERT_TRUE(demoInstallation().made) << demoInstallation().errors;
    const int steps = envNumber("VARN_MONKEY_STEPS", 120);
    const unsigned seed = static_cast<unsigned>(envNumber("VARN_MONKEY_SEED", 1));
    Monkey m(seed);
    m.storeStartingAnalyses();
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    const std::vector<fs::path> outputs = {m.root / "temporary files", m.root / "Self temporary files", m.saveDir,
                                           m.root};
    auto before = outputFiles(outputs);
    std::map<std::string, int> done;
    std::map<int, int> modes; // steps that ended in each display mode
    for (int s = 0; s < steps; ++s) {
        const std::string what = m.step();
        const std::string when = "seed " + std::to_string(seed) + " step " + std::to_string(s) + ": " + what;
        ++done[what.find("greyed") != std::string::npos ? "greyed" : what.substr(0, what.find(' '))];
        ++modes[m.view->displayMode];
        m.paint();
        expectInvariants(*m.doc, *m.view, when);
        const auto after = outputFiles(outputs);
        for (const auto& [path, stamp] : after) {
            const auto old = before.find(path);
            if (old == before.end() || old->second != stamp) {
                expectLoadable(path, when);
                m.ui.forgetFiles();
            }
        }
        before = after;
        if (::testing::Test::HasFailure()) break;
    }
    std::ostringstream summary;
    for (const auto& [what, n] : done) summary << what << " " << n << ", ";
    summary << m.ui.messages << " messages; steps ending in display mode";
    for (const auto& [mode, n] : modes) summary << " " << mode << ":" << n;
    std::cout << "monkey seed " << seed << ": " << steps << " steps (" << summary.str() << ")\n";
}

} // namespace
} // namespace varn::test
