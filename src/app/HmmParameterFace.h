#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace varn {

class CHMMParameter;
class CanvasWidget;

// The face of the HMM-parameter dialog: the six state means, and the estimate of the tumour cell
// fraction with its curve, or the joint fit's map and solutions.
class HmmParameterFace : public QDialog {
    Q_OBJECT
  public:
    HmmParameterFace(CHMMParameter& dialog, QWidget* parent);
    void accept() override;

  private:
    void showDialog();
    void followSpins();
    void runEstimate();
    void showEstimate();
    void useSolution(int row);

    CHMMParameter& dialog_;
    QLineEdit* current_[6] = {};
    QSpinBox* spin_[6] = {};
    QLabel* estimateText_ = nullptr;
    CanvasWidget* curve_ = nullptr;
    CanvasWidget* map_ = nullptr;
    QListWidget* solutions_ = nullptr;
    QLabel* fitNote_ = nullptr;
    QPushButton* useSolution_ = nullptr;
    QCheckBox* dataDecide_ = nullptr;
    bool estimateShown_ = false;
};

} // namespace varn
