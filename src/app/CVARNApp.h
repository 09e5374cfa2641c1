#pragma once

#include "RecentFileList.h"
#include "document/InstallRoot.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace varn {

class CMainFrame;
struct PictureOptions;
class CommandRouter;
class CVARNDoc;
class CVARNView;
class UserInterface;

// The application object: starts the program with its one document, frame and view, binds every
// command to its handler, keeps the recent-file list in the user's settings and handles the
// commands that belong to the application (Load Ref, the recent files, Print Setup, About, Exit).
class CVARNApp {
  public:
    // The person is reached through ui: Qt dialogs in the program, a scripted double in tests.
    CVARNApp(InstallRoot root, UserInterface& ui);
    ~CVARNApp();
    CVARNApp(const CVARNApp&) = delete;
    CVARNApp& operator=(const CVARNApp&) = delete;

    // Start-up: settings and recent files, the document (which reads the annotation tables), the
    // main frame and the view; a file argument is opened as a reference pool file. False when that
    // fails, and the program ends.
    bool InitInstance(const std::vector<std::filesystem::path>& files);

    // Told the main frame as soon as it exists, before any file is opened, so dialogs have a parent.
    std::function<void(QWidget*)> frameCreated;

    CVARNDoc& document() { return *doc_; }
    CVARNView& view() { return *view_; }
    CMainFrame& mainFrame() { return *frame_; }
    CommandRouter& router() { return *router_; }
    const RecentFileList& recentFiles() const { return recent_; }

    // The pool file of the analysis shown against a pool (both, for a merged one); otherwise
    // "Untitled" until a pool file has been loaded or saved, then that file's name.
    std::string documentTitle() const;

    // Opens a reference pool file into the document; on success it heads the recent-file list.
    bool OpenDocumentFile(const std::filesystem::path& path);

    void OnFileOpen();
    void OnOpenRecentFile(int index);
    void OnFilePrintSetup();
    // Export Picture: the display as shown, in the kind of picture the chooser's type names.
    void OnExportPicture();
    // ReportOut: the PDF report of the analysis shown.
    void OnReportOut();
    void OnAppAbout();
    void OnAppExit();

  private:
    void bindCommands();
    // The start-up's file argument: a profile, a stored profile analysis or a reference pool file.
    bool openFileArgument(const std::filesystem::path& path);
    bool writeShownPicture(const std::filesystem::path& path, const PictureOptions& options);
    void profileReportOut();
    // After every command: a new document path joins the recent files; the caption follows.
    void followDocument();
    void saveRecentFiles();

    InstallRoot root_;
    UserInterface& ui_;
    std::unique_ptr<CVARNDoc> doc_;
    std::unique_ptr<CVARNView> view_;
    std::unique_ptr<CommandRouter> router_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<QPrinter> printer_;
    RecentFileList recent_;
    std::filesystem::path followedPath_;
};

} // namespace varn
