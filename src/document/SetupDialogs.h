#pragma once

#include <string>

namespace varn {

class UserInterface;

// The modal dialogs of the analysis set-up, as plain members and their OK rules. Every dialog
// template's title bar reads "Dialog".

// Type of analysis and type of arrays.
class CBasicMode {
public:
    int mode = 2;        // 1 = self reference, 2 = non-self reference
    int arrayChoice = 1; // 1 = Xba, 2 = Hind, 0 = Xba + Hind

    // The radio buttons that are checked when the dialog opens (ids 1001..1005).
    bool selfChecked() const { return mode == 1; }
    bool nonSelfChecked() const { return mode == 2; }
    bool xbaChecked() const { return arrayChoice != 0 && arrayChoice != 2; } // -1 before the first analysis
    bool hindChecked() const { return arrayChoice == 2; }
    bool bothChecked() const { return arrayChoice == 0; }
};

// A new sample (raw files) or an edited sample (a temporary file) of one array.
class CSampleSelect {
public:
    int sampleChoice = 0; // 1 = new, 2 = edited, 0 = nothing checked
    std::string signalPath, signalName;
    std::string snpPath, snpName;
    int arrayChoice = 1;
};

// The paired road: tumour and normal, signals and calls.
class CSelfSampleSelect {
public:
    std::string tumorSignalPath, tumorSignalName;
    std::string tumorSnpPath, tumorSnpName;
    std::string normalSignalPath, normalSignalName;
    std::string normalSnpPath, normalSnpName;
    int arrayChoice = 1;
    int sampleChoice = 0;
};

// Array type for pool building: 1 = "Xba 50K", 2 = "Hind 50K", 0 = none checked.
class CSampleTypeSelect {
public:
    int sampleType = 0;

    // OK with neither type checked shows "Select one type " and keeps the dialog open.
    bool onOk(UserInterface& ui);
};

} // namespace varn
