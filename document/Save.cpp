#include "document/Save.h"

#include "document/Document.h"
#include "editing/TextTools.h"

namespace velmar {

namespace {

[[nodiscard]] std::string Num(std::size_t n) {
    std::string text = std::to_string(n);
    return text.size() < 3 ? std::string(3 - text.size(), '0') + text : text;
}

// Names the field that holds the byte at `pos`: "the comment of slot 012 in set list 005".
[[nodiscard]] std::string DescribePosition(const Document& doc, std::size_t pos) {
    const std::size_t lists = doc.SbkPos() + kChunkHeaderSize;
    if (pos >= lists && pos < lists + kSetListCount * kSetListSize) {
        const std::size_t a = (pos - lists) / kSetListSize;
        const std::size_t within = (pos - lists) % kSetListSize;
        if (within < kNameSize) return "the name of set list " + Num(a);
        if (within < kSetListTrailerOffset) {
            const std::size_t s = (within - kSlotsOffset) / kSlotRecordSize;
            const std::size_t field = (within - kSlotsOffset) % kSlotRecordSize;
            const std::string where = " of slot " + Num(s) + " in set list " + Num(a);
            if (field < kNameSize) return "the name" + where;
            if (field >= kSlotComment) return "the comment" + where;
            return "the sound settings" + where;
        }
        return "the settings of set list " + Num(a);
    }
    if (doc.HasDirectory()) {
        const std::size_t dir = doc.SdbPos() + kChunkHeaderSize;
        if (pos >= dir && pos < dir + kSetListCount * kDirEntrySize) {
            const std::size_t a = (pos - dir) / kDirEntrySize;
            const std::size_t within = (pos - dir) % kDirEntrySize;
            if (within < kNameSize) return "the name of set list " + Num(a);
            if (within >= kDirSlotsOffset)
                return "the name of slot " + Num((within - kDirSlotsOffset) / kDirSlotRecordSize) +
                       " in set list " + Num(a);
        }
    }
    return "the file at byte " + std::to_string(pos);
}

}  // namespace

std::optional<std::string> FindStrayChunkTag(const Document& doc) {
    const auto image = doc.Image();
    // The load treats a tag at offset 0 as missing, so only offsets from 1 on matter.
    for (TagHit hit = FindNextTag(image, 1); hit.tag != 0; hit = FindNextTag(image, hit.pos + 1)) {
        if (hit.pos == doc.SbkPos() || hit.pos == doc.SdbPos()) continue;
        const std::string tag = hit.tag == 'K' ? "SBK1" : "SDB1";
        return "Cannot save: " + DescribePosition(doc, hit.pos) + " contains the text \"" + tag +
               "\", which the instrument's file format reserves. The saved file could not be "
               "opened again. Change that text and save again.";
    }
    return std::nullopt;
}

SaveResult SaveDocument(Document& doc, const std::string& path, bool autosave,
                        const ChunkWriter& writer) {
    SaveResult result;
    if (!doc.HasImage()) {
        result.error = "No file loaded!";
        return result;
    }
    if (auto stray = FindStrayChunkTag(doc)) {
        result.error = *stray;
        return result;
    }
    doc.WriteByte(doc.SbkChecksumPos(), doc.ComputeChecksum());
    AtomicWriteOptions options;
    options.followSymlink = true;
    options.writer = writer;
    if (WriteFileAtomically(path, doc.Image(), options)) {
        result.error = "Error 010: Cannot write file!";
        return result;
    }
    if (!autosave) doc.SetFileModified(false);
    result.ok = true;
    return result;
}

std::string AutosavePath(const std::string& documentName) {
    return TempFilePath("Velmar_Autosave_" + ExtractNamePart(documentName));
}

}  // namespace velmar
