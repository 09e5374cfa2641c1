#pragma once

#include <QIcon>

class QStyle;

namespace varn {

// Not a command: asks toolbarIcon() for the program's own icon.
inline constexpr int ID_PROGRAM_ICON = 1;

// The image of a toolbar button: the style's standard icon where one says the same thing
// (new, open, save, arrows, information), a small drawn picture elsewhere.
QIcon toolbarIcon(int commandId, const QStyle& style);

} // namespace varn
