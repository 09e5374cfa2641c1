#include "CRefSelect.h"

#include "document/UserInterface.h"

#include <cstdio>
#include <cstring>

namespace varn {

void CRefSelect::onInitDialog() {
    onSampleLoad();
    listedOnOpening = true;
}

// A name slot is 16 characters wide; a name that fills it has no terminator and is shown as its
// 16 characters.
void CRefSelect::onSampleLoad() {
    if (listedOnOpening) {
        listedOnOpening = false;
        return;
    }
    for (int s = 1; s < entryCount && s < 500; ++s) {
        const std::string name(referenceName[s], strnlen(referenceName[s], sizeof referenceName[s]));
        char line[96];
        std::snprintf(line, sizeof line, " sample%s   %06f", name.c_str(), static_cast<double>(referenceSd[s]));
        listItems.emplace_back(line);
        listChecked.push_back(false);
    }
}

// Tick flags exist for the first 499 list items; a ticked item beyond them (possible after
// repeated "Sample Load" presses) is not counted.
bool CRefSelect::onOk(UserInterface& ui) {
    tickedCount = 0;
    firstTicked = 0;
    for (std::size_t i = 0; i < listItems.size() && i < 499; ++i) {
        const bool ticked = i < listChecked.size() && listChecked[i];
        itemTicked[i] = ticked ? 1 : 0;
        if (!ticked) continue;
        if (tickedCount == 0) firstTicked = static_cast<int>(i) + 1;
        ++tickedCount;
    }
    if (tickedCount == 0) {
        ui.messageBox("Select samples");
        return false;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%d items selected \n as references", tickedCount);
    ui.messageBox(text);
    return true;
}

} // namespace varn
