#pragma once

#include <QDialog>

namespace varn {

// The About box (dialog 100): the program icon, "VARN Version " and the project version, and OK.
class CAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutBox(QWidget* parent = nullptr);
};

} // namespace varn
