#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/Layout.h"

// The PCG file held in memory as one byte image, with the set list bank and its directory
// located in it, and the accessors through which every command reads and writes set lists
// and slots in place. Texts are byte strings in the file's single-byte code page
// (Windows-1252); see document/Cp1252.h for the conversion to UTF-8.
namespace velmar {

// Told about writes so that what the windows show follows the image. Without a listener the
// notifications go nowhere.
class DocumentListener {
public:
    virtual ~DocumentListener() = default;
    virtual void SlotNameWritten(int /*a*/, int /*s*/, const std::string& /*text*/) {}
    virtual void SlotCommentWritten(bool /*umlautSeen*/) {}
    virtual void SlotColorWritten(int /*a*/, int /*s*/) {}
    // A comment write with the show-TAB-information flag replaced TABs by blanks.
    virtual void TabsReplaced() {}
};

struct SlotColorEntry {
    const char* name;
    std::uint32_t rgb;  // 0xRRGGBB
};
inline constexpr std::array<SlotColorEntry, 16> kSlotColors{{
    {"Default", 0x4D4D4D},
    {"Charcoal", 0x000000},
    {"Brick", 0xB23F3F},
    {"Burgundy", 0x691B1B},
    {"Ivy", 0x91A730},
    {"Olive", 0x374520},
    {"Gold", 0xAA842A},
    {"Cacao", 0x7F4236},
    {"Indigo", 0x5360A5},
    {"Navy", 0x1A2B88},
    {"Rose", 0xAB81A2},
    {"Lavender", 0x9267BA},
    {"Azure", 0x88A4C5},
    {"Denim", 0x6A7FA0},
    {"Silver", 0x808080},
    {"Slate", 0x626262},
}};

struct LoadResult {
    bool ok = false;
    std::string error;               // the error box text when the load failed
    std::vector<std::string> items;  // "000 Name" .. "127 Name" on success
};

struct CommentWrite {
    bool changed = false;
    bool tabsReplaced = false;
    bool umlautSeen = false;
};

// Three decimal digits, one blank and the name: how both views show an entry.
[[nodiscard]] std::string ItemText(int index, std::string_view name);

class Document {
public:
    // Reads the named file. On failure the result carries the error text and the image held
    // before (if any) stays untouched, so nothing can reach a discarded image.
    LoadResult LoadFile(const std::string& name);
    // The same from bytes already in memory (tests, fuzzing). fileSize < 0: the byte count.
    LoadResult LoadImage(std::vector<std::uint8_t> bytes, const std::string& name,
                         std::int64_t fileSize = -1);

    [[nodiscard]] bool HasImage() const { return !image_.empty(); }
    [[nodiscard]] bool FileLoaded() const { return fileLoaded_; }
    [[nodiscard]] bool FileModified() const { return fileModified_; }
    void SetFileModified(bool modified) { fileModified_ = modified; }
    [[nodiscard]] const std::string& LoadedName() const { return loadedName_; }

    [[nodiscard]] std::int64_t FileSize() const { return fileSize_; }
    [[nodiscard]] std::int64_t ImageSize() const { return static_cast<std::int64_t>(image_.size()); }
    [[nodiscard]] std::size_t SbkPos() const { return sbkPos_; }
    [[nodiscard]] std::size_t SbkChecksumPos() const { return sbkPos_ + kChecksumOffset; }
    [[nodiscard]] std::size_t SdbPos() const { return sdbPos_; }
    // False for a file with "SBK1" but no "SDB1": the directory mirror is then skipped.
    [[nodiscard]] bool HasDirectory() const { return sdbPos_ != 0; }

    // Record locators: offsets into the image. The load guarantees all 128 records fit, so
    // these only guard against programming errors (std::out_of_range, nothing touched).
    [[nodiscard]] std::size_t GetList(int a) const;
    [[nodiscard]] std::size_t GetDir(int a) const;
    [[nodiscard]] std::size_t SlotPos(int a, int s) const { return GetList(a) + SlotOffset(s); }

    [[nodiscard]] std::span<const std::uint8_t> Image() const { return image_; }
    [[nodiscard]] std::span<const std::uint8_t> Bytes(std::size_t pos, std::size_t count) const;

    // The one write path into the image: every accessor and command writes through here.
    void WriteBytes(std::size_t pos, std::span<const std::uint8_t> bytes);
    void WriteByte(std::size_t pos, std::uint8_t value);

    void SetListener(DocumentListener* listener) { listener_ = listener; }
    [[nodiscard]] DocumentListener* Listener() const { return listener_; }

    // Accessors. They work on any set list and never set FileModified.
    [[nodiscard]] std::string GetListName(int a) const;
    void SetListName(int a, std::string_view text);
    [[nodiscard]] std::string GetSlotName(int a, int s) const;
    void SetSlotName(int a, int s, std::string_view text);
    [[nodiscard]] std::string GetSlotComment(int a, int s) const;
    CommentWrite SetSlotComment(int a, int s, std::string_view text, bool showTabInfo);
    [[nodiscard]] std::string GetSoundText(int a, int s, bool shortForm) const;
    void CopySound(int fromList, int fromSlot, int toList, int toSlot);
    [[nodiscard]] std::string GetVolumeText(int a, int s) const;
    [[nodiscard]] std::string GetTransposeText(int a, int s) const;
    [[nodiscard]] std::string GetHoldText(int a, int s) const;
    [[nodiscard]] int GetSlotColorIndex(int a, int s) const;
    [[nodiscard]] std::uint32_t GetSlotColor(int a, int s) const;  // 0xRRGGBB
    void SetSlotColor(int a, int s, int colorIndex);
    [[nodiscard]] int GetSlotFontSize(int a, int s) const;
    void SetSlotFontSize(int a, int s, int code);

    [[nodiscard]] std::uint8_t SlotByte(int a, int s, std::size_t offset) const;
    // The 128 items of the set list view.
    [[nodiscard]] std::vector<std::string> ListItems() const;

    [[nodiscard]] std::uint8_t StoredChecksum() const;
    [[nodiscard]] std::uint8_t ComputeChecksum() const;

private:
    [[nodiscard]] std::string ReadText(std::size_t pos, std::size_t size) const;
    void WriteName(std::size_t pos, std::size_t mirrorPos, bool mirror, std::string_view text);

    std::vector<std::uint8_t> image_;
    std::int64_t fileSize_ = -1;
    std::size_t sbkPos_ = 0;
    std::size_t sdbPos_ = 0;
    bool fileLoaded_ = false;
    bool fileModified_ = false;
    std::string loadedName_;
    DocumentListener* listener_ = nullptr;
};

// Where the two tags stand in an image, found by a plain byte search from offset 0 up to
// size - 4. A second occurrence stops the search: error 005 or 006.
struct ChunkSearch {
    std::size_t sbkPos = 0;  // 0: missing (a tag at offset 0 counts as missing)
    std::size_t sdbPos = 0;
    int error = 0;  // 0, 5 (second "SDB1") or 6 (second "SBK1")
};
[[nodiscard]] ChunkSearch FindChunks(std::span<const std::uint8_t> image);

struct TagHit {
    std::size_t pos = 0;
    char tag = 0;  // 'K' for "SBK1", 'D' for "SDB1", 0 when there is none
};
// The first "SBK1" or "SDB1" at or after `from`.
[[nodiscard]] TagHit FindNextTag(std::span<const std::uint8_t> image, std::size_t from);

}  // namespace velmar
