#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#if defined(_WIN32)
#include <process.h>
#else
#include <unistd.h>
#endif

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "document/Document.h"
#include "editing/EditTypes.h"
#include "tools/fixtures/PcgFixture.h"

// Shared by the editing tests: generated documents loaded from memory, and a private temporary
// directory (TEMP points at it) so the clipboard files never touch the user's.
namespace velmar::testing {

// One generated image per kind, built once: generating takes longer than copying.
inline const fixtures::PcgImage& CachedImage(bool blank, bool withDirectory, std::uint64_t seed) {
    static std::vector<std::pair<std::tuple<bool, bool, std::uint64_t>, fixtures::PcgImage>> cache;
    const auto key = std::make_tuple(blank, withDirectory, seed);
    for (const auto& [k, image] : cache)
        if (k == key) return image;
    fixtures::PcgOptions options;
    options.blank = blank;
    options.withDirectory = withDirectory;
    options.seed = seed;
    cache.emplace_back(key, fixtures::GeneratePcg(options));
    return cache.back().second;
}

// The positions of the generated image, for tests that write exact cases before loading.
inline fixtures::PcgImage BlankImage(bool withDirectory = true) {
    return CachedImage(true, withDirectory, 1);
}

inline void Load(Document& doc, const fixtures::PcgImage& image) {
    std::vector<std::uint8_t> bytes = image.bytes;
    const LoadResult loaded = doc.LoadImage(std::move(bytes), "test.pcg");
    ASSERT_TRUE(loaded.ok) << loaded.error;
    ASSERT_EQ(doc.HasDirectory(), image.sdbPos.has_value());
}

// Names "S000".."S127" in set list `list` of a blank image, so every slot can be told apart.
inline void NameSlots(fixtures::PcgImage& image, int list) {
    for (int s = 0; s < kSlotCount; ++s) {
        char name[8];
        std::snprintf(name, sizeof name, "S%03d", s);
        fixtures::PutSlotName(image, list, s, name);
    }
}

inline SlotSelection Slots(std::initializer_list<int> slots) {
    SlotSelection selection;
    for (int s : slots) selection.set(s);
    return selection;
}

inline ListSelection Lists(std::initializer_list<int> lists) {
    ListSelection selection;
    for (int a : lists) selection.set(a);
    return selection;
}

// The slot names of one set list, for whole-list comparisons.
inline std::vector<std::string> SlotNames(const Document& doc, int list) {
    std::vector<std::string> names;
    for (int s = 0; s < kSlotCount; ++s) names.push_back(doc.GetSlotName(list, s));
    return names;
}

inline std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline void SetEnv(const char* name, const std::string* value) {
#if defined(_WIN32)
    _putenv_s(name, value ? value->c_str() : "");
#else
    if (value)
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
#endif
}

// Points TEMP at a fresh directory for the life of the test and removes it afterwards.
class TempDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        dir_ =
            std::filesystem::temp_directory_path() /
            ("velmar_editing_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
        std::filesystem::create_directories(dir_);
        const char* old = std::getenv("TEMP");
        hadTemp_ = old != nullptr;
        if (hadTemp_) oldTemp_ = old;
        const std::string dir = dir_.string();
        SetEnv("TEMP", &dir);
    }
    void TearDown() override {
        SetEnv("TEMP", hadTemp_ ? &oldTemp_ : nullptr);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    [[nodiscard]] const std::filesystem::path& Dir() const { return dir_; }

  private:
    std::filesystem::path dir_;
    std::string oldTemp_;
    bool hadTemp_ = false;
};

}  // namespace velmar::testing
