#include "document/Document.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>

#include "editing/TextTools.h"

namespace velmar {

namespace {

constexpr std::uint8_t kTagSdb[4] = {'S', 'D', 'B', '1'};
constexpr std::uint8_t kTagSbk[4] = {'S', 'B', 'K', '1'};

[[nodiscard]] bool TagAt(const std::uint8_t* p, const std::uint8_t (&tag)[4]) {
    return std::memcmp(p, tag, 4) == 0;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

std::string ItemText(int index, std::string_view name) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d ", index);
    std::string text(digits);
    text.append(name);
    return text;
}

TagHit FindNextTag(std::span<const std::uint8_t> image, std::size_t from) {
    if (image.size() < 4) return {};
    const std::uint8_t* data = image.data();
    const std::size_t last = image.size() - 4;
    // Both tags start with 'S': jump from one 'S' to the next instead of testing every byte.
    for (std::size_t i = from; i <= last; ++i) {
        const void* hit = std::memchr(data + i, 'S', last - i + 1);
        if (hit == nullptr) break;
        i = static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - data);
        if (TagAt(data + i, kTagSdb)) return {i, 'D'};
        if (TagAt(data + i, kTagSbk)) return {i, 'K'};
    }
    return {};
}

ChunkSearch FindChunks(std::span<const std::uint8_t> image) {
    ChunkSearch found;
    for (TagHit hit = FindNextTag(image, 0); hit.tag != 0; hit = FindNextTag(image, hit.pos + 1)) {
        std::size_t& pos = hit.tag == 'D' ? found.sdbPos : found.sbkPos;
        if (pos != 0) {
            found.error = hit.tag == 'D' ? 5 : 6;
            return found;
        }
        pos = hit.pos;
    }
    return found;
}

LoadResult Document::LoadFile(const std::string& name) {
    LoadResult result;
    const std::int64_t size = FileSizeOf(name);
    if (size < 0) {
        result.error = "Error 001 opening File <" + name + "> (FileSize<0)";
        return result;
    }
    auto error002 = [&](const std::string& why) {
        result.error = "Error 002 \"" + why + "\" while opening file " + name + "! (Reset)";
        return result;
    };
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(Utf8Path(name).string().c_str(), "rb"));
    if (!file) return error002(std::strerror(errno));
    std::vector<std::uint8_t> bytes;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return error002("Out of memory");
    } catch (const std::length_error&) {
        return error002("Out of memory");
    }
    const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (std::ferror(file.get())) {
        result.error = std::string("Error 009: Read error: ") + std::strerror(errno);
        return result;
    }
    // A file that shrank since the size was taken: keep only the bytes that were read, so a
    // save never writes bytes that did not come from the file.
    bytes.resize(read);
    return LoadImage(std::move(bytes), name, size);
}

LoadResult Document::LoadImage(std::vector<std::uint8_t> bytes, const std::string& name,
                               std::int64_t fileSize) {
    LoadResult result;
    const ChunkSearch chunks = FindChunks(bytes);
    if (chunks.error == 5) {
        result.error = "Error 005: Cannot open file (Chunk SDB1 not unique!)";
        return result;
    }
    if (chunks.error == 6) {
        result.error = "Error 006: Cannot open file (Chunk SBK1 not unique!)";
        return result;
    }
    if (chunks.sbkPos == 0) {
        result.error = "Error 008: No setlist found in file " + name + " !";
        return result;
    }
    // Every record must lie inside the image before anything reads one; a short chunk is a
    // failed load, never a reason to end the program.
    if (chunks.sbkPos + kSbkSpan > bytes.size()) {
        result.error = "Error 003 reading file " + name + "(GetList)";
        return result;
    }
    if (chunks.sdbPos != 0 && chunks.sdbPos + kSdbSpan > bytes.size()) {
        result.error = "Error 004 reading file " + name + " (GetDir)";
        return result;
    }

    image_ = std::move(bytes);
    fileSize_ = fileSize < 0 ? static_cast<std::int64_t>(image_.size()) : fileSize;
    sbkPos_ = chunks.sbkPos;
    sdbPos_ = chunks.sdbPos;
    loadedName_ = name;
    fileModified_ = false;
    fileLoaded_ = true;
    result.items = ListItems();
    result.ok = true;
    return result;
}

std::size_t Document::GetList(int a) const {
    if (a < 0 || a >= kSetListCount || image_.empty())
        throw std::out_of_range("set list index out of range");
    const std::size_t base = sbkPos_ + kChunkHeaderSize + static_cast<std::size_t>(a) * kSetListSize;
    if (base + kSetListSize > image_.size()) throw std::out_of_range("set list beyond the image");
    return base;
}

std::size_t Document::GetDir(int a) const {
    if (a < 0 || a >= kSetListCount || image_.empty() || sdbPos_ == 0)
        throw std::out_of_range("directory index out of range");
    const std::size_t base = sdbPos_ + kChunkHeaderSize + static_cast<std::size_t>(a) * kDirEntrySize;
    if (base + kDirEntrySize > image_.size()) throw std::out_of_range("directory beyond the image");
    return base;
}

std::span<const std::uint8_t> Document::Bytes(std::size_t pos, std::size_t count) const {
    if (pos > image_.size() || count > image_.size() - pos)
        throw std::out_of_range("read beyond the image");
    return std::span<const std::uint8_t>(image_).subspan(pos, count);
}

void Document::WriteBytes(std::size_t pos, std::span<const std::uint8_t> bytes) {
    if (pos > image_.size() || bytes.size() > image_.size() - pos)
        throw std::out_of_range("write beyond the image");
    // memmove: callers may pass a span of the image itself.
    if (!bytes.empty()) std::memmove(image_.data() + pos, bytes.data(), bytes.size());
}

void Document::WriteByte(std::size_t pos, std::uint8_t value) {
    WriteBytes(pos, std::span<const std::uint8_t>(&value, 1));
}

std::vector<std::string> Document::ListItems() const {
    std::vector<std::string> items;
    items.reserve(kSetListCount);
    for (int a = 0; a < kSetListCount; ++a) items.push_back(ItemText(a, GetListName(a)));
    return items;
}

std::uint8_t Document::StoredChecksum() const { return Bytes(SbkChecksumPos(), 1)[0]; }

std::uint8_t Document::ComputeChecksum() const {
    const auto range = Bytes(sbkPos_ + kChecksumFirst, kChecksumCount);
    // Sum in wide words, then fold: the result is the 8-bit sum of every byte.
    std::uint64_t sum = 0;
    for (std::uint8_t b : range) sum += b;
    return static_cast<std::uint8_t>(sum & 0xFF);
}

}  // namespace velmar
