#include "CBaseSet.h"

#include "document/UserInterface.h"

namespace varn {

bool CBaseSet::onOk(UserInterface& ui) {
    if (n >= 1 && n <= 4) return true;
    ui.messageBox("Select one ");
    return false;
}

} // namespace varn
