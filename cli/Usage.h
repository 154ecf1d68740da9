#pragma once

#include <iosfwd>
#include <string>

namespace velmar {
class Document;
}

namespace velmar::cli {

// Prints the usage text to `err` and returns the exit code for wrong usage (2).
int UsageError(std::ostream& err);
// Loads the file; on failure prints the load's error text to `err`.
[[nodiscard]] bool LoadOrReport(Document& doc, const std::string& name, std::ostream& err);
// A set list or slot index 0..127.
[[nodiscard]] bool ParseIndex(const std::string& text, int& value);

}  // namespace velmar::cli
