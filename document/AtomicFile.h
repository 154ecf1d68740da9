#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace velmar {

// Writes one block of bytes to an open file; returns how many were written. Tests pass one
// that fails partway to prove the target survives.
using ChunkWriter = std::function<std::size_t(std::FILE*, const std::uint8_t*, std::size_t)>;

struct AtomicWriteOptions {
    // Save through a symbolic link to the file it names (the user's document), or replace the
    // link itself (files of our own in the temporary directory).
    bool followSymlink = false;
    ChunkWriter writer;  // empty: fwrite
};

// Writes the bytes to a temporary file beside `path`, flushes it to disk and only then renames
// it over `path`. On any failure the temporary file is removed, `path` is left as it was, and
// the result holds a description of what failed.
[[nodiscard]] std::optional<std::string> WriteFileAtomically(const std::string& path,
                                                             std::span<const std::uint8_t> bytes,
                                                             const AtomicWriteOptions& options = {});

}  // namespace velmar
