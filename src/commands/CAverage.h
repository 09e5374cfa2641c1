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
    std::string initialText;    // the edit's text when the dialog opened

    // Checks "Exclude Max and Min" and "Lines" and writes averageNumber into the edit.
    void onInitDialog();
    // Validates the radio groups and the number; shows the refusal's text and returns false to
    // keep the dialog open.
    // An edit left as it opened stands for averageNumber itself (so a caller may set the number
    // directly); edited text is parsed as the framework's integer exchange does.
    bool onOk(UserInterface& ui);
};

} // namespace varn
