#include "editing/Rename.h"

#include <cstdio>
#include <stdexcept>

#include "document/Document.h"
#include "editing/TextTools.h"

namespace velmar {

namespace {

bool Loaded(const Document& doc) {
    return doc.FileLoaded() && doc.HasImage();
}

void CheckIndex(int value) {
    if (value < 0 || value >= kSlotCount) throw std::out_of_range("rename: index out of range");
}

std::string TooLong(const char* what) {
    return std::string(what) + " name must not exceed " + std::to_string(kMaxNameLength) +
           " characters";
}

std::string ThreeDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%03d", n);
    return text;
}

}  // namespace

Prompt RenameListPrompt(const Document& doc, int list, const ListSelection& selected) {
    Prompt prompt;
    if (!Loaded(doc)) {
        prompt.error = kNoFileLoaded;
    } else if (selected.count() != 1) {
        prompt.error = "Please select only 1 List!";
    } else {
        CheckIndex(list);
        prompt = {{}, "Rename List", "List Name: ", doc.GetListName(list)};
    }
    return prompt;
}

RenameResult RenameList(Document& doc, int list, std::string_view text) {
    RenameResult result;
    if (!Loaded(doc)) {
        result.error = kNoFileLoaded;
        return result;
    }
    CheckIndex(list);
    if (text.size() > kMaxNameLength) {
        result.error = TooLong("List");
        return result;
    }
    doc.SetListName(list, text);
    doc.SetFileModified(true);
    result.modified = true;
    result.item = list;
    result.itemText = ItemText(list, text);
    return result;
}

Prompt RenameSlotPrompt(const Document& doc, int list, int slot) {
    Prompt prompt;
    if (!Loaded(doc)) {
        prompt.error = kNoFileLoaded;
        return prompt;
    }
    CheckIndex(list);
    CheckIndex(slot);
    return {{}, "Rename Slot", "Slot Name: ", doc.GetSlotName(list, slot)};
}

RenameResult RenameSlot(Document& doc, int list, int slot, std::string_view text) {
    RenameResult result;
    if (!Loaded(doc)) {
        result.error = kNoFileLoaded;
        return result;
    }
    CheckIndex(list);
    CheckIndex(slot);
    if (text.size() > kMaxNameLength) {
        result.error = TooLong("Slot");
        return result;
    }
    doc.SetSlotName(list, slot, text);
    doc.SetFileModified(true);
    result.modified = true;
    result.item = slot;
    result.itemText = ItemText(slot, text);
    result.nameField = std::string(text);
    return result;
}

Question ConversionQuestion(const Document& doc, Conversion kind, const SlotSelection& selected) {
    if (!Loaded(doc)) return {BoxKind::Error, kNoFileLoaded};
    if (kind == Conversion::SoundAndName) {
        return {BoxKind::OkCancel,
                "This command changes all selected slot names to \"Sound Number\" + \"Mame\". "
                "Part of Slot Name can get lost! Proceed?"};
    }
    if (selected.count() >= 2) return {BoxKind::OkCancel, "Rename all selected slots?"};
    return {};
}

std::string ConvertName(Conversion kind, std::string_view name, std::string_view soundText) {
    switch (kind) {
        case Conversion::Upper:
            return AsciiUpper(name);
        case Conversion::FirstLetterUpper:
            return FirstLetterUpper(name);
        case Conversion::SoundAndName: {
            std::string text = std::string(soundText) + " " + std::string(name);
            if (text.size() > kMaxNameLength) text.resize(kMaxNameLength);
            return text;
        }
    }
    return std::string(name);
}

ConversionResult ConvertSlotNames(Document& doc, Conversion kind, int list, int currentSlot,
                                  const SlotSelection& selected) {
    ConversionResult result;
    if (!Loaded(doc)) {
        result.error = kNoFileLoaded;
        return result;
    }
    CheckIndex(list);
    CheckIndex(currentSlot);
    for (int s = 0; s < kSlotCount; ++s) {
        if (!selected.test(s)) continue;
        const std::string sound =
            kind == Conversion::SoundAndName ? doc.GetSoundText(list, s, true) : std::string();
        doc.SetSlotName(list, s, ConvertName(kind, doc.GetSlotName(list, s), sound));
        result.rewritten.set(s);
    }
    result.slotNrField = ThreeDigits(currentSlot);
    result.nameField = doc.GetSlotName(list, currentSlot);
    doc.SetFileModified(true);
    result.modified = true;
    return result;
}

}  // namespace velmar
