#pragma once

#include <optional>
#include <span>
#include <string>

// "Compare Slots with same Name": the differences between two set lists, slot names matched
// byte for byte.
namespace velmar {

class Document;

inline constexpr const char* kCompareNeedsTwoLists = "Please select exactly 2 lists to compare!";
inline constexpr const char* kNoDifferencesFound = "No differences found!";

struct ComparePair {
    int a = 0;  // the lower-numbered set list
    int b = 0;
};
// The two set lists to compare from the set list view's selection (128 flags): exactly two
// must be selected, else nothing (the window then shows kCompareNeedsTwoLists).
[[nodiscard]] std::optional<ComparePair> CompareSelection(std::span<const bool> selected);

// The report with CR LF line ends, or nothing when there is no difference (the window then shows
// kNoDifferencesFound). A is reported first; the windows pass the lower-numbered list as A.
[[nodiscard]] std::optional<std::string> CompareSetLists(const Document& doc, int a, int b);

}  // namespace velmar
