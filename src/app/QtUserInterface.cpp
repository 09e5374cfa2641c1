#include "QtUserInterface.h"

#include "ChSelectDialog.h"
#include "FileFilter.h"
#include "ProfileOpenFace.h"
#include "RegionEntryFace.h"
#include "SetupDialogFaces.h"
#include "document/WrittenReport.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QHeaderView>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

namespace varn {

namespace {

const char* const kBoxTitle = "VARN";

DialogResult resultOf(int code) {
    return code == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

} // namespace

// Work that stopped without its final report leaves no dialog behind.
QtUserInterface::~QtUserInterface() {
    delete progress_.data();
}

void QtUserInterface::messageBox(const std::string& text) {
    // The framework's message boxes carry the exclamation icon when the caller names none.
    QMessageBox::warning(parent_, kBoxTitle, QString::fromLocal8Bit(text.c_str()));
}

void QtUserInterface::informationBox(const std::string& text) {
    QMessageBox::information(parent_, kBoxTitle, QString::fromLocal8Bit(text.c_str()));
}

bool QtUserInterface::yesNoBox(const std::string& text) {
    QMessageBox box(QMessageBox::Information, kBoxTitle, QString::fromLocal8Bit(text.c_str()),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    // The point inspection's first line spreads index, chromosome and cytoband over tab stops;
    // a wider text keeps that line whole instead of wrapping the cytoband under it.
    box.setStyleSheet("QLabel#qt_msgbox_label { min-width: 36em; }");
    return box.exec() == QMessageBox::Yes;
}

bool QtUserInterface::okCancelBox(const std::string& text) {
    return QMessageBox::warning(parent_, kBoxTitle, QString::fromLocal8Bit(text.c_str()),
                                QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

StoreChoice QtUserInterface::storeQuestion(const std::string& text) {
    QMessageBox box(QMessageBox::Question, kBoxTitle, QString::fromLocal8Bit(text.c_str()),
                    QMessageBox::NoButton, parent_);
    QPushButton* store = box.addButton("&Store", QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton("&Discard", QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    store->setObjectName("store");
    discard->setObjectName("discard");
    cancel->setObjectName("cancel");
    box.setDefaultButton(store);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == store) return StoreChoice::Store;
    if (box.clickedButton() == discard) return StoreChoice::Discard;
    return StoreChoice::Cancel;
}

bool QtUserInterface::openUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

// Qt's own chooser rather than the desktop's, so it looks and behaves the same on every system
// and can be found and driven like any other dialog.
std::optional<std::filesystem::path> QtUserInterface::chooseFile(const FileChooserOptions& options, bool save,
                                                                 int* type) {
    QFileDialog chooser(parent_, QString::fromStdString(options.title));
    chooser.setObjectName("fileChooser");
    chooser.setOption(QFileDialog::DontUseNativeDialog, true);
    // The detail view's size, type and date columns fit their texts; the name takes the rest.
    chooser.resize(760, 460);
    if (auto* details = chooser.findChild<QTreeView*>()) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    chooser.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    chooser.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!options.initialDirectory.empty())
        chooser.setDirectory(QString::fromStdString(options.initialDirectory.string()));
    const QString filter = qtFileFilter(options.filter.empty() ? "All Files (*.*)|*.*||" : options.filter);
    const QStringList filters = filter.split(";;");
    chooser.setNameFilters(filters);
    if (type != nullptr && *type >= 0 && *type < filters.size()) chooser.selectNameFilter(filters[*type]);
    if (!options.defaultExtension.empty()) {
        // A name typed without an extension gets that of the type chosen ("SVG drawing (*.svg)"
        // adds ".svg"), so the file's name says what it holds; a type of every file keeps the
        // program's default.
        auto suffixOf = [](const QString& nameFilter) {
            const qsizetype open = nameFilter.lastIndexOf('('), close = nameFilter.lastIndexOf(')');
            const QString first =
                nameFilter.mid(open + 1, close - open - 1).section(' ', 0, 0, QString::SectionSkipEmpty);
            return first.startsWith("*.") && !first.mid(2).contains('*') ? first.mid(2) : QString();
        };
        const QString programDefault = QString::fromStdString(options.defaultExtension);
        auto follow = [&chooser, suffixOf, programDefault](const QString& nameFilter) {
            const QString suffix = suffixOf(nameFilter);
            chooser.setDefaultSuffix(suffix.isEmpty() ? programDefault : suffix);
        };
        follow(chooser.selectedNameFilter());
        QObject::connect(&chooser, &QFileDialog::filterSelected, &chooser, follow);
    }
    if (!options.initialFileName.empty()) chooser.selectFile(QString::fromStdString(options.initialFileName));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return std::nullopt;
    if (type != nullptr) *type = std::max(0, static_cast<int>(filters.indexOf(chooser.selectedNameFilter())));
    return std::filesystem::path(chooser.selectedFiles().front().toStdString());
}

std::optional<std::filesystem::path> QtUserInterface::openFile(const FileChooserOptions& chooser) {
    return chooseFile(chooser, false);
}

std::optional<std::filesystem::path> QtUserInterface::saveFile(const FileChooserOptions& chooser) {
    return chooseFile(chooser, true);
}

std::optional<std::filesystem::path> QtUserInterface::saveFileOfType(const FileChooserOptions& chooser, int& type) {
    return chooseFile(chooser, true, &type);
}

DialogResult QtUserInterface::basicMode(CBasicMode& dialog) {
    BasicModeFace face(dialog, parent_);
    return resultOf(face.exec());
}

DialogResult QtUserInterface::sampleSelect(CSampleSelect& dialog) {
    SampleSelectFace face(dialog, *this, root_, parent_);
    return resultOf(face.exec());
}

DialogResult QtUserInterface::selfSampleSelect(CSelfSampleSelect& dialog) {
    SelfSampleSelectFace face(dialog, *this, root_, parent_);
    return resultOf(face.exec());
}

DialogResult QtUserInterface::sampleTypeSelect(CSampleTypeSelect& dialog) {
    SampleTypeSelectFace face(dialog, *this, parent_);
    return resultOf(face.exec());
}

DialogResult QtUserInterface::average(CAverage& dialog) {
    AverageFace face(dialog, *this, parent_);
    return resultOf(face.exec());
}

DialogResult QtUserInterface::hmmParameter(CHMMParameter& dialog) {
    HmmParameterFace face(dialog, parent_);
    return resultOf(face.exec());
}

DialogResult QtUserInterface::refSelect(CRefSelect& dialog) {
    RefSelectFace face(dialog, *this, parent_);
    return resultOf(face.exec());
}

DialogResult QtUserInterface::baseSet(CBaseSet& dialog) {
    BaseSetFace face(dialog, *this, parent_);
    return resultOf(face.exec());
}

DialogResult QtUserInterface::chSelect(CChSelectDlg& dialog) {
    ChSelectDialog face(dialog, parent_);
    return resultOf(face.exec());
}

DialogResult QtUserInterface::regionEntry(CRegionEntry& dialog) {
    RegionEntryFace face(dialog, *this, parent_);
    return resultOf(face.exec());
}

DialogResult QtUserInterface::profileOpen(CProfileOpen& dialog) {
    ProfileOpenFace face(dialog, *this, parent_);
    return resultOf(face.exec());
}

// The work runs on this thread and cannot stop halfway, so the dialog has no Cancel button and
// only paints between steps: input stays queued until the work is done.
void QtUserInterface::fileWritten(const std::string& verb, const std::filesystem::path& path) {
    writtenThisCommand_.push_back(writtenReport(verb, path, root_));
    showCommandReport();
}

void QtUserInterface::filesLoaded(const std::vector<std::filesystem::path>& paths) {
    if (paths.empty()) return;
    for (const std::filesystem::path& path : paths) loadedThisCommand_.push_back(shownPath(path, root_));
    showCommandReport();
}

void QtUserInterface::status(const std::string& text) {
    if (auto* window = qobject_cast<QMainWindow*>(parent_)) window->statusBar()->showMessage(QString::fromStdString(text));
}

void QtUserInterface::showCommandReport() {
    auto* window = qobject_cast<QMainWindow*>(parent_);
    if (window == nullptr) {
        writtenThisCommand_.clear();
        loadedThisCommand_.clear();
        return;
    }
    // A command reports without returning to the event loop; the first report of a command arms
    // the reset for the next turn of the loop.
    static constexpr std::size_t kNamedTogether = 3;
    if (!reportResetArmed_) {
        reportResetArmed_ = true;
        QTimer::singleShot(0, window, [this] {
            writtenThisCommand_.clear();
            loadedThisCommand_.clear();
            reportResetArmed_ = false;
        });
    }
    std::string text;
    if (writtenThisCommand_.size() > kNamedTogether) {
        text = writtenThisCommand_.back() + " (" + std::to_string(writtenThisCommand_.size()) + " files written)";
    } else if (!writtenThisCommand_.empty()) {
        for (const std::string& line : writtenThisCommand_) text += (text.empty() ? "" : "; ") + line;
    } else {
        text = "Loaded";
        for (std::size_t k = 0; k < loadedThisCommand_.size(); ++k) {
            const bool last = k + 1 == loadedThisCommand_.size();
            text += (k == 0 ? " " : last ? " and " : ", ") + loadedThisCommand_[k];
        }
    }
    window->statusBar()->showMessage(QString::fromStdString(text));
}

bool QtUserInterface::runCancellable(const std::string& what, std::function<void()> work) {
    auto finished = std::make_shared<std::atomic<bool>>(false);
    std::thread worker([work = std::move(work), finished] {
        work();
        finished->store(true);
    });
    QProgressDialog dialog(QString::fromLocal8Bit(what.c_str()), "Cancel", 0, 0, parent_);
    dialog.setObjectName("work");
    dialog.setWindowTitle(kBoxTitle);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumWidth(360);
    // Shown at once: while the work runs the window takes no input, so no command starts over it.
    dialog.setMinimumDuration(0);
    dialog.show();
    if (auto* cancel = dialog.findChild<QPushButton*>()) cancel->setObjectName("cancel");
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (finished->load()) loop.quit();
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    poll.start(20);
    if (!finished->load()) loop.exec();
    poll.stop();
    if (finished->load()) {
        worker.join();
        return true;
    }
    // The reading and the fit have no place to stop at: the thread ends when they do.
    worker.detach();
    return false;
}

void QtUserInterface::progress(const std::string& what, int done, int total) {
    if (done >= total) {
        if (progress_) {
            progress_->close();
            delete progress_.data();
        }
        return;
    }
    if (!progress_) {
        progress_ = new QProgressDialog(parent_);
        progress_->setObjectName("progress");
        progress_->setWindowTitle(kBoxTitle);
        progress_->setWindowModality(Qt::ApplicationModal);
        progress_->setCancelButton(nullptr);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        progress_->setMinimumDuration(0);
        progress_->setMinimumWidth(360);
    }
    progress_->setLabelText(QString::fromLocal8Bit(what.c_str()));
    progress_->setRange(0, total);
    progress_->setValue(done < 0 ? 0 : done);
    progress_->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace varn
