#pragma once

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace varn {

class CommandRouter;
class CVARNView;
class GenomeWidget;

// The main frame: menu bar, toolbar, status bar (message pane and the CAP, NUM and SCRL
// indicators) around the genome view. Menu items, toolbar buttons and accelerators all send
// command ids down the router; the same actions serve menu and toolbar, so one update rule holds
// for both.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame(CommandRouter& router, CVARNView& view);

    // A command message sent to the main window: it runs whatever the routing chain has for the id,
    // also the commands that no menu item shows (the view file 32778, the batch track export
    // 32819). Returns false when nobody handles it.
    bool sendCommand(int id);

    // Enables or greys every menu item and toolbar button by its update rule.
    void updateCommandUi();

    // The menu item of a command id (shared with its toolbar button); nullptr for ids without one.
    // For 57616 this is the first recent file, or the greyed "Recent File" item of an empty list.
    QAction* commandAction(int id) const;
    QMenu* menuNamed(const QString& name) const;
    QToolBar* toolBar() const { return toolBar_; }
    GenomeWidget* genomeWidget() const { return genome_; }
    QLabel* keyIndicator(const QString& text) const;

    // The recent-file entries of the File menu, newest first.
    void setRecentFiles(const std::vector<std::filesystem::path>& files);
    // The caption: the document title, a dash and the application title.
    void setDocumentTitle(const std::string& documentTitle);

    // Called after every command, so the application can follow the document (title, recent files).
    std::function<void()> afterCommand;
    // Asked before the window closes (its close button, File > Exit): false keeps it open.
    std::function<bool()> mayClose;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* makeAction(int id, const QString& caption);
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void buildAccelerators();
    // Menu items, buttons and accelerators: a greyed command does nothing.
    void runFromUser(int id);
    void followBafPanel();
    void followProfilePage();

    CommandRouter& router_;
    CVARNView& view_; // the Fit to Window, Axes and Legend and B-allele Fraction items show its toggles
    GenomeWidget* genome_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::map<int, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    QMenu* fileMenu_ = nullptr;
    QAction* recentPlaceholder_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    std::vector<QAction*> recentActions_;
    std::map<int, QLabel*> indicators_; // by Qt key of the lock
    std::string bafPanelWhy_;           // the reason the status bar gave last
    bool onProfilePage_ = false;        // whether the greyed 50K commands carry a profile's reasons
};

} // namespace varn
