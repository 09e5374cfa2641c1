#include "SignalFileLine.h"

#include "ScanfFields.h"
#include "TextLines.h"

#include <algorithm>

namespace varn {

namespace {
constexpr std::string_view kNull = "null";
} // namespace

void deleteNullFields(std::string_view line, std::string& out) {
    out.clear();
    std::size_t s = 0; // next unread character of line; out holds the text before it, free of "null"
    for (int deleted = 0; deleted < kNullFields; ++deleted) {
        // A "null" that starts in the last characters kept and ends in the unread text: the
        // longer the kept part, the earlier it starts.
        bool joined = false;
        for (std::size_t k = 3; k >= 1 && !joined; --k) {
            if (out.size() >= k && std::string_view(out).substr(out.size() - k) == kNull.substr(0, k) &&
                line.substr(s).starts_with(kNull.substr(k))) {
                out.resize(out.size() - k);
                s = std::min(s + (4 - k) + 1, line.size());
                joined = true;
            }
        }
        if (joined) continue;
        const std::size_t at = line.find(kNull, s);
        if (at == std::string_view::npos) break;
        out.append(line.substr(s, at - s));
        s = std::min(at + kNull.size() + 1, line.size());
    }
    out.append(line.substr(s));
}

int SignalLineScanner::scan(std::string_view piece, float (&values)[kProbes]) {
    // The line gets one tab appended, so that a "null" ending the line also has a separator to
    // take with it.
    const std::string_view text = cText(piece);
    withTab_.assign(text);
    withTab_.push_back('\t');
    deleteNullFields(withTab_, text_);

    const char* p = text_.c_str();
    const char* end = p + text_.size();
    p = skipScanInt(p, end);
    if (p == nullptr) return 0;
    p = skipScanString(p, end);
    if (p == nullptr) return 0;
    for (int i = 0; i < kProbes; ++i) {
        p = scanFloat(p, end, values[i]);
        if (p == nullptr) return i;
    }
    return kProbes;
}

} // namespace varn
