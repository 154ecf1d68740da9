#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velmar::cli {

// lists, slots, export, resave, check. Returns the exit code, or -1 when `command` is not one
// of these.
[[nodiscard]] int RunDocumentCommand(const std::string& command, const std::vector<std::string>& args,
                                     std::ostream& out, std::ostream& err);

}  // namespace velmar::cli
