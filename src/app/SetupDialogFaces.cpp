#include "SetupDialogFaces.h"

#include "FaceParts.h"
#include "commands/CAverage.h"
#include "commands/CBaseSet.h"
#include "commands/CRefSelect.h"
#include "document/InstallRoot.h"
#include "document/SetupDialogs.h"
#include "document/UserInterface.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace varn {

namespace {

// One chooser row of the sample dialogs: the button opens the open-file dialog with the row's
// folder and title; OK stores the full path and the bare name, Cancel keeps the earlier choice.
struct ChooserRow {
    QString caption;
    int buttonId;
    int editId;
    const char* folderX;
    const char* folderH;
    const char* titleX;
    const char* titleH;
    std::string* path;
    std::string* name;
};

void addChooserRow(QDialog* owner, QGridLayout* grid, int row, const ChooserRow& rowInfo, int arrayChoice,
                   UserInterface& ui, const InstallRoot& root) {
    auto* button = new QPushButton(rowInfo.caption, owner);
    auto* edit = new QLineEdit(QString::fromStdString(*rowInfo.name), owner);
    button->setObjectName(QString::number(rowInfo.buttonId));
    edit->setObjectName(QString::number(rowInfo.editId));
    edit->setReadOnly(true);
    edit->setMinimumWidth(220);
    grid->addWidget(button, row, 0);
    grid->addWidget(edit, row, 1);
    QObject::connect(button, &QPushButton::clicked, owner, [=, &ui, &root] {
        const bool hind = arrayChoice == 2;
        FileChooserOptions chooser;
        chooser.title = hind ? rowInfo.titleH : rowInfo.titleX;
        chooser.initialDirectory = root.map(hind ? rowInfo.folderH : rowInfo.folderX);
        chooser.filter = "text(*.txt)|*.txt|all_files(*.*)|*.*||";
        chooser.defaultExtension = "txt";
        chooser.initialFileName = "*.txt";
        const auto chosen = ui.openFile(chooser);
        if (!chosen) return;
        *rowInfo.path = chosen->string();
        *rowInfo.name = chosen->stem().string();
        edit->setText(QString::fromStdString(*rowInfo.name));
    });
}

const char* const kTumorSignalX = "Select Xba tumor sample signal data file";
const char* const kTumorSignalH = "Select Hind tumor sample signal data file";
const char* const kTumorSnpX = "Select Xba tumor sample SNP data file";
const char* const kTumorSnpH = "Select Hind tumor sample SNP data file";

} // namespace

BasicModeFace::BasicModeFace(CBasicMode& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    QVBoxLayout* layout = beginFace(this);
    analysis_ = radioGroup(this, layout, "Type of Analysis", {"Self reference", "Non self reference"},
                           dialog.selfChecked() ? 1 : (dialog.nonSelfChecked() ? 2 : 0), 1001);
    arrays_ = radioGroup(this, layout, "Type of Arrays", {"Xba", "Hind", "Xba + Hind"},
                         dialog.xbaChecked() ? 1 : (dialog.hindChecked() ? 2 : 3), 1003);
    auto* note = new QLabel("Temp files of both types should be available in selecting Xba + Hind analysis", this);
    note->setWordWrap(true);
    layout->addWidget(note);
    addOkCancel(this, layout);
}

void BasicModeFace::accept() {
    if (analysis_->checkedId() == 1) dialog_.mode = 1;
    if (analysis_->checkedId() == 2) dialog_.mode = 2;
    const int arrays = arrays_->checkedId();
    if (arrays >= 1) dialog_.arrayChoice = arrays == 3 ? 0 : arrays;
    QDialog::accept();
}

SampleSelectFace::SampleSelectFace(CSampleSelect& dialog, UserInterface& ui, const InstallRoot& root,
                                   QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    QVBoxLayout* layout = beginFace(this);
    choice_ = radioGroup(this, layout, "Select Sample", {"New Sample", "Edited Sample"}, 0, 1001);
    auto* grid = new QGridLayout;
    addChooserRow(this, grid, 0,
                  {"Signal File", 1003, 1005, "C:\\VARN\\tumorsampleX", "C:\\VARN\\tumorsampleH", kTumorSignalX,
                   kTumorSignalH, &dialog.signalPath, &dialog.signalName},
                  dialog.arrayChoice, ui, root);
    addChooserRow(this, grid, 1,
                  {"SNPs File", 1004, 1006, "C:\\VARN\\SNPtumorsampleX", "C:\\VARN\\SNPtumorsampleH", kTumorSnpX,
                   kTumorSnpH, &dialog.snpPath, &dialog.snpName},
                  dialog.arrayChoice, ui, root);
    layout->addLayout(grid);
    addOkCancel(this, layout);
}

void SampleSelectFace::accept() {
    if (choice_->checkedId() >= 1) dialog_.sampleChoice = choice_->checkedId();
    QDialog::accept();
}

SelfSampleSelectFace::SelfSampleSelectFace(CSelfSampleSelect& dialog, UserInterface& ui,
                                           const InstallRoot& root, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    QVBoxLayout* layout = beginFace(this);
    choice_ = radioGroup(this, layout, "Select Sample", {"New Sample", "Edited Sample"}, 0, 1001);
    auto* grid = new QGridLayout;
    const ChooserRow rows[] = {
        {"Tumor Signal File", 1003, 1005, "C:\\VARN\\tumorsampleX", "C:\\VARN\\tumorsampleH", kTumorSignalX,
         kTumorSignalH, &dialog.tumorSignalPath, &dialog.tumorSignalName},
        {"Normal Signal File", 1007, 1008, "C:\\VARN\\sampledataX", "C:\\VARN\\sampledataH",
         "Select Xba normal sample signal data file", "Select Hind normal sample signal data file",
         &dialog.normalSignalPath, &dialog.normalSignalName},
        {"Tumor SNPs File", 1004, 1006, "C:\\VARN\\SNPtumorsampleX", "C:\\VARN\\SNPtumorsampleH", kTumorSnpX, kTumorSnpH,
         &dialog.tumorSnpPath, &dialog.tumorSnpName},
        {"Normal SNPs File", 1009, 1010, "C:\\VARN\\sampledataX", "C:\\VARN\\sampledataH",
         "Select Xba normal sample SNP data file", "Select Hind normal sample SNP data file",
         &dialog.normalSnpPath, &dialog.normalSnpName},
    };
    for (int k = 0; k < 4; ++k) addChooserRow(this, grid, k, rows[k], dialog.arrayChoice, ui, root);
    layout->addLayout(grid);
    addOkCancel(this, layout);
}

void SelfSampleSelectFace::accept() {
    if (choice_->checkedId() >= 1) dialog_.sampleChoice = choice_->checkedId();
    QDialog::accept();
}

SampleTypeSelectFace::SampleTypeSelectFace(CSampleTypeSelect& dialog, UserInterface& ui, QWidget* parent)
    : QDialog(parent), dialog_(dialog), ui_(ui) {
    QVBoxLayout* layout = beginFace(this);
    type_ = radioGroup(this, layout, "Select Sample Type", {"Xba 50K", "Hind 50K"}, dialog.sampleType, 1001);
    addOkCancel(this, layout);
}

void SampleTypeSelectFace::accept() {
    dialog_.sampleType = type_->checkedId() >= 1 ? type_->checkedId() : 0;
    if (dialog_.onOk(ui_)) QDialog::accept();
}

AverageFace::AverageFace(CAverage& dialog, UserInterface& ui, QWidget* parent)
    : QDialog(parent), dialog_(dialog), ui_(ui) {
    QVBoxLayout* layout = beginFace(this);
    // The template frames its two radio pairs without titles.
    trim_ = radioGroup(this, layout, QString(), {"Exclude Max and Min", "Include All Data"}, dialog.trimExtremes,
                       1001);
    draw_ = radioGroup(this, layout, QString(), {"Points", "Lines"}, dialog.drawMethod, 1003);
    auto* label = new QLabel("Enter Averaging Number (1-10)", this);
    number_ = new QLineEdit(QString::fromStdString(dialog.averageText), this);
    number_->setObjectName("1005");
    label->setBuddy(number_);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(label);
    numberRow->addWidget(number_);
    layout->addLayout(numberRow);
    addOkCancel(this, layout);
}

void AverageFace::accept() {
    dialog_.trimExtremes = trim_->checkedId() >= 1 ? trim_->checkedId() : 0;
    dialog_.drawMethod = draw_->checkedId() >= 1 ? draw_->checkedId() : 0;
    dialog_.averageText = number_->text().toStdString();
    if (dialog_.onOk(ui_)) QDialog::accept();
}

RefSelectFace::RefSelectFace(CRefSelect& dialog, UserInterface& ui, QWidget* parent)
    : QDialog(parent), dialog_(dialog), ui_(ui) {
    QVBoxLayout* layout = beginFace(this);
    auto* load = new QPushButton("Sample Load", this);
    load->setObjectName("1003");
    list_ = new QListWidget(this);
    list_->setObjectName("1006");
    list_->setMinimumSize(320, 360);
    connect(load, &QPushButton::clicked, this, [this] {
        readTicks();
        dialog_.onSampleLoad();
        showList();
    });
    layout->addWidget(load);
    layout->addWidget(list_);
    addOkCancel(this, layout);
    showList();
}

void RefSelectFace::showList() {
    list_->clear();
    for (std::size_t k = 0; k < dialog_.listItems.size(); ++k) {
        auto* item = new QListWidgetItem(QString::fromLocal8Bit(dialog_.listItems[k].c_str()), list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool ticked = k < dialog_.listChecked.size() && dialog_.listChecked[k];
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

// The ticks live in the list widget until OK; a "Sample Load" press rebuilds the list, so the
// ticks made so far are read back first and survive it.
void RefSelectFace::readTicks() {
    dialog_.listChecked.assign(static_cast<std::size_t>(list_->count()), false);
    for (int k = 0; k < list_->count(); ++k)
        dialog_.listChecked[static_cast<std::size_t>(k)] = list_->item(k)->checkState() == Qt::Checked;
}

void RefSelectFace::accept() {
    readTicks();
    if (dialog_.onOk(ui_)) QDialog::accept();
}

BaseSetFace::BaseSetFace(CBaseSet& dialog, UserInterface& ui, QWidget* parent)
    : QDialog(parent), dialog_(dialog), ui_(ui) {
    QVBoxLayout* layout = beginFace(this);
    n_ = radioGroup(this, layout, "Base Copy Number of the Selected Region", {"n=1", "n=2", "n=3", "n=4"}, 0,
                    1001);
    addOkCancel(this, layout);
}

void BaseSetFace::accept() {
    dialog_.n = n_->checkedId() >= 1 ? n_->checkedId() : 0;
    if (dialog_.onOk(ui_)) QDialog::accept();
}

} // namespace varn
