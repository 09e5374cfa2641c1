#include "TitleFit.h"

#include "Canvas.h"

namespace varn {

namespace {

constexpr const char* kEllipsis = "\u2026";

// Greedy wrapping: a word goes on the line when the line with it still fits, else it starts the
// next one.
std::vector<std::string> wrap(const Canvas& canvas, const std::vector<TitleWord>& words, int width) {
    std::vector<std::string> lines;
    for (const TitleWord& w : words) {
        if (!lines.empty()) {
            const std::string longer = lines.back() + w.before + w.text;
            if (canvas.textSize(longer).width <= width) {
                lines.back() = longer;
                continue;
            }
        }
        lines.push_back(w.text);
    }
    return lines;
}

bool fits(const Canvas& canvas, const std::vector<std::string>& lines, int width, std::size_t maxLines) {
    if (lines.size() > maxLines) return false;
    for (const std::string& line : lines)
        if (canvas.textSize(line).width > width) return false;
    return true;
}

// The first `characters` characters of a UTF-8 text, and an ellipsis.
std::string shortened(const std::string& text, std::size_t characters) {
    std::size_t at = 0;
    for (std::size_t k = 0; k < characters && at < text.size(); ++k) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    }
    return text.substr(0, at) + kEllipsis;
}

std::size_t characterCount(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

} // namespace

std::vector<TitleWord> splitTitle(const std::string& title) {
    std::vector<TitleWord> words;
    std::string before;
    std::size_t at = 0;
    while (at < title.size()) {
        const std::size_t space = title.find(' ', at);
        const std::size_t end = space == std::string::npos ? title.size() : space;
        if (end > at) {
            words.push_back({title.substr(at, end - at), words.empty() ? std::string() : before});
            before.clear();
        }
        if (space != std::string::npos) before += ' ';
        at = end + 1;
    }
    return words;
}

std::vector<std::string> fitTitle(const Canvas& canvas, const std::vector<TitleWord>& words,
                                  const std::vector<std::size_t>& names, int width, int maxLines) {
    const std::size_t most = static_cast<std::size_t>(maxLines < 1 ? 1 : maxLines);
    std::vector<std::string> lines = wrap(canvas, words, width);
    std::size_t longest = 0;
    for (std::size_t n : names)
        if (n < words.size()) longest = std::max(longest, characterCount(words[n].text));
    if (fits(canvas, lines, width, most) || longest == 0) return lines;
    // Names no longer than the count keep their whole text.
    auto withNames = [&](std::size_t characters) {
        std::vector<TitleWord> shorter = words;
        for (std::size_t n : names)
            if (n < shorter.size() && characterCount(shorter[n].text) > characters)
                shorter[n].text = shortened(shorter[n].text, characters);
        return shorter;
    };
    auto attempt = [&](std::size_t characters) { return wrap(canvas, withNames(characters), width); };
    // The longest start of the names that lets the title fit; none at all, when even the ellipsis
    // alone does not, and then the names as long as a line holds and as many lines as it takes.
    // The whole names did not fit, so at most all but their last character.
    std::size_t low = 0, high = longest - 1;
    if (!fits(canvas, attempt(0), width, most)) {
        while (low < high) {
            const std::size_t mid = (low + high + 1) / 2;
            bool each = true;
            for (std::size_t n : names)
                if (n < words.size() && characterCount(words[n].text) > mid &&
                    canvas.textSize(shortened(words[n].text, mid)).width > width)
                    each = false;
            if (each)
                low = mid;
            else
                high = mid - 1;
        }
        return attempt(low);
    }
    while (low < high) {
        const std::size_t mid = (low + high + 1) / 2;
        if (fits(canvas, attempt(mid), width, most))
            low = mid;
        else
            high = mid - 1;
    }
    return attempt(low);
}

} // namespace varn
