#pragma once

#include "document/profile/ProfileReading.h"

#include <filesystem>
#include <string>
#include <vector>

namespace varn {

class UserInterface;

// Open Profile's dialog: what the file leaves open before its profile is read whole - the sample
// of a report that holds several, the patient's normal (optional), the build the positions are
// in and the population frequencies - over what a first reading of the file found.
class CProfileOpen {
public:
    std::filesystem::path file;
    std::vector<std::string> samples; // every sample the file holds; more than one asks for a choice
    std::vector<std::string> read;    // what the first reading found: its notes, then its warnings

    std::string sample; // one of samples; empty for a file of one sample
    std::filesystem::path normal;
    GenomeBuild build = GenomeBuild::Hg19;
    std::filesystem::path pfb;

    // Fills the lists from a first reading of the file.
    void onInitDialog(const ProfileReading& first);
    // A file of several samples needs one of them named: otherwise the box says so and the dialog
    // stays open.
    bool onOk(UserInterface& ui) const;
    // The reading's options the answers stand for.
    ProfileOptions options() const;
};

} // namespace varn
