#pragma once

namespace varn {

// Chromosome selection (dialog 139): "Ch1" .. "Ch22" (ids 1001..1022) and "ChX" (1023).
class CChSelectDlg {
public:
    int checked = 0; // 1..23 of the checked button, 0 = none
    int result = 0;  // the choice after OK

    // "Ch1" is pre-checked on the first opening in a program run only.
    void onInitDialog(bool firstOpening) { checked = firstOpening ? 1 : 0; }
    // OK takes the checked button; with none checked the result is 0 and the caller keeps the
    // chromosome it shows.
    bool onOk() {
        result = (checked >= 1 && checked <= 23) ? checked : 0;
        return true;
    }
};

} // namespace varn
