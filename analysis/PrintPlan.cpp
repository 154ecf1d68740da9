#include "analysis/PrintPlan.h"

#include <cmath>

#include "document/Document.h"
#include "editing/TextTools.h"

namespace velmar {

namespace {

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsForbiddenInFileName(unsigned char c) {
    switch (c) {
        case '/':
        case '\\':
        case ':':
        case '*':
        case '?':
        case '"':
        case '<':
        case '>':
        case '|':
            return true;
        default:
            return c < 0x20 || c == 0x7F;
    }
}

}  // namespace

std::string TrimName(std::string_view name) {
    std::size_t begin = 0;
    std::size_t end = name.size();
    while (begin < end && IsTrimmed(name[begin])) ++begin;
    while (end > begin && IsTrimmed(name[end - 1])) --end;
    return std::string(name.substr(begin, end - begin));
}

std::string PrintNameKey(std::string_view name) {
    return StripDigitsAndBlanks(TrimName(name));
}

std::vector<PrintEntry> PlanPrint(std::span<const PrintCandidate> slots, bool merge) {
    std::vector<PrintEntry> plan;
    const PrintCandidate* previous = nullptr;
    std::string previousKey;
    for (std::size_t s = 0; s < slots.size(); ++s) {
        const PrintCandidate& slot = slots[s];
        if (!slot.selected || TrimName(slot.name).empty()) continue;
        std::string key = PrintNameKey(slot.name);
        PrintPlacement placement = PrintPlacement::NewPage;
        if (previous != nullptr && key == previousKey) {
            if (slot.comment == previous->comment)
                placement = PrintPlacement::Skipped;
            else if (merge)
                placement = PrintPlacement::Merged;
        }
        plan.push_back({static_cast<int>(s), placement});
        previous = &slot;
        previousKey = std::move(key);
    }
    return plan;
}

std::vector<PrintCandidate> PrintCandidates(const Document& doc, int a,
                                            std::span<const bool> selected) {
    std::vector<PrintCandidate> slots(selected.size());
    for (std::size_t s = 0; s < selected.size(); ++s) {
        if (!selected[s]) continue;  // only selected slots are ever compared or printed
        const int slot = static_cast<int>(s);
        slots[s] = {true, doc.GetSlotName(a, slot), doc.GetSlotComment(a, slot)};
    }
    return slots;
}

std::vector<std::vector<int>> PageGroups(std::span<const PrintEntry> plan) {
    std::vector<std::vector<int>> pages;
    for (const PrintEntry& entry : plan) {
        switch (entry.placement) {
            case PrintPlacement::Skipped:
                break;
            case PrintPlacement::Merged:
                if (!pages.empty()) {
                    pages.back().push_back(entry.slot);
                    break;
                }
                [[fallthrough]];  // a plan never starts with a merged slot
            case PrintPlacement::NewPage:
                pages.push_back({entry.slot});
                break;
        }
    }
    return pages;
}

std::string PdfFileNameForTitle(std::string_view titleUtf8) {
    std::string name;
    name.reserve(titleUtf8.size() + 4);
    for (char c : titleUtf8) name += IsForbiddenInFileName(static_cast<unsigned char>(c)) ? '_' : c;
    // Windows refuses names ending in a dot or a blank.
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    if (name.empty()) name.push_back('_');
    return name + ".pdf";
}

int LineAdvance(double points, int dotsPerInch) {
    return static_cast<int>(std::lround(points * dotsPerInch / 72.0)) + kLineGap;
}

}  // namespace velmar
