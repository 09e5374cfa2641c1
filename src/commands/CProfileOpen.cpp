#include "CProfileOpen.h"

#include "document/UserInterface.h"

#include <algorithm>

namespace varn {

void CProfileOpen::onInitDialog(const ProfileReading& first) {
    samples = first.summary.samples;
    read = first.summary.notes;
    read.insert(read.end(), first.warnings.begin(), first.warnings.end());
    // A file of one sample has nothing to choose; a report of several starts on none, so that the
    // person reads the list before the analysis is of the wrong sample.
    if (samples.size() == 1) sample = samples.front();
}

bool CProfileOpen::onOk(UserInterface& ui) const {
    if (samples.size() <= 1 || std::find(samples.begin(), samples.end(), sample) != samples.end()) return true;
    ui.messageBox("Select the sample to analyse");
    return false;
}

ProfileOptions CProfileOpen::options() const {
    ProfileOptions o;
    if (samples.size() > 1) o.sample = sample;
    o.normal = normal;
    o.build = build;
    o.pfb = pfb;
    return o;
}

} // namespace varn
