// Field accessors of set list, slot and directory records. Several fields share bytes, so
// every writer changes only its own bits.
#include <array>
#include <cstdio>

#include "document/Document.h"

namespace velmar {

namespace {

constexpr std::array<const char*, 22> kHoldValues{"0",  "0.5", "1",  "2",  "3",  "4",  "5",  "6",
                                                  "7",  "8",   "9",  "10", "12", "14", "16", "18",
                                                  "20", "25",  "30", "40", "50", "60"};

[[nodiscard]] bool IsUmlaut(unsigned char c) {
    switch (c) {
        case 0xE4: case 0xF6: case 0xFC: case 0xC4: case 0xD6: case 0xDC: case 0xDF:
            return true;
        default:
            return false;
    }
}

[[nodiscard]] std::string Number3(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d", n);
    return buf;
}

// Bank letters A..G for 0..6, with the INT or USR prefix in its long or short form.
[[nodiscard]] std::string BankLetters(int index, bool user, bool doubled, bool shortForm) {
    std::string text = user ? (shortForm ? "U" : "USR-") : (shortForm ? "I" : "INT-");
    const char letter = static_cast<char>('A' + index);
    text += letter;
    if (doubled) text += letter;
    return text;
}

[[nodiscard]] std::string CombinationBank(int bank, bool shortForm) {
    if (bank <= 6) return BankLetters(bank, false, false, shortForm);
    if (bank <= 13) return BankLetters(bank - 7, true, false, shortForm);
    return {};
}

[[nodiscard]] std::string ProgramBank(int bank, bool shortForm) {
    if (bank <= 6) return BankLetters(bank, false, false, shortForm);
    if (bank <= 13) return BankLetters(bank - 7, true, false, shortForm);
    if (bank >= 17 && bank <= 23) return BankLetters(bank - 17, true, false, shortForm);
    if (bank >= 24 && bank <= 30) return BankLetters(bank - 24, true, true, shortForm);
    return "?" + std::to_string(bank) + "?";  // 14, 15, 16, 31
}

}  // namespace

std::string Document::ReadText(std::size_t pos, std::size_t size) const {
    std::string text;
    for (std::uint8_t b : Bytes(pos, size))
        if (b != 0) text.push_back(static_cast<char>(b));
    return text;
}

void Document::WriteName(std::size_t pos, std::size_t mirrorPos, bool mirror, std::string_view text) {
    std::array<std::uint8_t, kNameSize> bytes{};
    for (std::size_t i = 0; i < kNameSize && i < text.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(text[i]);
    WriteBytes(pos, bytes);
    if (mirror) WriteBytes(mirrorPos, bytes);
}

std::string Document::GetListName(int a) const { return ReadText(GetList(a), kNameSize); }

void Document::SetListName(int a, std::string_view text) {
    const bool mirror = HasDirectory();
    WriteName(GetList(a), mirror ? GetDir(a) : 0, mirror, text);
}

std::string Document::GetSlotName(int a, int s) const { return ReadText(SlotPos(a, s), kNameSize); }

void Document::SetSlotName(int a, int s, std::string_view text) {
    const bool mirror = HasDirectory();
    WriteName(SlotPos(a, s), mirror ? GetDir(a) + DirSlotOffset(s) : 0, mirror, text);
    if (listener_) listener_->SlotNameWritten(a, s, GetSlotName(a, s));
}

std::string Document::GetSlotComment(int a, int s) const {
    return ReadText(SlotPos(a, s) + kSlotComment, kCommentSize);
}

CommentWrite Document::SetSlotComment(int a, int s, std::string_view text, bool showTabInfo) {
    CommentWrite result;
    if (text == GetSlotComment(a, s)) return result;
    std::array<std::uint8_t, kCommentSize> bytes{};
    for (std::size_t i = 0; i < kCommentSize && i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c == '\t') {
            c = ' ';
            result.tabsReplaced = true;
        } else if (IsUmlaut(c)) {
            result.umlautSeen = true;
        }
        bytes[i] = c;
    }
    WriteBytes(SlotPos(a, s) + kSlotComment, bytes);
    result.changed = true;
    if (listener_) {
        if (showTabInfo && result.tabsReplaced) listener_->TabsReplaced();
        listener_->SlotCommentWritten(result.umlautSeen);
    }
    return result;
}

std::uint8_t Document::SlotByte(int a, int s, std::size_t offset) const {
    return Bytes(SlotPos(a, s) + offset, 1)[0];
}

std::string Document::GetSoundText(int a, int s, bool shortForm) const {
    const int type = SlotByte(a, s, kSlotSoundType) & 3;
    const int bankByte = SlotByte(a, s, kSlotBank);
    const std::string number = Number3(SlotByte(a, s, kSlotSoundNumber));
    switch (type) {
        case 0: {
            const std::string bank = CombinationBank(bankByte & 0x0F, shortForm);
            return shortForm ? "C" + bank + number : "CMB " + bank + " " + number;
        }
        case 1: {
            const std::string bank = ProgramBank(bankByte & 0x1F, shortForm);
            return shortForm ? "P" + bank + number : "PRG " + bank + " " + number;
        }
        case 2:
            return shortForm ? "S" + number : "SEQ       " + number;
        default:
            return shortForm ? "??? " + number : "???  " + number;
    }
}

void Document::CopySound(int fromList, int fromSlot, int toList, int toSlot) {
    const auto from = Bytes(SlotPos(fromList, fromSlot) + kSlotSoundType, 3);
    const std::array<std::uint8_t, 3> sound{from[0], from[1], from[2]};
    WriteBytes(SlotPos(toList, toSlot) + kSlotSoundType, sound);
}

std::string Document::GetVolumeText(int a, int s) const {
    return "V " + std::to_string(SlotByte(a, s, kSlotVolume));
}

std::string Document::GetTransposeText(int a, int s) const {
    const int t = ((SlotByte(a, s, kSlotBank) & 0xE0) >> 2) | ((SlotByte(a, s, kSlotExtra) & 0xE0) >> 5);
    if (t >= 40) return "T -" + std::to_string(64 - t);
    if (t == 0) return "T 0";
    return "T +" + std::to_string(t);
}

std::string Document::GetHoldText(int a, int s) const {
    const std::size_t code = SlotByte(a, s, kSlotHold);
    const char* value = code < kHoldValues.size() ? kHoldValues[code] : "60";
    return std::string("H ") + value + "s";
}

int Document::GetSlotColorIndex(int a, int s) const {
    return (SlotByte(a, s, kSlotSoundType) & 0x3C) >> 2;
}

std::uint32_t Document::GetSlotColor(int a, int s) const {
    return kSlotColors[static_cast<std::size_t>(GetSlotColorIndex(a, s))].rgb;
}

void Document::SetSlotColor(int a, int s, int colorIndex) {
    const std::size_t pos = SlotPos(a, s) + kSlotSoundType;
    const auto old = Bytes(pos, 1)[0];
    // Masking before shifting keeps any int argument free of overflow; the stored bits are the same.
    WriteByte(pos, static_cast<std::uint8_t>((old & 0xC3) | ((colorIndex & 0x0F) << 2)));
    if (listener_) listener_->SlotColorWritten(a, s);
}

int Document::GetSlotFontSize(int a, int s) const {
    return (SlotByte(a, s, kSlotSoundType) >> 6) | ((SlotByte(a, s, kSlotExtra) & 0x10) >> 2);
}

void Document::SetSlotFontSize(int a, int s, int code) {
    const std::size_t base = SlotPos(a, s);
    const auto b24 = Bytes(base + kSlotSoundType, 1)[0];
    const auto b29 = Bytes(base + kSlotExtra, 1)[0];
    WriteByte(base + kSlotSoundType, static_cast<std::uint8_t>((b24 & 0x3F) | ((code & 0x03) << 6)));
    WriteByte(base + kSlotExtra, static_cast<std::uint8_t>((b29 & 0xEF) | ((code & 0x04) << 2)));
}

}  // namespace velmar
