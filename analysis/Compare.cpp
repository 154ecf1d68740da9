#include "analysis/Compare.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "analysis/Reports.h"
#include "document/Document.h"
#include "editing/TextTools.h"

namespace velmar {

namespace {

// A name of blanks (or other characters up to the blank) only counts as no name when slots
// are matched.
bool IsBlank(std::string_view name) {
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

struct ListNames {
    std::vector<std::string> names;
    explicit ListNames(const Document& doc, int list) {
        for (int s = 0; s < kSlotCount; ++s) names.push_back(doc.GetSlotName(list, s));
    }
    // The first slot with exactly this name; a blank name is never found.
    [[nodiscard]] int Find(const std::string& name) const {
        if (IsBlank(name)) return -1;
        const auto it = std::find(names.begin(), names.end(), name);
        return it == names.end() ? -1 : static_cast<int>(it - names.begin());
    }
};

void AddDuplicateNotices(std::vector<std::string>& lines, int list, const ListNames& l) {
    for (int r = 0; r + 1 < kSlotCount; ++r) {
        const std::string& name = l.names[r];
        if (IsBlank(name)) continue;
        if (std::find(l.names.begin() + r + 1, l.names.end(), name) == l.names.end()) continue;
        const std::string notice = "List " + ThreeDigits(list) + ": multiple Slots named '" + name +
                                   "' will be cross compared";
        const std::string folded = AsciiLower(notice);
        const bool known = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return AsciiLower(line) == folded;
        });
        if (!known) lines.push_back(notice);
    }
}

void AddOnlyIn(std::vector<std::string>& lines, const Document& doc, int list, const ListNames& own,
               const ListNames& other) {
    const std::string listLine = ItemText(list, doc.GetListName(list));
    for (const std::string& name : own.names)
        if (!name.empty() && other.Find(name) < 0)
            lines.push_back(PadRight(name, ' ', 24) + " only found in " + listLine);
}

}  // namespace

std::optional<ComparePair> CompareSelection(std::span<const bool> selected) {
    std::vector<int> chosen;
    for (std::size_t i = 0; i < selected.size(); ++i)
        if (selected[i]) chosen.push_back(static_cast<int>(i));
    if (chosen.size() != 2) return std::nullopt;
    return ComparePair{chosen[0], chosen[1]};
}

std::optional<std::string> CompareSetLists(const Document& doc, int a, int b) {
    const ListNames namesA(doc, a);
    const ListNames namesB(doc, b);
    std::vector<std::string> lines{""};

    AddDuplicateNotices(lines, a, namesA);
    AddDuplicateNotices(lines, b, namesB);
    if (lines.size() > 1) lines.push_back("");

    for (int r = 0; r < kSlotCount; ++r) {
        const std::string& name = namesA.names[r];
        const int i = namesB.Find(name);
        if (i < 0) continue;
        const std::string padded = PadRight(name, ' ', 24);
        if (doc.GetSlotComment(a, r) != doc.GetSlotComment(b, i))
            lines.push_back(padded + " has different comment");
        const std::string soundA = doc.GetSoundText(a, r, false);
        const std::string soundB = doc.GetSoundText(b, i, false);
        if (soundA != soundB)
            lines.push_back(padded + " has different sound (" + soundA + " / " + soundB + ")");
    }
    AddOnlyIn(lines, doc, a, namesA, namesB);
    AddOnlyIn(lines, doc, b, namesB, namesA);

    if (lines.size() == 1) return std::nullopt;
    std::string report = "SET LIST COMPARISON " + ItemText(a, doc.GetListName(a)) + " / " +
                         ItemText(b, doc.GetListName(b)) + "\r\n";
    for (const std::string& line : lines) report += line + "\r\n";
    return report;
}

}  // namespace velmar
