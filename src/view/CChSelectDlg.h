#pragma once

namespace varn {

// Chromosome selection (dialog 139): "Ch1" .. "Ch22" (ids 1001..1022) and "ChX" (1023).
class CChSelectDlg {
public:
    int checked = 0; // 1..23 of the checked button, 0 = none
    int result = 0;  // the choice after OK

    // "Ch1" is pre-checked on the first opening in a program run only.
    void onInitDialog(bool firstOpening) { checked = firstOpening ? 1 : 0; }
    // OK with nothing checked is refused (the dialog stays open); otherwise result = checked.
    bool onOk() {
        if (checked < 1 || checked > 23) return false;
        result = checked;
        return true;
    }
};

} // namespace varn
