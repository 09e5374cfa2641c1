#include "FaceParts.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varn {

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

QVBoxLayout* beginFace(QDialog* dialog) {
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


} // namespace varn
