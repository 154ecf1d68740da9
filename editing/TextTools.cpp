#include "editing/TextTools.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <system_error>

#include "document/AtomicFile.h"

#if defined(_WIN32)
#include <cstdio>
#else
extern char** environ;
#endif

namespace velmar {

namespace fs = std::filesystem;

namespace {

[[nodiscard]] bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
[[nodiscard]] bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
[[nodiscard]] char ToUpper(char c) { return IsLower(c) ? static_cast<char>(c - 32) : c; }
[[nodiscard]] char ToLower(char c) { return IsUpper(c) ? static_cast<char>(c + 32) : c; }
[[nodiscard]] int Len(std::string_view t) { return static_cast<int>(t.size()); }

}  // namespace

std::string PadRight(std::string_view text, char fill, int width) {
    std::string out(text);
    if (Len(out) < width) out.append(static_cast<std::size_t>(width - Len(out)), fill);
    return out;
}

std::string StripDigitsAndBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && !(c >= '0' && c <= '9')) out.push_back(c);
    return out;
}

std::string ReplaceChar(std::string_view text, char oldCh, char newCh) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != oldCh) out.push_back(c);
        else if (newCh != '\0') out.push_back(newCh);
    }
    return out;
}

std::string RemoveChar(std::string_view text, char ch) { return ReplaceChar(text, ch, '\0'); }

std::string RightPart(std::string_view text, int n) {
    if (n <= 0) return {};
    if (n >= Len(text)) return std::string(text);
    return std::string(text.substr(text.size() - static_cast<std::size_t>(n)));
}

std::string DropRight(std::string_view text, int n) {
    if (n <= 0) return std::string(text);
    if (n >= Len(text)) return {};
    return std::string(text.substr(0, text.size() - static_cast<std::size_t>(n)));
}

std::string DropLeft(std::string_view text, int n) { return RightPart(text, Len(text) - n); }

std::string FirstLetterUpper(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = (i == 0 || text[i - 1] == ' ') ? ToUpper(text[i]) : ToLower(text[i]);
    return out;
}

std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), ToUpper);
    return out;
}

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), ToLower);
    return out;
}

std::string ExtractNamePart(std::string_view path) {
    const auto cut = path.find_last_of("\\/");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

fs::path Utf8Path(std::string_view path) {
    return fs::path(std::u8string(path.begin(), path.end()));
}

std::string PathToUtf8(const fs::path& path) {
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

std::int64_t FileSizeOf(std::string_view path) {
    std::error_code ec;
    const fs::path p = fs::absolute(Utf8Path(path), ec);
    if (ec) return -1;
    const auto status = fs::status(p, ec);
    if (ec || !fs::exists(status)) return -1;
    if (fs::is_directory(status)) return 0;
    const auto size = fs::file_size(p, ec);
    if (ec) return -1;
    return static_cast<std::int64_t>(size);
}

bool DirExists(std::string_view path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(Utf8Path(path), ec);
}

std::string EnvironmentValue(std::string_view name) {
#if defined(_WIN32)
    char** env = _environ;
#else
    char** env = environ;
#endif
    if (env == nullptr || name.empty()) return {};
    for (char** entry = env; *entry != nullptr; ++entry) {
        const std::string_view e(*entry);
        if (e.size() <= name.size() || e[name.size()] != '=') continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size() && same; ++i)
            same = ToUpper(e[i]) == ToUpper(name[i]);
        if (same) return std::string(e.substr(name.size() + 1));
    }
    return {};
}

std::string TempDirectory() {
    auto usable = [](const std::string& dir) {
        if (dir.empty()) return false;
        if (DirExists(dir)) return true;
        std::error_code ec;
        fs::create_directories(Utf8Path(dir), ec);
        return DirExists(dir);
    };
    auto trimmed = [](std::string dir) {
        while (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\')) dir.pop_back();
        return dir;
    };
    for (const char* var : {"TEMP", "TMP"}) {
        const std::string value = EnvironmentValue(var);
        if (value.empty()) continue;
        // The first variable that is set decides, as long as its directory can be had.
        if (usable(value)) return trimmed(value);
        break;
    }
    std::error_code ec;
    const std::string fallback = PathToUtf8(fs::temp_directory_path(ec));
    if (!ec && usable(fallback)) return trimmed(fallback);
#if defined(_WIN32)
    return "c:";
#else
    return "/tmp";
#endif
}

std::string TempFilePath(std::string_view fileName) {
    return PathToUtf8(Utf8Path(TempDirectory()) / Utf8Path(fileName));
}

std::optional<std::string> WriteBytesToFile(const std::vector<std::uint8_t>& buffer,
                                            std::string_view path, std::size_t count) {
    const std::size_t n = buffer.empty() ? 0 : std::min(count, buffer.size());
    if (WriteFileAtomically(std::string(path), std::span(buffer.data(), n)))
        return "Cannot create file " + std::string(path);
    return std::nullopt;
}

std::optional<std::string> ReadBytesFromFile(std::vector<std::uint8_t>& buffer,
                                             std::string_view path, std::size_t count) {
    if (buffer.empty()) return std::nullopt;
#if defined(_WIN32)
    std::FILE* f = _wfopen(Utf8Path(path).c_str(), L"rb");
#else
    std::FILE* f = std::fopen(Utf8Path(path).c_str(), "rb");
#endif
    if (f == nullptr) return "Cannot open file " + std::string(path);
    const std::size_t want = std::min(count, buffer.size());
    const std::size_t got = std::fread(buffer.data(), 1, want, f);
    std::fclose(f);
    if (got < count) return std::string("Stream read error");
    return std::nullopt;
}

bool IsSimilarName(std::string_view a, std::string_view b) {
    auto letters = [](std::string_view t) {
        std::string out;
        for (char c : t) {
            const char l = ToLower(c);
            if (IsLower(l)) out.push_back(l);
        }
        return out;
    };
    return letters(a) == letters(b);
}

int SimilarityFromDistance(std::size_t distance, std::size_t maxLen) {
    if (maxLen == 0) return 100;
    // nearbyint under the default rounding mode takes halves to the even neighbour.
    const double r = std::nearbyint(static_cast<double>(distance) / static_cast<double>(maxLen) * 100.0);
    return std::max(0, 100 - static_cast<int>(r));
}

int TextSimilarity(std::string_view a, std::string_view b) {
    const std::string x = RemoveChar(a, ' ');
    const std::string y = RemoveChar(b, ' ');
    const std::size_t n = x.size();
    const std::size_t m = y.size();
    // Full (n+1) x (m+1) table of the edit distance, kept one row at a time.
    std::vector<std::size_t> prev(m + 1), cur(m + 1);
    for (std::size_t j = 0; j <= m; ++j) prev[j] = j;
    for (std::size_t i = 1; i <= n; ++i) {
        cur[0] = i;
        for (std::size_t j = 1; j <= m; ++j) {
            const std::size_t cost = x[i - 1] == y[j - 1] ? 0 : 1;
            cur[j] = std::min({prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + cost});
        }
        std::swap(prev, cur);
    }
    return SimilarityFromDistance(prev[m], std::max(n, m));
}

}  // namespace velmar
