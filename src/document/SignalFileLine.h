#pragma once

#include "DocumentLimits.h"

#include <cstddef>
#include <cstdint>
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

    // Bytes past the end of a line that the in-place reading looks at (whatever they hold).
    static constexpr std::size_t kReadAhead = 64;

private:
    // Most lines need neither copy nor deletion: when every "null" the deletion would take is a
    // field of its own and every number is in plain decimal form, skipping the first sixteen
    // "null" fields while reading gives the same result. The line ends in its line end and
    // kReadAhead bytes after it are readable. False when the line needs the full treatment.
    bool scanPlainLine(const char* line, std::size_t length, const char* readableEnd, float (&values)[kProbes],
                       int& count);
    // Where the fields of the line start and end, in pairs; returns the number of fields.
    int findFields(const char* line, std::size_t length);

    // Field edges of one line: at most one per character of a 4095-character piece plus its end,
    // and room for the batches of eight written ahead.
    std::uint16_t edges_[4096 + 32];
    std::string padded_; // a line copied where too few bytes after it are readable
    std::string withTab_; // reused from line to line
    std::string text_;
};

} // namespace varn
