#include "SignalFileLine.h"

#include "PlainDecimal.h"
#include "ScanfFields.h"
#include "TextLines.h"

#include <algorithm>
#include <cstring>

namespace varn {

namespace {

constexpr std::string_view kNull = "null";

// The first "null" of text at or after from; npos when there is none.
std::size_t findNull(std::string_view text, std::size_t from) {
    while (from + 4 <= text.size()) {
        const void* n = std::memchr(text.data() + from, 'n', text.size() - from - 3);
        if (n == nullptr) break;
        const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(n) - text.data());
        if (text[at + 1] == 'u' && text[at + 2] == 'l' && text[at + 3] == 'l') return at;
        from = at + 1;
    }
    return std::string_view::npos;
}

// Whether text ends with the first k letters of "null", and whether it starts with the rest.
bool endsWithNullPrefix(std::string_view text, std::size_t k) {
    for (std::size_t i = 0; i < k; ++i)
        if (text[text.size() - k + i] != kNull[i]) return false;
    return true;
}
bool startsWithNullSuffix(std::string_view text, std::size_t k) {
    if (text.size() < 4 - k) return false;
    for (std::size_t i = k; i < 4; ++i)
        if (text[i - k] != kNull[i]) return false;
    return true;
}

} // namespace

void deleteNullFields(std::string_view line, std::string& out) {
    out.clear();
    std::size_t s = 0; // next unread character of line; out holds the text before it, free of "null"
    for (int deleted = 0; deleted < kNullFields; ++deleted) {
        // A "null" that starts in the last characters kept and ends in the unread text: the
        // longer the kept part, the earlier it starts.
        bool joined = false;
        for (std::size_t k = 3; k >= 1 && !joined; --k) {
            if (out.size() >= k && endsWithNullPrefix(out, k) && startsWithNullSuffix(line.substr(s), k)) {
                out.resize(out.size() - k);
                s = std::min(s + (4 - k) + 1, line.size());
                joined = true;
            }
        }
        if (joined) continue;
        const std::size_t at = findNull(line, s);
        if (at == std::string_view::npos) break;
        out.append(line.substr(s, at - s));
        s = std::min(at + kNull.size() + 1, line.size());
    }
    out.append(line.substr(s));
}

bool SignalLineScanner::scanPlainLine(std::string_view text, const char* readableEnd, float (&values)[kProbes],
                                      int& count) const {
    // The line end stops every field, in place of the zero that would follow an appended tab.
    if (text.empty() || text.back() != '\n') return false;
    const char* p = text.data();
    const char* end = p + text.size();
    int nullsLeft = kNullFields;
    const char* start = p;
    // A "null" with white space on both sides: deleting it with its separator just drops the field.
    auto skipSpaceAndNulls = [&](const char* q) {
        q = skipSpace(q, end);
        while (nullsLeft > 0 && end - q >= 5 && (q == start || isScanSpace(q[-1])) && q[0] == 'n' && q[1] == 'u' &&
               q[2] == 'l' && q[3] == 'l' && isScanSpace(q[4])) {
            --nullsLeft;
            q = skipSpace(q + 4, end);
        }
        return q;
    };
    count = 0;
    p = skipSpaceAndNulls(p);
    p = skipScanInt(p, end);
    // Deleting a "null" further on could still bring digits to where the serial failed.
    if (p == nullptr) return nullsLeft == 0 || std::memchr(text.data(), 'n', text.size()) == nullptr;
    p = skipSpaceAndNulls(p);
    const char* id = p;
    p = skipScanString(p, end);
    if (p == nullptr) return true; // nothing but white space after the serial
    // A "null" inside the identifier would be deleted out of it.
    for (const char* c = id; c + 4 <= p; ++c)
        if (c[0] == 'n' && c[1] == 'u' && c[2] == 'l' && c[3] == 'l') return false;
    // A local count stays in a register; the caller's only gets the result.
    int got = 0;
    for (; got < kProbes; ++got) {
        p = skipSpaceAndNulls(p);
        if (p == end) break;
        p = scanPlainFloat(p, readableEnd, values[got]);
        if (p == nullptr) return false;
    }
    count = got;
    return true;
}

int SignalLineScanner::scan(std::string_view piece, float (&values)[kProbes], const char* readableEnd) {
    const std::string_view text = cText(piece);
    if (readableEnd == nullptr || readableEnd < piece.data() + piece.size()) readableEnd = piece.data() + piece.size();
    int count = 0;
    if (text.size() == piece.size() && scanPlainLine(text, readableEnd, values, count)) return count;

    // The line gets one tab appended, so that a "null" ending the line also has a separator to
    // take with it.
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
