#include "CMainFrame.h"

#include "CommandRouter.h"
#include "GenomeWidget.h"
#include "MenuTable.h"
#include "ToolbarIcons.h"
#include "document/CVARNDoc.h"
#include "view/CVARNView.h"
#include "view/CommandIds.h"
#include "view/DisplayMode.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace varn {

namespace {

constexpr int kUpdateIntervalMs = 200;

} // namespace

CMainFrame::CMainFrame(CommandRouter& router, CVARNView& view) : router_(router), view_(view) {
    genome_ = new GenomeWidget(view, this);
    setCentralWidget(genome_);
    // The page keys scroll the page from the start.
    genome_->setFocus();
    buildMenus();
    actions_.at(ID_FIT_TO_WINDOW)->setCheckable(true);
    actions_.at(ID_AXES_AND_LEGEND)->setCheckable(true);
    actions_.at(ID_BAF_PANEL)->setCheckable(true);
    actions_.at(ID_ALLELE_DECODING)->setCheckable(true);
    buildToolBar();
    buildStatusBar();
    buildAccelerators();
    setDockOptions(dockOptions() | QMainWindow::AllowNestedDocks);
    resize(1200, 900);

    // Toolbar buttons have no menu opening to refresh them, so their state follows the document on
    // a short timer, as the framework does when the program is idle.
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CMainFrame::updateCommandUi);
    timer->start(kUpdateIntervalMs);
    updateCommandUi();
}

QAction* CMainFrame::makeAction(int id, const QString& caption) {
    auto* action = new QAction(caption, this);
    action->setData(id);
    action->setStatusTip(QString::fromStdString(varn::statusPrompt(id)));
    const std::string tip = varn::toolTip(id);
    if (!tip.empty()) action->setToolTip(QString::fromStdString(tip));
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, [this, id] { runFromUser(id); });
    return action;
}

void CMainFrame::buildMenus() {
    for (const char* name : menuNames()) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(menuTitle(name).c_str()));
        menus_[QString::fromLatin1(name)] = menu;
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandUi);
    }
    fileMenu_ = menus_["File"];
    for (const MenuItem& item : menuItems()) {
        QMenu* menu = menus_[QString::fromLatin1(item.menu)];
        if (item.id == ID_FILE_MRU_FILE1) {
            // Stands in for the recent files until there are some; never enabled.
            recentPlaceholder_ = new QAction(QString::fromLatin1(item.caption), this);
            recentPlaceholder_->setData(item.id);
            recentPlaceholder_->setEnabled(false);
            menu->addAction(recentPlaceholder_);
            recentSeparator_ = menu->addSeparator();
            continue;
        }
        QAction* action = makeAction(item.id, QString::fromLatin1(item.caption));
        actions_[item.id] = action;
        menu->addAction(action);
        if (item.separatorAfter) menu->addSeparator();
    }
}

void CMainFrame::buildToolBar() {
    toolBar_ = new QToolBar("Standard", this);
    toolBar_->setObjectName("toolbar128");
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : toolbarButtons()) {
        if (id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = actions_.at(id);
        action->setIcon(toolbarIcon(id, *style()));
        toolBar_->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::buildStatusBar() {
    QStatusBar* bar = statusBar();
    const std::pair<int, const char*> locks[] = {
        {Qt::Key_CapsLock, "CAP"}, {Qt::Key_NumLock, "NUM"}, {Qt::Key_ScrollLock, "SCRL"}};
    for (const auto& [key, text] : locks) {
        auto* label = new QLabel(text, bar);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Qt cannot ask the keyboard for its lock state, so each indicator starts greyed and
        // follows the lock keys pressed while the program runs.
        label->setEnabled(false);
        bar->addPermanentWidget(label);
        indicators_[key] = label;
    }
    bar->showMessage("Ready");
    qApp->installEventFilter(this);
}

void CMainFrame::buildAccelerators() {
    const std::pair<QKeySequence, int> keys[] = {{QKeySequence(Qt::CTRL | Qt::Key_N), ID_FILE_NEW},
                                                 {QKeySequence(Qt::CTRL | Qt::Key_O), ID_FILE_OPEN},
                                                 {QKeySequence(Qt::CTRL | Qt::Key_S), ID_FILE_SAVE},
                                                 {QKeySequence(Qt::CTRL | Qt::Key_P), ID_FILE_PRINT},
                                                 {QKeySequence(Qt::CTRL | Qt::Key_E), ID_EXPORT_PICTURE}};
    for (const auto& [sequence, id] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        const int command = id;
        connect(shortcut, &QShortcut::activated, this, [this, command] { runFromUser(command); });
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto it = indicators_.find(key->key());
        if (it != indicators_.end() && !key->isAutoRepeat()) it->second->setEnabled(!it->second->isEnabled());
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (mayClose && !mayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::runFromUser(int id) {
    if (!router_.isEnabled(id)) return;
    sendCommand(id);
}

// The status bar's message pane tells what the last command did; each command starts it afresh.
bool CMainFrame::sendCommand(int id) {
    statusBar()->clearMessage();
    const bool handled = router_.route(id);
    if (afterCommand) afterCommand();
    updateCommandUi();
    return handled;
}

void CMainFrame::updateCommandUi() {
    for (const auto& [id, action] : actions_) {
        const bool enabled = router_.isEnabled(id);
        if (action->isEnabled() != enabled) action->setEnabled(enabled);
    }
    QAction* fit = actions_.at(ID_FIT_TO_WINDOW);
    if (fit->isChecked() != view_.fitToWindow) fit->setChecked(view_.fitToWindow);
    QAction* axes = actions_.at(ID_AXES_AND_LEGEND);
    if (axes->isChecked() != view_.annotate) axes->setChecked(view_.annotate);
    QAction* decoding = actions_.at(ID_ALLELE_DECODING);
    const bool alleles = view_.GetDocument().alleleSpecificDecoding;
    if (decoding->isChecked() != alleles) decoding->setChecked(alleles);
    followBafPanel();
    followProfilePage();
}

// On a profile's page the commands of a pool's analysis that it cannot do say why in their prompt,
// which the status bar shows as the mouse passes over them; elsewhere their prompts are their own.
void CMainFrame::followProfilePage() {
    const bool onProfile = isProfileMode(view_.displayMode);
    if (onProfile == onProfilePage_) return;
    onProfilePage_ = onProfile;
    for (int id : {ID_SORT, ID_RANGE_SET, ID_CGH_VIEW, ID_AVERAGE_MODE}) {
        const std::string why = view_.unavailableOnProfile(id);
        actions_.at(id)->setStatusTip(QString::fromStdString(why.empty() ? varn::statusPrompt(id) : why));
    }
}

// The B-allele Fraction toggle keeps its tick while it is greyed: the person still wants the
// panel, and gets it with the next analysis that has allele data. Meanwhile the item's prompt and,
// while the toggle is on, the status bar say what the analysis shown lacks.
void CMainFrame::followBafPanel() {
    QAction* baf = actions_.at(ID_BAF_PANEL);
    if (baf->isChecked() != view_.bafPanel) baf->setChecked(view_.bafPanel);
    const std::string why = view_.bafPanelUnavailable();
    if (why == bafPanelWhy_) return;
    bafPanelWhy_ = why;
    const QString prompt = why.empty() ? QString::fromStdString(varn::statusPrompt(ID_BAF_PANEL))
                                       : "The B-allele fraction panel is unavailable: " + QString::fromStdString(why);
    baf->setStatusTip(prompt);
    if (!why.empty() && view_.bafPanel) statusBar()->showMessage(prompt);
    // The allele-specific decoding reads the same analysis, and is greyed for the same reason.
    actions_.at(ID_ALLELE_DECODING)
        ->setStatusTip(why.empty() ? QString::fromStdString(varn::statusPrompt(ID_ALLELE_DECODING))
                                   : "The allele-specific decoding is unavailable: " + QString::fromStdString(why));
}

QAction* CMainFrame::commandAction(int id) const {
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount) {
        const std::size_t index = static_cast<std::size_t>(id - ID_FILE_MRU_FILE1);
        if (index < recentActions_.size()) return recentActions_[index];
        return id == ID_FILE_MRU_FILE1 ? recentPlaceholder_ : nullptr;
    }
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* CMainFrame::menuNamed(const QString& name) const {
    const auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

QLabel* CMainFrame::keyIndicator(const QString& text) const {
    for (const auto& [key, label] : indicators_)
        if (label->text() == text) return label;
    return nullptr;
}

void CMainFrame::setRecentFiles(const std::vector<std::filesystem::path>& files) {
    for (QAction* action : recentActions_) {
        fileMenu_->removeAction(action);
        action->deleteLater();
    }
    recentActions_.clear();
    recentPlaceholder_->setVisible(files.empty());
    for (std::size_t k = 0; k < files.size() && k < static_cast<std::size_t>(kRecentFileCount); ++k) {
        const int id = ID_FILE_MRU_FILE1 + static_cast<int>(k);
        const QString caption = QString("&%1 %2").arg(k + 1).arg(QString::fromStdString(files[k].string()));
        auto* action = new QAction(caption, this);
        action->setData(id);
        action->setStatusTip(QString::fromStdString(varn::statusPrompt(id)));
        connect(action, &QAction::triggered, this, [this, id] { runFromUser(id); });
        fileMenu_->insertAction(recentSeparator_, action);
        recentActions_.push_back(action);
    }
}

void CMainFrame::setDocumentTitle(const std::string& documentTitle) {
    setWindowTitle(QString::fromStdString(documentTitle) + " - VARN");
}

} // namespace varn
