#pragma once

#include <cstddef>
#include <cstdint>

// Byte layout of the set list bank ("SBK1") and its directory ("SDB1") inside a PCG file.
namespace velmar {

inline constexpr int kSetListCount = 128;
inline constexpr int kSlotCount = 128;

inline constexpr std::size_t kChunkHeaderSize = 24;  // tag included
inline constexpr std::size_t kChecksumOffset = 11;   // inside the "SBK1" header

inline constexpr std::size_t kNameSize = 24;
inline constexpr std::size_t kCommentSize = 512;

// SetList: name, 128 slot records, 16 trailing bytes carried unchanged.
inline constexpr std::size_t kSlotRecordSize = 542;
inline constexpr std::size_t kSlotsOffset = 24;
inline constexpr std::size_t kSetListTrailerOffset = kSlotsOffset + kSlotCount * kSlotRecordSize;
inline constexpr std::size_t kSetListSize = kSetListTrailerOffset + 16;  // 69416

// SlotRecord byte offsets.
inline constexpr std::size_t kSlotSoundType = 24;  // bits 0-1 type, 2-5 colour, 6-7 font size bits 0-1
inline constexpr std::size_t kSlotBank = 25;       // bits 0-4 bank, 5-7 transpose bits 3-5
inline constexpr std::size_t kSlotSoundNumber = 26;
inline constexpr std::size_t kSlotHold = 27;
inline constexpr std::size_t kSlotVolume = 28;
inline constexpr std::size_t kSlotExtra = 29;  // bit 4 font size bit 2, bits 5-7 transpose bits 0-2
inline constexpr std::size_t kSlotComment = 30;

// DirEntry: name copy, 4 carried bytes, 128 directory slot records of 28 bytes.
inline constexpr std::size_t kDirSlotRecordSize = 28;
inline constexpr std::size_t kDirSlotsOffset = 28;
inline constexpr std::size_t kDirEntrySize = kDirSlotsOffset + kSlotCount * kDirSlotRecordSize;  // 3612

// Extent of the set list chunk and the directory that the load insists on.
inline constexpr std::size_t kSbkSpan = kChunkHeaderSize + kSetListCount * kSetListSize;
inline constexpr std::size_t kSdbSpan = kChunkHeaderSize + kSetListCount * kDirEntrySize;

// The checksum covers the header tail after the checksum byte and all 128 records.
inline constexpr std::size_t kChecksumFirst = 12;
inline constexpr std::size_t kChecksumCount = kSbkSpan - kChecksumFirst;  // 8885260

static_assert(kSetListSize == 69416);
static_assert(kDirEntrySize == 3612);
static_assert(kChecksumCount == 8885260);

[[nodiscard]] constexpr std::size_t SlotOffset(int s) {
    return kSlotsOffset + static_cast<std::size_t>(s) * kSlotRecordSize;
}
[[nodiscard]] constexpr std::size_t DirSlotOffset(int s) {
    return kDirSlotsOffset + static_cast<std::size_t>(s) * kDirSlotRecordSize;
}

}  // namespace velmar
