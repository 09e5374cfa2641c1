#pragma once

#include <string>
#include <vector>

namespace varn {

class Canvas;

// The title of a profile's picture: the sample, the build and the solution in use, one after the
// other ("Tumor1  ·  hg19  ·  solution 1: tumour cells=70%, ploidy 2.06"), in lines no wider than
// `width` device pixels as the canvas measures them. The title wraps at spaces into at most
// maxLines lines; where that is not room enough, the sample's name is shortened with an ellipsis.
// The build and the solution's figures are never shortened: a picture too narrow even for them
// takes as many lines as they need.
std::vector<std::string> fitTitle(const Canvas& canvas, const std::string& sample, const std::string& build,
                                  const std::string& solution, int width, int maxLines);

} // namespace varn
