#pragma once

#include <string>
#include <string_view>

// Exact conversion between the file's single-byte code page (Windows-1252) and UTF-8.
// The five bytes that code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the
// C1 controls of the same number, so every byte survives a round trip.
namespace velmar {

[[nodiscard]] std::string Cp1252ToUtf8(std::string_view bytes);
// Characters the code page cannot hold become '?'; malformed UTF-8 bytes too.
[[nodiscard]] std::string Utf8ToCp1252(std::string_view utf8);
[[nodiscard]] char32_t Cp1252ToUnicode(unsigned char byte);
// '?' when the code point has no byte.
[[nodiscard]] unsigned char UnicodeToCp1252(char32_t codePoint);

}  // namespace velmar
