#pragma once

#include <QString>
#include <QStringList>

class QButtonGroup;
class QDialog;
class QVBoxLayout;

namespace varn {

// The pieces every dialog face is built from: the title bar and column, the radio groups and the
// OK / Cancel row, with the control ids the dialog templates gave them.

// Titles the dialog "Dialog", as every template does, and returns its column.
QVBoxLayout* beginFace(QDialog* dialog);

// A group of radio buttons; button k of the labels gets id k + 1 in the group and the control id
// firstControl + k as its object name. None is checked unless the checked id names one. An empty
// title leaves a plain frame around the buttons.
QButtonGroup* radioGroup(QDialog* owner, QVBoxLayout* layout, const QString& title, const QStringList& labels,
                         int checked, int firstControl);

void addOkCancel(QDialog* dialog, QVBoxLayout* layout);

} // namespace varn
