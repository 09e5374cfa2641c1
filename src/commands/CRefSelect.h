#pragma once

#include <string>
#include <vector>

namespace varn {

class UserInterface;

// The reference selection dialog (dialog 135): a check list of the references ranked by SD.
class CRefSelect {
public:
    char referenceName[500][16] = {}; // rank s at place s, from 1
    float referenceSd[501] = {};      // rank s at place s, from 1
    int itemTicked[499] = {};         // 1 = list item i (from 0) ticked
    int tickedCount = 0;
    int firstTicked = 0;              // list item number + 1 of the first ticked item
    int entryCount = 0;               // refCount[t]; entries are places 1 .. entryCount - 1
    int fillFlag = 0;

    // The check list as shown: one text and one tick per item.
    std::vector<std::string> listItems;
    std::vector<bool> listChecked;
    bool listedOnOpening = false; // the opening's list, not yet claimed by a "Sample Load" press

    // The list shows the references as soon as the dialog opens, as one press of "Sample Load"
    // would; that first press then finds them listed and adds nothing, so that every press after
    // it lists them once more, as before.
    void onInitDialog();
    // "Sample Load": appends " sample%s   %06f" for every entry.
    void onSampleLoad();
    // Reads the ticks; shows "%d items selected \n as references" and returns true, or
    // "Select samples" and returns false (the dialog stays open).
    bool onOk(UserInterface& ui);
};

} // namespace varn
