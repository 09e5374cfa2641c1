#include "SetupDialogs.h"

#include "UserInterface.h"

namespace varn {

bool CSampleTypeSelect::onOk(UserInterface& ui) {
    if (sampleType == 1 || sampleType == 2) return true;
    ui.messageBox("Select one type ");
    return false;
}

} // namespace varn
