#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace varn {

class CProfileOpen;
class UserInterface;

// Open Profile's dialog: the file's samples to choose from ("sample"), the normal ("normal") and
// the population frequencies ("pfb") with a Browse button each, the build ("build"), and what the
// first reading found, read-only ("read"). OK ("1") runs the dialog's rule; Cancel ("2").
class ProfileOpenFace : public QDialog {
    Q_OBJECT
  public:
    ProfileOpenFace(CProfileOpen& dialog, UserInterface& ui, QWidget* parent);
    void accept() override;

  private:
    QLineEdit* fileRow(const char* name, const QString& text, const char* title);

    CProfileOpen& dialog_;
    UserInterface& ui_;
    QComboBox* sample_;
    QComboBox* build_;
    QLineEdit* normal_;
    QLineEdit* pfb_;
};

} // namespace varn
