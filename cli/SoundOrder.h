#pragma once

#include "analysis/Reports.h"

namespace velmar::cli {

// The order of the list by sound: the user's locale collation when the program is built with
// Qt (the viewer's order), else the ASCII case-insensitive fallback.
[[nodiscard]] KeyLess SoundOrder();

}  // namespace velmar::cli
