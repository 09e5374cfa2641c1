#include "ChSelectDialog.h"

#include "view/CChSelectDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varn {

ChSelectDialog::ChSelectDialog(CChSelectDlg& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    setWindowTitle("Dialog");
    auto* group = new QGroupBox("Select a Chromosome", this);
    auto* grid = new QGridLayout(group);
    auto* exclusive = new QButtonGroup(this);
    for (int c = 1; c <= 23; ++c) {
        auto* button = new QRadioButton(c == 23 ? QString("ChX") : QString("Ch%1").arg(c), group);
        button->setObjectName(QString::number(1000 + c));
        exclusive->addButton(button, 1000 + c);
        grid->addWidget(button, (c - 1) % 8, (c - 1) / 8);
        buttons_[c - 1] = button;
    }
    if (dialog_.checked >= 1 && dialog_.checked <= 23) buttons_[dialog_.checked - 1]->setChecked(true);

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->button(QDialogButtonBox::Ok)->setObjectName("1");
    box->button(QDialogButtonBox::Cancel)->setObjectName("2");
    connect(box, &QDialogButtonBox::accepted, this, &ChSelectDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(box);
}

void ChSelectDialog::accept() {
    dialog_.checked = 0;
    for (int c = 1; c <= 23; ++c)
        if (buttons_[c - 1]->isChecked()) dialog_.checked = c;
    if (dialog_.onOk()) QDialog::accept();
}

} // namespace varn
