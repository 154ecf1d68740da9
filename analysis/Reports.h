#pragma once

#include <functional>
#include <string>
#include <string_view>

// The generated lists of one set list, as the text viewer shows them and the clipboard gets
// them: 128 lines, each ending with CR LF.
namespace velmar {

class Document;

// A set list or slot index written with three digits, "000" to "127".
[[nodiscard]] std::string ThreeDigits(int index);

// Ordering of the sort keys of the list by sound: true when the first key goes first. Keys are
// file bytes (Windows-1252). The windows pass a locale-aware, case-insensitive collation.
using KeyLess = std::function<bool(const std::string&, const std::string&)>;
// The fallback without a locale: the keys compared with the ASCII letters folded to lower case,
// then byte for byte. Used by the command line.
[[nodiscard]] bool AsciiCaseInsensitiveLess(const std::string& a, const std::string& b);

// "Generate List sorted by Slot Number": slot number, sound text and slot name per slot.
[[nodiscard]] std::string ListBySlotNumber(const Document& doc, int list);
// "Generate List sorted by Sound Number": the same lines in the order of sound, name, number.
[[nodiscard]] std::string ListBySound(const Document& doc, int list,
                                      const KeyLess& less = AsciiCaseInsensitiveLess);
// "Generate List with Comments": the name padded to 25, then the comment on the same line
// (CR turned into a blank, LF dropped).
[[nodiscard]] std::string ListWithComments(const Document& doc, int list);

// Viewer widths in pixels the windows use for each report.
inline constexpr int kViewerDefaultWidth = 483;
inline constexpr int kViewerHeight = 515;
inline constexpr int kViewerCompareWidth = 700;
inline constexpr int kViewerCommentsWidth = 800;

}  // namespace velmar
