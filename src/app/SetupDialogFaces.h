#pragma once

#include "HmmParameterFace.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QListWidget;

namespace varn {

class CAverage;
class CBaseSet;
class CBasicMode;
class CRefSelect;
class CSampleSelect;
class CSampleTypeSelect;
class CSelfSampleSelect;
class InstallRoot;
class UserInterface;

// Plain Qt faces of the analysis dialogs. Each shows its dialog object's members when it opens,
// writes the controls back on OK and lets the dialog's own OK rule refuse (the face then stays
// open). Every template's title bar reads "Dialog".

class BasicModeFace : public QDialog {
    Q_OBJECT
  public:
    BasicModeFace(CBasicMode& dialog, QWidget* parent);
    void accept() override;

  private:
    CBasicMode& dialog_;
    QButtonGroup* analysis_;
    QButtonGroup* arrays_;
};

// The sample dialogs' push buttons open the file chooser of their row; the read-only edit beside
// each shows the chosen file's name without its extension.
class SampleSelectFace : public QDialog {
    Q_OBJECT
  public:
    SampleSelectFace(CSampleSelect& dialog, UserInterface& ui, const InstallRoot& root, QWidget* parent);
    void accept() override;

  private:
    CSampleSelect& dialog_;
    QButtonGroup* choice_;
};

class SelfSampleSelectFace : public QDialog {
    Q_OBJECT
  public:
    SelfSampleSelectFace(CSelfSampleSelect& dialog, UserInterface& ui, const InstallRoot& root,
                         QWidget* parent);
    void accept() override;

  private:
    CSelfSampleSelect& dialog_;
    QButtonGroup* choice_;
};

class SampleTypeSelectFace : public QDialog {
    Q_OBJECT
  public:
    SampleTypeSelectFace(CSampleTypeSelect& dialog, UserInterface& ui, QWidget* parent);
    void accept() override;

  private:
    CSampleTypeSelect& dialog_;
    UserInterface& ui_;
    QButtonGroup* type_;
};

class AverageFace : public QDialog {
    Q_OBJECT
  public:
    AverageFace(CAverage& dialog, UserInterface& ui, QWidget* parent);
    void accept() override;

  private:
    CAverage& dialog_;
    UserInterface& ui_;
    QButtonGroup* trim_;
    QButtonGroup* draw_;
    QLineEdit* number_;
};

class RefSelectFace : public QDialog {
    Q_OBJECT
  public:
    RefSelectFace(CRefSelect& dialog, UserInterface& ui, QWidget* parent);
    void accept() override;

  private:
    void showList();
    void readTicks();

    CRefSelect& dialog_;
    UserInterface& ui_;
    QListWidget* list_;
};

class BaseSetFace : public QDialog {
    Q_OBJECT
  public:
    BaseSetFace(CBaseSet& dialog, UserInterface& ui, QWidget* parent);
    void accept() override;

  private:
    CBaseSet& dialog_;
    UserInterface& ui_;
    QButtonGroup* n_;
};

} // namespace varn
