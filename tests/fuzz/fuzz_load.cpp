// libFuzzer target: arbitrary bytes through the load; when a file is accepted, every reader on
// every set list and slot, one round of the writers, the stray-tag check and the checksum.
// A crash, a sanitizer report, an escaping exception or a broken promise below is a bug.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "document/Document.h"
#include "document/Save.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// Readers only: they must work on whatever the accepted file holds.
void ReadEverything(const velmar::Document& doc) {
    const std::vector<std::string> items = doc.ListItems();
    Require(items.size() == velmar::kSetListCount);
    const auto size = static_cast<std::size_t>(doc.ImageSize());
    for (int a = 0; a < velmar::kSetListCount; ++a) {
        Require(doc.GetList(a) + velmar::kSetListSize <= size);
        if (doc.HasDirectory()) Require(doc.GetDir(a) + velmar::kDirEntrySize <= size);
        Require(items[static_cast<std::size_t>(a)] == velmar::ItemText(a, doc.GetListName(a)));
        for (int s = 0; s < velmar::kSlotCount; ++s) {
            Require(doc.GetSlotName(a, s).size() <= velmar::kNameSize);
            Require(doc.GetSlotComment(a, s).size() <= velmar::kCommentSize);
            Require(!doc.GetSoundText(a, s, false).empty());
            Require(!doc.GetSoundText(a, s, true).empty());
            Require(doc.GetVolumeText(a, s).starts_with("V "));
            Require(doc.GetTransposeText(a, s).starts_with("T "));
            Require(doc.GetHoldText(a, s).starts_with("H "));
            const int color = doc.GetSlotColorIndex(a, s);
            Require(color >= 0 && color < 16);
            Require(doc.GetSlotColor(a, s) ==
                    velmar::kSlotColors[static_cast<std::size_t>(color)].rgb);
            const int font = doc.GetSlotFontSize(a, s);
            Require(font >= 0 && font < 8);
        }
    }
}

// One write to every slot, with texts and values taken from the file itself, so that odd bytes
// (TABs, zeros, umlauts, long texts) reach the writers.
void WriteEverything(velmar::Document& doc) {
    for (int a = 0; a < velmar::kSetListCount; ++a) {
        for (int s = 0; s < velmar::kSlotCount; ++s) {
            const std::uint8_t seed = doc.SlotByte(a, s, velmar::kSlotVolume);
            const std::string comment = doc.GetSlotComment(a, s);
            doc.SetSlotName(a, s, comment);
            doc.SetSlotComment(a, s, doc.GetListName(a) + "\t" + comment, (seed & 1) != 0);
            const int color = seed % 16;
            doc.SetSlotColor(a, s, color);
            Require(doc.GetSlotColorIndex(a, s) == color);
            const int font = seed % 8;
            doc.SetSlotFontSize(a, s, font);
            Require(doc.GetSlotFontSize(a, s) == font);
            doc.CopySound(seed % velmar::kSetListCount, (seed * 7) % velmar::kSlotCount, a, s);
        }
        doc.SetListName(a, doc.GetSlotName(a, a));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmar::Document doc;
    const velmar::LoadResult result =
        doc.LoadImage(std::vector<std::uint8_t>(data, data + size), "fuzz.pcg");
    if (!result.ok) {
        // A refused file leaves nothing behind that a command could touch.
        Require(!result.error.empty() && !doc.HasImage() && !doc.FileLoaded());
        return 0;
    }
    Require(result.items.size() == velmar::kSetListCount);
    Require(doc.SbkPos() != 0 && static_cast<std::int64_t>(size) == doc.ImageSize());
    // The load refuses a second tag, so an accepted file has none a save would complain about.
    Require(!velmar::FindStrayChunkTag(doc).has_value());
    (void)doc.StoredChecksum();
    (void)doc.ComputeChecksum();

    ReadEverything(doc);
    WriteEverything(doc);
    (void)velmar::FindStrayChunkTag(doc);
    Require(doc.ImageSize() == static_cast<std::int64_t>(size));
    (void)doc.ComputeChecksum();
    return 0;
}
