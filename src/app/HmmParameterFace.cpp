#include "HmmParameterFace.h"

#include "CanvasWidget.h"
#include "FaceParts.h"
#include "ScreenScrollArea.h"
#include "commands/CHMMParameter.h"
#include "view/PaintPurityCurve.h"
#include "view/PaintPurityMap.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace varn {

HmmParameterFace::HmmParameterFace(CHMMParameter& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    // Everything but OK and Cancel scrolls where the dialog would outgrow the screen.
    QVBoxLayout* outer = beginFace(this);
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
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
        // The read-only edit beside a spin shows the mean the spin stands for now.
        connect(spin_[i], &QSpinBox::valueChanged, this, [this, i](int value) {
            dialog_.spinPosition[i] = value;
            followSpins();
        });
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
    if (!dialog_.baselineChoice) dataDecide_->setVisible(false);
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
    const QString fitMeaning =
        "fit: how closely the segments' levels and B-allele fractions follow the states a solution gives "
        "them; 100 % when every segment sits on its state, 0 % when none fits any. The list is ranked by it, "
        "best first, and the map shades the same measure.";
    solutions_->setToolTip(fitMeaning +
                           " Each segment counts its squared distance from its state in standard errors, at most "
                           "25 (a segment that fits no state); fit = 1 - their sum / (25 x segments).");
    fitNote_ = new QLabel(fitMeaning, this);
    fitNote_->setObjectName("fitNote");
    fitNote_->setWordWrap(true);
    fitNote_->setToolTip(solutions_->toolTip());
    fitNote_->setVisible(false);
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
    // Selecting a solution puts the means for its fraction in the spins; OK applies it whole.
    connect(solutions_, &QListWidget::currentRowChanged, this, [this](int row) {
        useSolution_->setEnabled(row >= 0);
        if (row >= 0 && dialog_.pickSolution(row + 1)) showDialog();
    });
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
    layout->addWidget(fitNote_);
    layout->addWidget(useSolution_, 0, Qt::AlignRight);
    // The buttons' row, the layout's margins and the window's frame stay outside the area.
    constexpr int kAroundArea = 120;
    outer->addWidget(new ScreenScrollArea(content, kAroundArea, this));
    addOkCancel(this, outer);
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
    const QSignalBlocker quiet(solutions_);
    solutions_->clear();
    const std::vector<std::string> lines = dialog_.solutionLines();
    // Numbered as the map numbers its marks; the solution Estimate selected is current.
    for (std::size_t k = 0; k < lines.size(); ++k)
        solutions_->addItem(QString("%1.  %2").arg(k + 1).arg(QString::fromStdString(lines[k])));
    solutions_->setCurrentRow(dialog_.pickedNumber - 1);
    // Tall enough for every solution without a scroll bar (the fit keeps a handful).
    const int rows = std::max(1, solutions_->count());
    solutions_->setFixedHeight(rows * solutions_->sizeHintForRow(0) + 2 * solutions_->frameWidth() + 4);
    solutions_->setVisible(!lines.empty());
    fitNote_->setVisible(!lines.empty());
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
    showDialog();
    accept();
}

void HmmParameterFace::showDialog() {
    for (int i = 0; i < 6; ++i) {
        const QSignalBlocker quiet(spin_[i]);
        spin_[i]->setValue(dialog_.spinPosition[i]);
    }
    followSpins();
}

// A spin moved away from the selected solution's means makes the means the user's own: the list
// no longer names a solution that OK would apply.
void HmmParameterFace::followSpins() {
    dialog_.followSpins();
    for (int i = 0; i < 6; ++i) current_[i]->setText(QString::fromLocal8Bit(dialog_.currentValueText[i]));
    if (dialog_.pickedNumber > 0 && !dialog_.spinsMatchEstimate()) {
        dialog_.pickedNumber = 0;
        const QSignalBlocker quiet(solutions_);
        solutions_->setCurrentRow(-1);
        useSolution_->setEnabled(false);
    }
}

void HmmParameterFace::accept() {
    for (int i = 0; i < 6; ++i) dialog_.spinPosition[i] = spin_[i]->value();
    dialog_.onOk();
    QDialog::accept();
}

} // namespace varn
