#pragma once

#include <string>
#include <string_view>

namespace varn::cli {

// The tool's usage, printed by --help and after a usage mistake.
extern const std::string_view kUsage;

// The help of the profile command (CliProfileHelp.cpp).
extern const std::string_view kProfileHelp;

// The help of one command; empty for an unknown command.
std::string commandHelp(std::string_view command);

} // namespace varn::cli
