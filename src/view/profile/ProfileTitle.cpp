#include "ProfileTitle.h"

#include "view/TitleFit.h"

#include <cstddef>

namespace varn {

namespace {

constexpr const char* kPartSeparator = "  \u00b7  ";

std::vector<TitleWord> titleWords(const std::string& sample, const std::string& build,
                                  const std::string& solution) {
    // The sample's name stays one word: it is shortened, not broken.
    std::vector<TitleWord> words = {{sample, ""}, {build, kPartSeparator}};
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

} // namespace

std::vector<std::string> fitTitle(const Canvas& canvas, const std::string& sample, const std::string& build,
                                  const std::string& solution, int width, int maxLines) {
    const std::vector<std::size_t> names =
        sample.empty() ? std::vector<std::size_t>{} : std::vector<std::size_t>{0};
    return fitTitle(canvas, titleWords(sample, build, solution), names, width, maxLines);
}

} // namespace varn
