#pragma once

#include <string>

namespace varn {

class UserInterface;

// The averaging dialog (dialog 133): trimming, draw method and the window length.
class CAverage {
public:
    int trimExtremes = 1;       // 1 "Exclude Max and Min" (checked on opening), 2 "Include All Data", 0 none
    int drawMethod = 2;         // 1 "Points", 2 "Lines" (checked on opening), 0 none
    int averageNumber = 10;     // validated to 1..10
    std::string averageText;    // the edit's text as typed; set from averageNumber when the dialog opens

    void onInitDialog();
    // Validates the radio groups and the number; shows the refusal's text and returns false to
    // keep the dialog open.
    bool onOk(class UserInterface& ui);
};

} // namespace varn
