#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// "Print Selected": which selected slots go onto which page, and the texts and positions of a
// slot page. Positions are in the printer's device units; the fonts are given in points.
namespace velmar {

class Document;

inline constexpr const char* kAskJobPerSlot = "Create Spool File for every Slot?";
inline constexpr const char* kAskMergeSlots =
    "Merge Slots with same name (name compared without numbers)?";

// Page geometry: the heading at (kPageLeft, 0), the first comment line below kFirstLineTop;
// every line moves down by the current font's height plus kLineGap.
inline constexpr int kPageLeft = 15;
inline constexpr int kHeadingTop = 0;
inline constexpr int kFirstLineTop = 35;
inline constexpr int kLineGap = 20;
inline constexpr int kHeadingPoints = 30;

// One slot of the set list as the command sees it.
struct PrintCandidate {
    bool selected = false;
    std::string name;     // file bytes
    std::string comment;  // file bytes
};

enum class PrintPlacement {
    NewPage,  // starts a page (and, with a job per slot, a job) with its heading
    Merged,   // continues the previous page below its text, without a heading
    Skipped,  // same name key and comment as the slot before it: neither printed nor shown
};

struct PrintEntry {
    int slot = 0;
    PrintPlacement placement = PrintPlacement::NewPage;
};

// The name with leading and trailing blanks and control characters removed.
[[nodiscard]] std::string TrimName(std::string_view name);
// Names "compared without numbers": the trimmed name without digits and blanks.
[[nodiscard]] std::string PrintNameKey(std::string_view name);

// Every slot that is selected and has a name that is not blank, in slot order, with its
// placement. The previous taken slot (skipped or not) is the reference of the next one; the
// first taken slot always starts a page.
[[nodiscard]] std::vector<PrintEntry> PlanPrint(std::span<const PrintCandidate> slots, bool merge);

// The 128 candidates of set list `a`, `selected` holding one flag per slot.
[[nodiscard]] std::vector<PrintCandidate> PrintCandidates(const Document& doc, int a,
                                                          std::span<const bool> selected);

// The slots of each printed page (first slot carries the heading), skipped slots left out.
[[nodiscard]] std::vector<std::vector<int>> PageGroups(std::span<const PrintEntry> plan);

// A job title ("005 Song 1", UTF-8) made into a file name: characters that no file system
// takes (/ \ : * ? " < > | and controls) become '_', trailing dots and blanks are dropped, and
// ".pdf" is appended.
[[nodiscard]] std::string PdfFileNameForTitle(std::string_view titleUtf8);

// Vertical advance from one comment line to the next: the font's height in device units
// (points at the device's resolution) plus the gap.
[[nodiscard]] int LineAdvance(double points, int dotsPerInch);

}  // namespace velmar
