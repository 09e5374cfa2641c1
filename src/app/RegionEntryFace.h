#pragma once

#include <QDialog>

class QLineEdit;

namespace varn {

class CRegionEntry;
class UserInterface;

// Range Set's typed region: one line of text ("region") with OK ("1") and Cancel ("2"), titled
// "Dialog" as every dialog of the program. OK runs the dialog's own rule, which keeps it open
// while the text names no region of the page's array.
class RegionEntryFace : public QDialog {
    Q_OBJECT
  public:
    RegionEntryFace(CRegionEntry& dialog, UserInterface& ui, QWidget* parent);
    void accept() override;

  private:
    CRegionEntry& dialog_;
    UserInterface& ui_;
    QLineEdit* text_;
};

} // namespace varn
