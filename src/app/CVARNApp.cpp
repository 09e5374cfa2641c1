#include "CVARNApp.h"

#include "CAboutBox.h"
#include "CMainFrame.h"
#include "CommandRouter.h"
#include "MenuTable.h"
#include "canvas/PictureWriter.h"
#include "canvas/ProfilePictureWriter.h"
#include "canvas/ProfileReportWriter.h"
#include "canvas/ReportWriter.h"
#include "commands/ProfileCommands.h"
#include "document/CVARNDoc.h"
#include "document/SampleName.h"
#include "document/UserInterface.h"
#include "export/PictureFormat.h"
#include "export/ProfileOutputs.h"
#include "export/ReportSegments.h"
#include "export/SampleReport.h"
#include "view/CVARNView.h"
#include "view/CommandIds.h"
#include "view/DisplayMode.h"
#include "view/GenomeBrowserLink.h"
#include "view/profile/ShownProfile.h"

#include <QDateTime>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>

#include <cctype>
#include <string_view>
#include <tuple>

namespace varn {

namespace {

// Settings live per user under this key and the application title, as the framework keeps them.
const char* const kRegistryKey = "Local AppWizard-Generated Applications";
const char* const kAppTitle = "VARN";

// The genome browser that point inspection opens: a site of the user's own (a local mirror and
// its session) when the settings name one, else the public browser.
// "Axes and Legend" is on until the person switches it off; Export Picture opens where the last
// picture went.
const char* const kAxesAndLegendKey = "View/Axes and Legend";
const char* const kPictureFolderKey = "Export Picture/Folder";

GenomeBrowserSite browserSiteFrom(const QSettings& settings) {
    GenomeBrowserSite site;
    const QString host = settings.value("Genome Browser/Host").toString().trimmed();
    const QString session = settings.value("Genome Browser/Session").toString().trimmed();
    if (!host.isEmpty()) site.host = host.toStdString();
    if (!session.isEmpty()) site.session = session.toStdString();
    return site;
}

// The View toggles the person sets are remembered from run to run.
const char* const kBafPanelSetting = "View/B-allele Fraction";
// Whether closing an analysis changed since its last Store asks to store it first; on unless the
// person writes false here.
const char* const kAskToStoreSetting = "Analysis/Ask to store";

// The pool files of the analysis shown: one array's, or both of a merged analysis; none for a
// paired analysis or none shown.
std::string shownPoolFiles(const CVARNDoc& doc, const CVARNView& view) {
    const int m = view.displayMode;
    const bool pooled = m == ModeGenomeBoth || m == ModeChromosomeBoth || m == ModeGenomeSingle ||
                        m == ModeChromosomeSingle || m == ModeCompensation || m == ModeReferenceSort;
    if (!pooled) return {};
    const int t = view.shownArrayType;
    if (t == kXba || t == kHind) return doc.poolFile[t].filename().string();
    const std::string xba = doc.poolFile[kXba].filename().string(),
                      hind = doc.poolFile[kHind].filename().string();
    if (xba.empty() || hind.empty()) return {};
    return xba + " + " + hind;
}

} // namespace

CVARNApp::CVARNApp(InstallRoot root, UserInterface& ui)
    : root_(std::move(root)), ui_(ui), recent_(kRecentFileCount) {}

CVARNApp::~CVARNApp() {
    // The frame's widgets refer to the view; they go first.
    frame_.reset();
}

bool CVARNApp::InitInstance(const std::vector<std::filesystem::path>& files) {
    QSettings settings(kRegistryKey, kAppTitle);
    recent_.load(settings);

    doc_ = std::make_unique<CVARNDoc>(root_, ui_);
    view_ = std::make_unique<CVARNView>(*doc_);
    view_->browserSite = browserSiteFrom(settings);
    view_->annotate = settings.value(kAxesAndLegendKey, true).toBool();
    view_->bafPanel = settings.value(kBafPanelSetting, false).toBool();
    doc_->alleleAnalysisAsked = view_->bafPanel;
    doc_->askToStoreAnalysis = settings.value(kAskToStoreSetting, true).toBool();
    router_ = std::make_unique<CommandRouter>(*doc_, *view_);
    frame_ = std::make_unique<CMainFrame>(*router_, *view_);
    bindCommands();
    // The frame was built before its commands had handlers; its items follow them from now on.
    frame_->updateCommandUi();
    frame_->afterCommand = [this] { followDocument(); };
    frame_->mayClose = [this] { return doc_->MayCloseAnalysis(); };
    frame_->setRecentFiles(recent_.entries());
    if (frameCreated) frameCreated(frame_.get());

    if (!files.empty() && !openFileArgument(files.front())) return false;
    followDocument();
    frame_->show();
    return true;
}

void CVARNApp::bindCommands() {
    CVARNView& v = *view_;
    CVARNDoc& d = *doc_;
    CommandRouter& r = *router_;
    const std::pair<int, void (CVARNView::*)()> viewCommands[] = {
        {ID_CGH_VIEW, &CVARNView::OnCghView},
        {ID_RANGE_SET, &CVARNView::OnRangeSet},
        {ID_SORT, &CVARNView::OnSort},
        {ID_HMM_PARAMETER, &CVARNView::OnHmmParameter},
        {ID_AVERAGE_MODE, &CVARNView::OnAverageMode},
        {ID_PRINT_VIEW, &CVARNView::OnPrintView},
        {ID_MONITOR_VIEW, &CVARNView::OnMonitorView},
        {ID_EXPLORE_VIEW, &CVARNView::OnExploreView},
        {ID_ALL_GENOME, &CVARNView::OnAllGenome},
        {ID_EACH_CHROMOSOME, &CVARNView::OnEachChromosome},
        {ID_PREV_CHROMOSOME, &CVARNView::OnPrevChromosome},
        {ID_NEXT_CHROMOSOME, &CVARNView::OnNextChromosome},
        {ID_MOVE_LEFT, &CVARNView::OnMoveLeft},
        {ID_MOVE_RIGHT, &CVARNView::OnMoveRight},
        {ID_RETURN_TO_TOP, &CVARNView::OnReturnToTop},
        {ID_FIT_TO_WINDOW, &CVARNView::OnFitToWindow},
        {ID_ALLELE_DECODING, &CVARNView::OnAlleleDecoding},
    };
    for (const auto& [id, handler] : viewCommands)
        r.add(CommandTarget::View, id, [&v, h = handler] { (v.*h)(); });
    // The view's toggle, remembered for the next start.
    r.add(CommandTarget::View, ID_AXES_AND_LEGEND, [&v] {
        v.OnAxesAndLegend();
        QSettings(kRegistryKey, kAppTitle).setValue(kAxesAndLegendKey, v.annotate);
    });
    r.add(CommandTarget::View, ID_BAF_PANEL, [&v] {
        v.OnBafPanel();
        QSettings settings(kRegistryKey, kAppTitle);
        settings.setValue(kBafPanelSetting, v.bafPanel);
    });

    const std::pair<int, void (CVARNDoc::*)()> documentCommands[] = {
        {ID_FILE_NEW, &CVARNDoc::OnFileNew},
        {ID_NON_SELF_LOAD, &CVARNDoc::OnNonSelfLoad},
        {ID_SELF_LOAD, &CVARNDoc::OnSelfLoad},
        {ID_SAVE_VIEW_FILE, &CVARNDoc::OnSaveViewFile},
        {ID_IGB_FILE_OUT, &CVARNDoc::OnIgbFileOut},
        {ID_BATCH_IGB_FILE_OUT, &CVARNDoc::OnBatchIgbFileOut},
        {ID_RAW_DATA_OUT, &CVARNDoc::OnRawDataOut},
        {ID_MAKE_REFERENCE, &CVARNDoc::OnMakeReference},
        {ID_ADD_REFERENCE, &CVARNDoc::OnAddReference},
        {ID_ALLELE_MODEL, &CVARNDoc::OnAlleleModel},
        {ID_DEBUG, &CVARNDoc::OnDebug},
    };
    for (const auto& [id, handler] : documentCommands)
        r.add(CommandTarget::Document, id, [&d, h = handler] { (d.*h)(); });
    // On a profile's page these keep and write the profile's analysis, as varn-cli profile does.
    const std::tuple<int, void (CVARNDoc::*)(), void (*)(CVARNDoc&)> profileAware[] = {
        {ID_STORE, &CVARNDoc::OnStore, &storeProfile},
        {ID_SEGMENT_OUT, &CVARNDoc::OnSegmentOut, &profileSegmentOut},
        {ID_ALLELE_OUT, &CVARNDoc::OnAlleleOut, &profileAlleleOut},
    };
    for (const auto& [id, handler, onProfile] : profileAware)
        r.add(CommandTarget::Document, id, [&d, &v, h = handler, p = onProfile] {
            if (isProfileMode(v.displayMode))
                p(d);
            else
                (d.*h)();
        });
    r.add(CommandTarget::Document, ID_OPEN_PROFILE, [&d, &v] { openProfile(d, v); });
    r.add(CommandTarget::Document, ID_LOAD_PROFILE_ANALYSIS, [&d, &v] { loadProfileAnalysis(d, v); });
    // The framework's document Save (Ctrl+S): to the pool file's name, or through Save As.
    r.add(CommandTarget::Document, ID_FILE_SAVE, [&d] { d.DoSave(); });

    // The application's own: its framework New only creates the document at start-up, so the
    // document's New above takes the command from then on and nothing is bound here for it.
    r.add(CommandTarget::Application, ID_FILE_OPEN, [this] { OnFileOpen(); });
    r.add(CommandTarget::Application, ID_EXPORT_PICTURE, [this] { OnExportPicture(); });
    r.add(CommandTarget::Application, ID_REPORT_OUT, [this] { OnReportOut(); });
    r.add(CommandTarget::Application, ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    r.add(CommandTarget::Application, ID_APP_ABOUT, [this] { OnAppAbout(); });
    r.add(CommandTarget::Application, ID_APP_EXIT, [this] { OnAppExit(); });
    for (int k = 0; k < kRecentFileCount; ++k)
        r.add(CommandTarget::Application, ID_FILE_MRU_FILE1 + k, [this, k] { OnOpenRecentFile(k); });
}

// The pool an analysis was made against, once one is shown: the document's file is the pool last
// loaded, which need not be the analysis' array.
std::string CVARNApp::documentTitle() const {
    // A profile: its file and the solution in use.
    if (isProfileMode(view_->displayMode) && doc_->shownProfile) {
        const ShownProfile& p = *doc_->shownProfile;
        const std::string solution = p.picture.solution.empty() ? p.result.solutionLine : p.picture.solution;
        return p.file.filename().string() + " (" + solution + ")";
    }
    const std::string pools = shownPoolFiles(*doc_, *view_);
    if (!pools.empty()) return pools;
    return doc_->pathName.empty() ? std::string("Untitled") : doc_->pathName.filename().string();
}

void CVARNApp::saveRecentFiles() {
    QSettings settings(kRegistryKey, kAppTitle);
    recent_.save(settings);
    frame_->setRecentFiles(recent_.entries());
}

void CVARNApp::followDocument() {
    if (doc_->pathName != followedPath_) {
        followedPath_ = doc_->pathName;
        if (!followedPath_.empty()) {
            recent_.add(followedPath_);
            saveRecentFiles();
        }
    }
    frame_->setDocumentTitle(documentTitle());
}

// A profile's usual names open it as Open Profile would, a stored profile analysis as Load Profile
// Analysis; anything else is a reference pool file, as it always was. A profile that is not shown
// leaves the window open on what it showed.
bool CVARNApp::openFileArgument(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto endsWith = [&name](std::string_view end) { return name.size() >= end.size() && name.ends_with(end); };
    if (endsWith(".profile.gz")) {
        loadProfileAnalysis(*doc_, *view_, path);
    } else if (endsWith(".txt") || endsWith(".csv") || endsWith(".tsv") || endsWith(".gz")) {
        openProfile(*doc_, *view_, path);
    } else {
        return OpenDocumentFile(path);
    }
    frame_->updateCommandUi();
    return true;
}

bool CVARNApp::OpenDocumentFile(const std::filesystem::path& path) {
    if (!doc_->OnOpenDocument(path)) {
        followDocument();
        return false;
    }
    recent_.add(path);
    followedPath_ = doc_->pathName;
    saveRecentFiles();
    frame_->setDocumentTitle(documentTitle());
    return true;
}

// Load Ref: the framework's open dialog, listing the pool files first.
void CVARNApp::OnFileOpen() {
    FileChooserOptions chooser;
    chooser.title = "Open";
    chooser.initialDirectory = doc_->pathName.empty() ? root_.root() : doc_->pathName.parent_path();
    chooser.filter = "Reference pool (*.ref)|*.ref|All Files (*.*)|*.*||";
    const auto chosen = ui_.openFile(chooser);
    if (chosen) OpenDocumentFile(*chosen);
}

// A recent file that no longer opens leaves the list, as the framework does.
void CVARNApp::OnOpenRecentFile(int index) {
    if (index < 0 || index >= static_cast<int>(recent_.entries().size())) return;
    const std::filesystem::path path = recent_.entries()[static_cast<std::size_t>(index)];
    if (!OpenDocumentFile(path)) {
        recent_.remove(index);
        saveRecentFiles();
    }
}

void CVARNApp::OnExportPicture() {
    QSettings settings(kRegistryKey, kAppTitle);
    const std::filesystem::path lastFolder = settings.value(kPictureFolderKey).toString().toStdString();
    std::error_code ec;
    FileChooserOptions chooser;
    chooser.title = "Export Picture";
    chooser.initialDirectory =
        !lastFolder.empty() && std::filesystem::is_directory(lastFolder, ec) ? lastFolder : root_.root();
    chooser.filter = pictureChooserFilter();
    chooser.defaultExtension = "png";
    chooser.initialFileName = suggestedPictureName(*doc_, *view_);
    int type = 0;
    const auto chosen = ui_.saveFileOfType(chooser, type);
    if (!chosen) return;
    // The chooser's type decides, unless the name typed ends in another picture's extension.
    const PictureTarget target = pictureTargetOf(*chosen, type);
    if (!writeShownPicture(target.path, target.options)) {
        ui_.messageBox("Picture file cannot be written");
        return;
    }
    settings.setValue(kPictureFolderKey, QString::fromStdString(target.path.parent_path().string()));
    ui_.fileWritten("Wrote", target.path);
}

// A profile's page is written as varn-cli profile draws it: the genome page, or the chromosome's.
bool CVARNApp::writeShownPicture(const std::filesystem::path& path, const PictureOptions& options) {
    if (!isProfileMode(view_->displayMode) || !doc_->shownProfile) return writePicture(*view_, path, options);
    const ProfilePicture& picture = doc_->shownProfile->picture;
    if (view_->displayMode == ModeProfileChromosome)
        return writeProfileChromosomePicture(picture, view_->currentChromosome, path, options);
    return writeProfileGenomePicture(picture, path, options);
}

// A profile's report, as varn-cli profile --report writes it.
void CVARNApp::profileReportOut() {
    const ShownProfile& shown = *doc_->shownProfile;
    FileChooserOptions chooser;
    chooser.title = "ReportOut";
    chooser.initialDirectory = root_.root();
    chooser.filter = "PDF document (*.pdf)|*.pdf||";
    chooser.defaultExtension = "pdf";
    chooser.initialFileName = fileNamePart(shown.result.profile.sample) + ".pdf";
    const auto chosen = ui_.saveFile(chooser);
    if (!chosen) return;
    const std::vector<std::string> record = {
        std::string("VARN ") + VARN_VERSION + ", report made " +
            QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm").toStdString(),
        "From " + shown.result.profile.source};
    if (!writeProfileReport(shown.picture, profileReportOf(shown.result, record), *chosen)) {
        ui_.messageBox("Report file cannot be written");
        return;
    }
    ui_.fileWritten("Wrote", *chosen);
}

// The report names the pool file of each of its arrays, as the document knows them.
void CVARNApp::OnReportOut() {
    if (isProfileMode(view_->displayMode) && doc_->shownProfile) return profileReportOut();
    CVARNView& view = *view_;
    CVARNDoc& doc = *doc_;
    const int t = view.displayMode == ModeGenomeBoth ? kCombined : doc.arrayType;
    const SampleReport probe = buildSampleReport(doc, view, {}, QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm").toStdString(),
                                                 reportSegments(doc, t));
    FileChooserOptions chooser;
    chooser.title = "ReportOut";
    chooser.initialDirectory = root_.root();
    chooser.filter = "PDF document (*.pdf)|*.pdf||";
    chooser.defaultExtension = "pdf";
    chooser.initialFileName = probe.sample + ".pdf";
    const auto chosen = ui_.saveFile(chooser);
    if (!chosen) return;
    if (!writeReport(view, probe, *chosen)) {
        ui_.messageBox("Report file cannot be written");
        return;
    }
    view.Invalidate();
    ui_.fileWritten("Wrote", *chosen);
}

void CVARNApp::OnFilePrintSetup() {
    if (!printer_) printer_ = std::make_unique<QPrinter>();
    QPageSetupDialog dialog(printer_.get(), frame_.get());
    dialog.exec();
}

void CVARNApp::OnAppAbout() {
    CAboutBox about(frame_.get());
    about.exec();
}

void CVARNApp::OnAppExit() {
    frame_->close();
}

} // namespace varn
