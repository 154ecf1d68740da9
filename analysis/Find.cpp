#include "analysis/Find.h"

#include "document/Document.h"
#include "editing/TextTools.h"

namespace velmar {

void FindState::DialogClosed(bool accepted, std::string_view typed, bool searchComments,
                             bool allLists) {
    if (accepted) {
        query_ = FindQuery{std::string(typed), searchComments};
        confirmed_ = true;
    }
    allLists_ = allLists;
}

std::optional<std::size_t> FindIgnoringAsciiCase(std::string_view haystack,
                                                 std::string_view needle) {
    const std::size_t pos = AsciiLower(haystack).find(AsciiLower(needle));
    if (pos == std::string::npos) return std::nullopt;
    return pos;
}

SlotMatch MatchSlot(const Document& doc, int list, int slot, const FindQuery& query) {
    if (FindIgnoringAsciiCase(doc.GetSlotName(list, slot), query.text))
        return {MatchField::Name, 0, query.text.size()};
    if (query.comments) {
        if (const auto pos = FindIgnoringAsciiCase(doc.GetSlotComment(list, slot), query.text))
            return {MatchField::Comment, *pos, query.text.size()};
    }
    return {};
}

std::vector<FoundSlot> FindInSetList(const Document& doc, int list, const FindQuery& query) {
    std::vector<FoundSlot> found;
    for (int s = 0; s < kSlotCount; ++s) {
        const SlotMatch match = MatchSlot(doc, list, s, query);
        if (match.field != MatchField::None) found.push_back({s, match});
    }
    return found;
}

std::optional<SlotAddress> FindAcrossLists(const Document& doc, const FindQuery& query,
                                           int startList, int startSlot, bool backward) {
    const int step = backward ? -1 : 1;
    for (int a = startList; a >= 0 && a < kSetListCount; a += step) {
        int s = a == startList ? startSlot : (backward ? kSlotCount - 1 : 0);
        for (; s >= 0 && s < kSlotCount; s += step)
            if (MatchSlot(doc, a, s, query).field != MatchField::None) return SlotAddress{a, s};
    }
    return std::nullopt;
}

std::vector<SlotAddress> FindAllAcrossLists(const Document& doc, const FindQuery& query) {
    std::vector<SlotAddress> all;
    SlotAddress from{0, 0};
    while (const auto hit = FindAcrossLists(doc, query, from.list, from.slot, false)) {
        all.push_back(*hit);
        from = AcrossStep{false}.From(hit->list, hit->slot);
    }
    return all;
}

std::string NotFoundAcrossLists(const FindQuery& query) {
    return "\"" + query.text + "\" not found!";
}

std::optional<int> NextSelectedSlot(std::span<const bool> selected, int focused, bool backward) {
    const int count = static_cast<int>(selected.size());
    // The rows after the focused one in the direction of travel, then round from the far end.
    for (int i = 1; i <= count; ++i) {
        int row = backward ? focused - i : focused + i;
        row = ((row % count) + count) % count;
        if (row != focused && selected[static_cast<std::size_t>(row)]) return row;
    }
    return std::nullopt;
}

}  // namespace velmar
