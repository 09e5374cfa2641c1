#pragma once

#include <QDialog>

class QRadioButton;

namespace varn {

class CChSelectDlg;

// The face of the chromosome selection dialog (139): a group "Select a Chromosome" of 23 radio
// buttons "Ch1" .. "Ch22" and "ChX" (ids 1001 .. 1023), OK and Cancel.
class ChSelectDialog : public QDialog {
    Q_OBJECT
  public:
    ChSelectDialog(CChSelectDlg& dialog, QWidget* parent = nullptr);

    QRadioButton* button(int chromosome) const { return buttons_[chromosome - 1]; }

    void accept() override;

  private:
    CChSelectDlg& dialog_;
    QRadioButton* buttons_[23] = {};
};

} // namespace varn
