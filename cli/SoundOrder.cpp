#include "cli/SoundOrder.h"

#if defined(VELMAR_LOCALE_COLLATION)
#include "analysis/SoundCollation.h"
#endif

namespace velmar::cli {

KeyLess SoundOrder() {
#if defined(VELMAR_LOCALE_COLLATION)
    return LocaleKeyLess();
#else
    return AsciiCaseInsensitiveLess;
#endif
}

}  // namespace velmar::cli
