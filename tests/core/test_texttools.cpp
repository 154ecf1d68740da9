#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "editing/TextTools.h"

namespace velmar {
namespace {

namespace fs = std::filesystem;

struct TextCase {
    const char* what;
    std::string got;
    std::string want;
};

TEST(TextTools, ShapingExamples) {
    const TextCase cases[] = {
        {"pad short", PadRight("Strings", ' ', 24), "Strings                 "},
        {"pad never cuts", PadRight(std::string(30, 'x'), ' ', 24), std::string(30, 'x')},
        {"drop prefix", DropLeft("007 Grand Piano", 4), "Grand Piano"},
        {"drop all", DropLeft("007", 4), ""},
        {"right part long n", RightPart("abc", 5), "abc"},
        {"right part zero", RightPart("abc", 0), ""},
        {"right part neg", RightPart("abc", -2), ""},
        {"right part 2", RightPart("abc", 2), "bc"},
        {"drop right 1", DropRight("abc", 1), "ab"},
        {"drop right all", DropRight("abc", 3), ""},
        {"drop right zero", DropRight("abc", 0), "abc"},
        {"first upper empty", FirstLetterUpper(""), ""},
        {"first upper a", FirstLetterUpper("a"), "A"},
        {"first upper words", FirstLetterUpper("hELLO  wORLD"), "Hello  World"},
        {"first upper dash", FirstLetterUpper("x-RAY"), "X-ray"},
        {"first upper paren", FirstLetterUpper("(bASS)"), "(bass)"},
        {"first upper lead blank", FirstLetterUpper(" bass"), " Bass"},
        {"first upper keeps accents", FirstLetterUpper("\xE4pfel \xC4RA"), "\xE4pfel \xC4ra"},
        {"strip", StripDigitsAndBlanks("Bass 2 A"), "BassA"},
        {"strip 1", StripDigitsAndBlanks("Piano 1"), "Piano"},
        {"strip 12", StripDigitsAndBlanks("Piano 12"), "Piano"},
        {"replace CR", ReplaceChar("a\r\nb", '\r', ' '), "a \nb"},
        {"replace drop LF", ReplaceChar("a\r\nb", '\n', '\0'), "a\rb"},
        {"remove blanks", RemoveChar(" G r and ", ' '), "Grand"},
        {"name part", ExtractNamePart("C:\\Music\\live.pcg"), "live.pcg"},
        {"name part plain", ExtractNamePart("live.pcg"), "live.pcg"},
        {"name part slash", ExtractNamePart("/home/me/sets/live.pcg"), "live.pcg"},
        {"upper ascii only", AsciiUpper("abc\xE4z"), "ABC\xE4Z"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
    EXPECT_NE(StripDigitsAndBlanks("Bass A"), StripDigitsAndBlanks("Bass B"));
}

TEST(TextTools, Similarity) {
    struct Case {
        const char* a;
        const char* b;
        int want;
    } cases[] = {
        {"Grand Piano", "GrandPiano", 100},
        {"abcd", "abce", 75},
        {"a", "", 0},
        {"", "   ", 100},   // both empty once blanks are gone: identical
        {"abc", "ABC", 0},  // case counts
        {"abcdefgh", "abcdefgX", 88},  // 12.5 rounds to 12
        {"abcdefgh", "abcdeXYZ", 62},  // 37.5 rounds to 38
        {"kitten", "sitting", 57},
    };
    for (const auto& c : cases) EXPECT_EQ(TextSimilarity(c.a, c.b), c.want) << c.a << " / " << c.b;
    EXPECT_TRUE(IsSimilarName("Pad-1 Strings", "PADSTRINGS"));
    EXPECT_TRUE(IsSimilarName("001", "002"));
    EXPECT_FALSE(IsSimilarName("Pad", "Pads"));
}

class TempEnv : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("velmar-tt-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        for (const char* v : {"TEMP", "TMP"}) {
            const char* old = std::getenv(v);
            saved_.emplace_back(v, old ? std::optional<std::string>(old) : std::nullopt);
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value) ::setenv(name.c_str(), value->c_str(), 1);
            else ::unsetenv(name.c_str());
        }
        fs::remove_all(dir_);
    }
    fs::path dir_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(TempEnv, TempDirectoryOrder) {
    const fs::path temp = dir_ / "t1";
    const fs::path tmp = dir_ / "t2" / "nested";
    ::setenv("TEMP", temp.c_str(), 1);
    ::setenv("TMP", tmp.c_str(), 1);
    EXPECT_EQ(TempDirectory(), temp.string());
    EXPECT_TRUE(fs::is_directory(temp));  // created when missing

    ::unsetenv("TEMP");
    EXPECT_EQ(TempDirectory(), tmp.string());
    EXPECT_TRUE(fs::is_directory(tmp));

    ::setenv("TEMP", (temp.string() + "/").c_str(), 1);
    EXPECT_EQ(TempDirectory(), temp.string());  // no trailing separator

    ::unsetenv("TEMP");
    ::unsetenv("TMP");
    EXPECT_TRUE(fs::is_directory(TempDirectory()));
    EXPECT_EQ(EnvironmentValue("temp"), "");
    ::setenv("TEMP", "x", 1);
    EXPECT_EQ(EnvironmentValue("temp"), "x");  // names match ignoring case
}

TEST_F(TempEnv, BytesToAndFromFiles) {
    const std::string path = (dir_ / "clip.tmp").string();
    std::vector<std::uint8_t> data{1, 2, 3, 4, 5};
    ASSERT_FALSE(WriteBytesToFile(data, path, 0));
    EXPECT_EQ(FileSizeOf(path), 0);  // count 0: an empty file
    ASSERT_FALSE(WriteBytesToFile(data, path, 3));
    EXPECT_EQ(FileSizeOf(path), 3);

    std::vector<std::uint8_t> in(5, 9);
    ASSERT_FALSE(ReadBytesFromFile(in, path, 3));
    EXPECT_EQ(in, (std::vector<std::uint8_t>{1, 2, 3, 9, 9}));
    EXPECT_EQ(ReadBytesFromFile(in, path, 4).value_or(""), "Stream read error");
    EXPECT_EQ(ReadBytesFromFile(in, path + "x", 1).value_or(""), "Cannot open file " + path + "x");
    EXPECT_EQ(WriteBytesToFile(data, (dir_ / "no" / "such").string(), 1).value_or(""),
              "Cannot create file " + (dir_ / "no" / "such").string());

    // A link planted at the path is replaced, never followed.
    const fs::path victim = dir_ / "victim";
    std::ofstream(victim) << "keep";
    const fs::path link = dir_ / "link.tmp";
    fs::create_symlink(victim, link);
    ASSERT_FALSE(WriteBytesToFile(data, link.string(), 5));
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(fs::file_size(victim), 4u);

    EXPECT_EQ(FileSizeOf((dir_ / "missing").string()), -1);
    EXPECT_TRUE(DirExists(dir_.string()));
    EXPECT_FALSE(DirExists(path));
}

}  // namespace
}  // namespace velmar
