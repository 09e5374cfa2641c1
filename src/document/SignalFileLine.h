#pragma once

#include "DocumentLimits.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace varn {

// The sixteen intensity fields of a signal line that the array software writes as "null".
inline constexpr int kNullFields = 16;

// Removes the "null" fields of a signal line: sixteen times, the first "null" of the text is
// deleted together with the separator after it. Deleting one can join the text around it into a
// new "null"; that one is then the first and goes next, as in repeated search-and-delete. A line
// with fewer than sixteen keeps the rest.
void deleteNullFields(std::string_view line, std::string& out);

// Reads the 40 probe intensities of one data line of a signal file: the serial number and the
// SNP identifier are skipped, the intensities taken in order of appearance once the "null"
// fields are gone. Gives the same floats and the same count as sscanf with "%*d %*s %f ... %f".
class SignalLineScanner {
public:
    // piece is the line as read, its line end included; returns how many intensities (0..40) it
    // supplied, in values[0..count). The bytes from the piece up to readableEnd (the end of the
    // file in memory) may be read ahead; by default only the piece itself.
    int scan(std::string_view piece, float (&values)[kProbes], const char* readableEnd = nullptr);

    // Bytes past the end of a line worth making readable for the word-at-a-time reading.
    static constexpr std::size_t kReadAhead = 8;

private:
    // Most lines need neither copy nor deletion: when every "null" the deletion would take is a
    // field of its own and every number is in plain decimal form, skipping the first sixteen
    // "null" fields while reading gives the same result. False when the line needs the full
    // treatment.
    bool scanPlainLine(std::string_view text, const char* readableEnd, float (&values)[kProbes], int& count) const;

    std::string withTab_; // reused from line to line
    std::string text_;
};

} // namespace varn
