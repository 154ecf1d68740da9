#pragma once

#include <optional>
#include <string>

#include "document/AtomicFile.h"

namespace velmar {

class Document;

struct SaveResult {
    bool ok = false;
    std::string error;  // the error box text when !ok
};

// Recomputes the checksum byte and writes the image atomically to `path`. A normal save clears
// FileModified; the autosave copy leaves it as it was, since the user's file was not written.
// Refuses (writing nothing) when a name or comment now holds a chunk tag, since such a file
// would not open again; fails with "Error 010: Cannot write file!" when the file cannot be
// written, leaving the target and FileModified untouched.
[[nodiscard]] SaveResult SaveDocument(Document& doc, const std::string& path, bool autosave,
                                      const ChunkWriter& writer = {});

// The refusal text when a "SBK1" or "SDB1" appears anywhere but at the two chunks.
[[nodiscard]] std::optional<std::string> FindStrayChunkTag(const Document& doc);

// Temporary directory + "Velmar_Autosave_" + the last element of the document's path.
[[nodiscard]] std::string AutosavePath(const std::string& documentName);

}  // namespace velmar
