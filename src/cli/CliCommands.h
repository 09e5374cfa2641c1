#pragma once

#include <iosfwd>

namespace varn::cli {

// Exit status: 0 success; 1 the operation failed (its message is on stderr); 2 bad usage.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

int runCli(int argc, char** argv, std::ostream& out, std::ostream& err);

} // namespace varn::cli
