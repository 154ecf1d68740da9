#include "analysis/Reports.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "document/Document.h"
#include "editing/TextTools.h"

namespace velmar {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Slot number, blank, long sound text: how every list line starts.
std::string SlotHead(const Document& doc, int list, int slot) {
    return ThreeDigits(slot) + " " + doc.GetSoundText(list, slot, false);
}

}  // namespace

std::string ThreeDigits(int index) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", index);
    return digits;
}

bool AsciiCaseInsensitiveLess(const std::string& a, const std::string& b) {
    const std::string la = AsciiLower(a);
    const std::string lb = AsciiLower(b);
    if (la != lb) return la < lb;
    return a < b;
}

std::string ListBySlotNumber(const Document& doc, int list) {
    std::string out;
    for (int s = 0; s < kSlotCount; ++s) {
        out += SlotHead(doc, list, s) + " " + doc.GetSlotName(list, s);
        out += kLineEnd;
    }
    return out;
}

std::string ListBySound(const Document& doc, int list, const KeyLess& less) {
    std::vector<std::string> keys;
    keys.reserve(kSlotCount);
    for (int s = 0; s < kSlotCount; ++s)
        keys.push_back(doc.GetSoundText(list, s, false) + " " + doc.GetSlotName(list, s) + " " +
                       ThreeDigits(s));
    std::stable_sort(keys.begin(), keys.end(), less);
    std::string out;
    for (const std::string& key : keys) {
        // The number moves to the front; the blank before it goes.
        out += RightPart(key, 3) + " " + DropRight(key, 4);
        out += kLineEnd;
    }
    return out;
}

std::string ListWithComments(const Document& doc, int list) {
    std::string out;
    for (int s = 0; s < kSlotCount; ++s) {
        const std::string comment =
            ReplaceChar(ReplaceChar(doc.GetSlotComment(list, s), '\r', ' '), '\n', '\0');
        out += SlotHead(doc, list, s) + " " + PadRight(doc.GetSlotName(list, s), ' ', 25) + comment;
        out += kLineEnd;
    }
    return out;
}

}  // namespace velmar
