#pragma once

#include <QString>

#include <string>

namespace varn {

// Converts a chooser filter in the "description|patterns|description|patterns||" form (patterns
// separated by ';') into Qt's "description (patterns);;..." form. "*.*" is every file, as it is
// on the program's home system, so it becomes "*". A description that already ends with its
// patterns in parentheses keeps them once.
QString qtFileFilter(const std::string& filter);

} // namespace varn
