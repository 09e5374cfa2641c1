#include "RegionEntryFace.h"

#include "commands/CRegionEntry.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace varn {

RegionEntryFace::RegionEntryFace(CRegionEntry& dialog, UserInterface& ui, QWidget* parent)
    : QDialog(parent), dialog_(dialog), ui_(ui) {
    setWindowTitle("Dialog");
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel("&Region: chr1, chr1:1-100000000 or display positions from-to", this);
    text_ = new QLineEdit(QString::fromStdString(dialog.text), this);
    text_->setObjectName("region");
    text_->setMinimumWidth(label->sizeHint().width());
    label->setBuddy(text_);
    layout->addWidget(label);
    layout->addWidget(text_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("1");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("2");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    text_->setFocus();
}

void RegionEntryFace::accept() {
    dialog_.text = text_->text().toStdString();
    if (dialog_.onOk(ui_)) QDialog::accept();
}

} // namespace varn
