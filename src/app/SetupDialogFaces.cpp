#include "SetupDialogFaces.h"

#include "CanvasWidget.h"
#include "commands/CAverage.h"
#include "commands/CBaseSet.h"
#include "commands/CHMMParameter.h"
#include "commands/CRefSelect.h"
#include "document/InstallRoot.h"
#include "document/SetupDialogs.h"
#include "document/UserInterface.h"
#include "view/PaintPurityCurve.h"
#include "view/PaintPurityMap.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace varn {

namespace {

// A group of radio buttons; button k of the labels gets id k + 1 in the group and the control id
// firstControl + k as its object name. None is checked unless the checked id names one. An empty
// title leaves a plain frame around the buttons.
QButtonGroup* radioGroup(QDialog* owner, QVBoxLayout* layout, const QString& title, const QStringList& labels,
                         int checked, int firstControl) {
    auto* box = new QGroupBox(title, owner);
    auto* boxLayout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(owner);
    for (int k = 0; k < labels.size(); ++k) {
        auto* button = new QRadioButton(labels[k], box);
        button->setObjectName(QString::number(firstControl + k));
        group->addButton(button, k + 1);
        boxLayout->addWidget(button);
        if (k + 1 == checked) button->setChecked(true);
    }
    layout->addWidget(box);
    return group;
}

QVBoxLayout* begin(QDialog* dialog) {
    dialog->setWindowTitle("Dialog");
    return new QVBoxLayout(dialog);
}

void addOkCancel(QDialog* dialog, QVBoxLayout* layout) {
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    // The framework's IDOK and IDCANCEL.
    box->button(QDialogButtonBox::Ok)->setObjectName("1");
    box->button(QDialogButtonBox::Cancel)->setObjectName("2");
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(box);
}

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
    QVBoxLayout* layout = begin(this);
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
    QVBoxLayout* layout = begin(this);
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
    QVBoxLayout* layout = begin(this);
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
    QVBoxLayout* layout = begin(this);
    type_ = radioGroup(this, layout, "Select Sample Type", {"Xba 50K", "Hind 50K"}, dialog.sampleType, 1001);
    addOkCancel(this, layout);
}

void SampleTypeSelectFace::accept() {
    dialog_.sampleType = type_->checkedId() >= 1 ? type_->checkedId() : 0;
    if (dialog_.onOk(ui_)) QDialog::accept();
}

AverageFace::AverageFace(CAverage& dialog, UserInterface& ui, QWidget* parent)
    : QDialog(parent), dialog_(dialog), ui_(ui) {
    QVBoxLayout* layout = begin(this);
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

HmmParameterFace::HmmParameterFace(CHMMParameter& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    QVBoxLayout* layout = begin(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("mean(x100)", this), 0, 2);
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(new QLabel(QString("N=%1").arg(5 - i), this), i + 1, 0);
        current_[i] = new QLineEdit(this);
        current_[i]->setObjectName(QString::number(1005 + i));
        current_[i]->setReadOnly(true);
        grid->addWidget(current_[i], i + 1, 1);
        // The spin box is both the mean(x100) edit and its spin control.
        spin_[i] = new QSpinBox(this);
        spin_[i]->setObjectName(QString::number(1019 + i));
        if (auto* edit = spin_[i]->findChild<QLineEdit*>()) edit->setObjectName(QString::number(1011 + i));
        spin_[i]->setRange(-150, 150);
        grid->addWidget(spin_[i], i + 1, 2);
    }
    layout->addLayout(grid);
    auto* defaults = new QPushButton("Default", this);
    auto* current = new QPushButton("Current Value", this);
    defaults->setObjectName("1003");
    current->setObjectName("1004");
    connect(defaults, &QPushButton::clicked, this, [this] {
        dialog_.onDefault();
        showDialog();
    });
    connect(current, &QPushButton::clicked, this, [this] {
        dialog_.onCurrentValue();
        showDialog();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(defaults);
    row->addWidget(current);
    layout->addLayout(row);

    // Estimate: the tumour cell fraction of the analysis shown, its fit curve and the means for
    // it in the spins. Greyed when the command gave no estimator. Where the alleles can be read
    // it is the joint fit of fraction and ploidy: its map and the list of its solutions, one of
    // which may be used as it stands (double-click, Enter, or "Use Solution").
    auto* estimate = new QPushButton("Estimate", this);
    estimate->setObjectName("estimate");
    estimate->setEnabled(dialog_.canEstimate());
    dataDecide_ = new QCheckBox("Let the data decide the baseline", this);
    dataDecide_->setObjectName("dataDecideBaseline");
    dataDecide_->setChecked(dialog_.fitOptions.dataDecideBaseline);
    dataDecide_->setEnabled(dialog_.canEstimate());
    dataDecide_->setToolTip("The baseline region's copy number no longer fixes the ploidy of the joint fit");
    estimateText_ = new QLabel(dialog_.canEstimate() ? "" : "No decoded profile to estimate from", this);
    estimateText_->setObjectName("estimateText");
    estimateText_->setWordWrap(true);
    curve_ = new CanvasWidget("purityCurve", QSize(220, 70), this);
    curve_->setVisible(false);
    map_ = new CanvasWidget("purityMap", QSize(620, 320), this);
    map_->setVisible(false);
    solutions_ = new QListWidget(this);
    solutions_->setObjectName("solutions");
    solutions_->setVisible(false);
    useSolution_ = new QPushButton("Use Solution", this);
    useSolution_->setObjectName("useSolution");
    useSolution_->setVisible(false);
    useSolution_->setEnabled(false);
    useSolution_->setAutoDefault(false);
    connect(estimate, &QPushButton::clicked, this, &HmmParameterFace::runEstimate);
    connect(dataDecide_, &QCheckBox::toggled, this, [this](bool checked) {
        dialog_.fitOptions.dataDecideBaseline = checked;
        if (estimateShown_) runEstimate();
    });
    connect(solutions_, &QListWidget::currentRowChanged, this,
            [this](int row) { useSolution_->setEnabled(row >= 0); });
    connect(solutions_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { useSolution(solutions_->row(item)); });
    connect(useSolution_, &QPushButton::clicked, this, [this] { useSolution(solutions_->currentRow()); });
    auto* estimateRow = new QHBoxLayout;
    estimateRow->addWidget(estimate);
    estimateRow->addWidget(dataDecide_);
    estimateRow->addStretch();
    layout->addLayout(estimateRow);
    layout->addWidget(estimateText_);
    layout->addWidget(curve_);
    layout->addWidget(map_);
    layout->addWidget(solutions_);
    layout->addWidget(useSolution_, 0, Qt::AlignRight);
    addOkCancel(this, layout);
    showDialog();
}

void HmmParameterFace::runEstimate() {
    for (int i = 0; i < 6; ++i) dialog_.spinPosition[i] = spin_[i]->value();
    dialog_.onEstimate();
    showEstimate();
    showDialog();
}

// The joint fit shows its map and solutions; the levels' fit its curve.
void HmmParameterFace::showEstimate() {
    estimateShown_ = true;
    estimateText_->setText(QString::fromStdString(dialog_.estimateText));
    const bool joint = dialog_.estimate.joint && !dialog_.estimate.fit.map.cost.empty();
    curve_->setPaint([estimate = dialog_.estimate](Canvas& canvas, int width, int height) {
        paintPurityCurve(canvas, estimate, width, height, false);
    });
    curve_->setVisible(!joint && !dialog_.estimate.curve.empty());
    map_->setPaint([fit = dialog_.estimate.fit](Canvas& canvas, int width, int height) {
        paintPurityMap(canvas, fit, width, height, true);
    });
    map_->setVisible(joint);
    solutions_->clear();
    const std::vector<std::string> lines = dialog_.solutionLines();
    // Numbered as the map numbers its marks.
    for (std::size_t k = 0; k < lines.size(); ++k)
        solutions_->addItem(QString("%1.  %2").arg(k + 1).arg(QString::fromStdString(lines[k])));
    // Tall enough for every solution without a scroll bar (the fit keeps a handful).
    const int rows = std::max(1, solutions_->count());
    solutions_->setFixedHeight(rows * solutions_->sizeHintForRow(0) + 2 * solutions_->frameWidth() + 4);
    solutions_->setVisible(!lines.empty());
    useSolution_->setVisible(!lines.empty());
    useSolution_->setEnabled(solutions_->currentRow() >= 0);
    adjustSize();
    // The map and the list make the dialog much taller: it moves up so that OK stays on screen.
    if (const QScreen* shown = screen()) {
        const QRect room = shown->availableGeometry();
        const int below = frameGeometry().bottom() - room.bottom();
        if (below > 0) move(x(), std::max(room.top(), y() - below));
    }
}

// Closes with OK: the command applies the solution whole, in place of the spins.
void HmmParameterFace::useSolution(int row) {
    if (!dialog_.pickSolution(row + 1)) return;
    accept();
}

void HmmParameterFace::showDialog() {
    for (int i = 0; i < 6; ++i) {
        current_[i]->setText(QString::fromLocal8Bit(dialog_.currentValueText[i]));
        spin_[i]->setValue(dialog_.spinPosition[i]);
    }
}

void HmmParameterFace::accept() {
    for (int i = 0; i < 6; ++i) dialog_.spinPosition[i] = spin_[i]->value();
    dialog_.onOk();
    QDialog::accept();
}

RefSelectFace::RefSelectFace(CRefSelect& dialog, UserInterface& ui, QWidget* parent)
    : QDialog(parent), dialog_(dialog), ui_(ui) {
    QVBoxLayout* layout = begin(this);
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
    QVBoxLayout* layout = begin(this);
    n_ = radioGroup(this, layout, "Base Copy Number of the Selected Region", {"n=1", "n=2", "n=3", "n=4"}, 0,
                    1001);
    addOkCancel(this, layout);
}

void BaseSetFace::accept() {
    dialog_.n = n_->checkedId() >= 1 ? n_->checkedId() : 0;
    if (dialog_.onOk(ui_)) QDialog::accept();
}

} // namespace varn
