#pragma once

namespace varn {

// The HMM parameter dialog (dialog 140): six rows from N=5 at the top to N=0 at the bottom;
// member[i] stands for copy number 5 - i. Spin controls run -150..150 (hundredths).
class CHMMParameter {
public:
    float member[6] = {};
    int spinPosition[6] = {};      // as the spin controls hold them
    char currentValueText[6][32] = {}; // the read-only edits, "%3f" of the members

    void onInitDialog();   // also run by "Current Value"
    void onDefault();      // "Default": spin positions 89, 65, 37, 0, -49, -124
    void onCurrentValue() { onInitDialog(); }
    void onOk();           // reads the spins back as unsigned 16-bit values into the members
};

} // namespace varn
