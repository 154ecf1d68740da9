#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velmar::cli {

// report, compare, find, similar. Returns the exit code (0 done, 1 the file did not load,
// 2 wrong usage), or -1 when `command` is not one of these.
[[nodiscard]] int RunAnalysisCommand(const std::string& command,
                                     const std::vector<std::string>& args, std::ostream& out,
                                     std::ostream& err);
// The usage lines of these commands, for the program's usage text.
[[nodiscard]] const char* AnalysisUsage();

}  // namespace velmar::cli
