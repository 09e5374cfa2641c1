#pragma once

namespace varn {

class UserInterface;

// Base copy number of the selected region (dialog 134): n = 1..4, none preselected.
class CBaseSet {
public:
    int n = 0; // 0 = nothing ticked

    // With no button ticked shows "Select one " and keeps the dialog open.
    bool onOk(UserInterface& ui);
};

} // namespace varn
