#include "QtUserInterface.h"

#include "ChSelectDialog.h"
#include "FileFilter.h"
#include "SetupDialogFaces.h"

#include <QFileDialog>
#include <QMessageBox>

namespace varn {

namespace {

const char* const kBoxTitle = "VARN";

DialogResult resultOf(int code) {
    return code == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

} // namespace

void QtUserInterface::messageBox(const std::string& text) {
    // The framework's message boxes carry the exclamation icon when the caller names none.
    QMessageBox::warning(parent_, kBoxTitle, QString::fromLocal8Bit(text.c_str()));
}

bool QtUserInterface::yesNoBox(const std::string& text) {
    return QMessageBox::question(parent_, kBoxTitle, QString::fromLocal8Bit(text.c_str()),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::filesystem::path> QtUserInterface::chooseFile(const FileChooserOptions& options, bool save) {
    QFileDialog chooser(parent_, QString::fromStdString(options.title));
    chooser.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    chooser.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!options.initialDirectory.empty())
        chooser.setDirectory(QString::fromStdString(options.initialDirectory.string()));
    const QString filter = qtFileFilter(options.filter.empty() ? "All Files (*.*)|*.*||" : options.filter);
    chooser.setNameFilters(filter.split(";;"));
    if (!options.defaultExtension.empty())
        chooser.setDefaultSuffix(QString::fromStdString(options.defaultExtension));
    if (!options.initialFileName.empty()) chooser.selectFile(QString::fromStdString(options.initialFileName));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(chooser.selectedFiles().front().toStdString());
}

std::optional<std::filesystem::path> QtUserInterface::openFile(const FileChooserOptions& chooser) {
    return chooseFile(chooser, false);
}

std::optional<std::filesystem::path> QtUserInterface::saveFile(const FileChooserOptions& chooser) {
    return chooseFile(chooser, true);
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

} // namespace varn
