#pragma once

#include "analysis/Reports.h"

namespace velmar {

// The order of the list by sound as the user's locale sorts texts, case ignored. The window and
// velmar-cli both use it, so the CLI prints the list exactly as the viewer shows it.
[[nodiscard]] KeyLess LocaleKeyLess();

}  // namespace velmar
