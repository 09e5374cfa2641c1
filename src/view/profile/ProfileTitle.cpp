#include "ProfileTitle.h"

#include "view/Canvas.h"

#include <cstddef>

namespace varn {

namespace {

constexpr const char* kPartSeparator = "  \u00b7  ";
constexpr const char* kEllipsis = "\u2026";

// A word of the title and what goes before it on the same line.
struct Word {
    std::string text;
    std::string before;
};

std::vector<Word> titleWords(const std::string& sample, const std::string& build,
                             const std::string& solution) {
    // The sample's name stays one word: it is shortened, not broken.
    std::vector<Word> words = {{sample, ""}, {build, kPartSeparator}};
    const char* before = kPartSeparator;
    std::size_t at = 0;
    while (at < solution.size()) {
        const std::size_t space = solution.find(' ', at);
        const std::size_t end = space == std::string::npos ? solution.size() : space;
        if (end > at) {
            words.push_back({solution.substr(at, end - at), before});
            before = " ";
        }
        at = end + 1;
    }
    if (sample.empty()) words.erase(words.begin()), words.front().before.clear();
    return words;
}

// Greedy wrapping: a word goes on the line when the line with it still fits, else it starts the
// next one.
std::vector<std::string> wrap(const Canvas& canvas, const std::vector<Word>& words, int width) {
    std::vector<std::string> lines;
    for (const Word& w : words) {
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

std::vector<std::string> fitTitle(const Canvas& canvas, const std::string& sample, const std::string& build,
                                  const std::string& solution, int width, int maxLines) {
    const std::size_t most = static_cast<std::size_t>(maxLines < 1 ? 1 : maxLines);
    std::vector<std::string> lines = wrap(canvas, titleWords(sample, build, solution), width);
    if (fits(canvas, lines, width, most) || sample.empty()) return lines;
    // The longest start of the name that lets the title fit; none at all, when even the ellipsis
    // alone does not, and then the name as long as a line holds and as many lines as it takes.
    auto attempt = [&](std::size_t characters) {
        return wrap(canvas, titleWords(shortened(sample, characters), build, solution), width);
    };
    // The whole name did not fit, so at most all but its last character.
    std::size_t low = 0, high = characterCount(sample) - 1;
    if (!fits(canvas, attempt(0), width, most)) {
        while (low < high) {
            const std::size_t mid = (low + high + 1) / 2;
            if (canvas.textSize(shortened(sample, mid)).width <= width)
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
