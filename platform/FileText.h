#pragma once

#include <QString>
#include <string>
#include <string_view>

// Texts between the file's single-byte code page and the windows. Characters the code page
// cannot hold become '?' on the way into the file.
namespace velmar {

[[nodiscard]] QString FromFileText(std::string_view bytes);
[[nodiscard]] std::string ToFileText(const QString& text);

}  // namespace velmar
