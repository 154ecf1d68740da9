#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Stateless text, path and file helpers shared by every subsystem. Texts are byte strings in
// the file's single-byte code page; positions and lengths count bytes. Upper and lower case
// change only the ASCII letters. The message boxes live in platform/Messages.h.
namespace velmar {

[[nodiscard]] std::string PadRight(std::string_view text, char fill, int width);
[[nodiscard]] std::string StripDigitsAndBlanks(std::string_view text);
// new == '\0' drops every occurrence of old.
[[nodiscard]] std::string ReplaceChar(std::string_view text, char oldCh, char newCh);
[[nodiscard]] std::string RemoveChar(std::string_view text, char ch);
[[nodiscard]] std::string RightPart(std::string_view text, int n);
[[nodiscard]] std::string DropRight(std::string_view text, int n);
[[nodiscard]] std::string DropLeft(std::string_view text, int n);
[[nodiscard]] std::string FirstLetterUpper(std::string_view text);
[[nodiscard]] std::string AsciiUpper(std::string_view text);
[[nodiscard]] std::string AsciiLower(std::string_view text);

// Paths: split at the platform's separators and at '\' and '/' alike.
[[nodiscard]] std::string ExtractNamePart(std::string_view path);
// Paths arrive as UTF-8 strings from the command line and the windows.
[[nodiscard]] std::filesystem::path Utf8Path(std::string_view path);
[[nodiscard]] std::string PathToUtf8(const std::filesystem::path& path);

// Size in bytes of the entry the path names (directories included), -1 when none exists.
[[nodiscard]] std::int64_t FileSizeOf(std::string_view path);
[[nodiscard]] bool DirExists(std::string_view path);
// First environment entry whose name matches ignoring ASCII case; empty when none.
[[nodiscard]] std::string EnvironmentValue(std::string_view name);
// TEMP, then TMP, then the platform's per-user temporary directory; created when missing.
// Never fails and carries no trailing separator.
[[nodiscard]] std::string TempDirectory();
// TempDirectory() joined with a file name by the platform's separator.
[[nodiscard]] std::string TempFilePath(std::string_view fileName);

// Raw bytes to and from files. Errors come back as the text to show:
// "Cannot create file <path>", "Cannot open file <path>", "Stream read error".
// The write goes to a file beside the target that then replaces it, so a reader never sees
// a half-written file; a symbolic link at the path is replaced, never followed.
[[nodiscard]] std::optional<std::string> WriteBytesToFile(const std::vector<std::uint8_t>& buffer,
                                                          std::string_view path, std::size_t count);
// Reads the first `count` bytes of the file into the start of `buffer` (which must hold them).
// An empty buffer reads nothing.
[[nodiscard]] std::optional<std::string> ReadBytesFromFile(std::vector<std::uint8_t>& buffer,
                                                           std::string_view path, std::size_t count);

// Similar-slot comparisons.
[[nodiscard]] bool IsSimilarName(std::string_view a, std::string_view b);
// Percent 0..100 from the edit distance of the texts without blanks. Two texts that are both
// empty once blanks are removed are identical (100).
[[nodiscard]] int TextSimilarity(std::string_view a, std::string_view b);
// Ratio d / maxLen x 100 rounded half to even, then 100 - that, not below 0.
[[nodiscard]] int SimilarityFromDistance(std::size_t distance, std::size_t maxLen);

}  // namespace velmar
