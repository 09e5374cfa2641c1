#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace varn {

class Canvas;

// A word of a title and what goes before it on the same line (nothing for the first).
struct TitleWord {
    std::string text;
    std::string before;
};

// The title's words at its spaces; a run of spaces (the gap between two figures) goes before the
// word after it.
std::vector<TitleWord> splitTitle(const std::string& title);

// The words in lines no wider than `width` device pixels as the canvas measures them: wrapped
// between words into at most maxLines lines; where that is not room enough, the words named in
// `names` (a sample's name) are shortened alike with an ellipsis. The other words (the figures)
// are never shortened: a page too narrow even for them takes as many lines as they need.
std::vector<std::string> fitTitle(const Canvas& canvas, const std::vector<TitleWord>& words,
                                  const std::vector<std::size_t>& names, int width, int maxLines);

} // namespace varn
