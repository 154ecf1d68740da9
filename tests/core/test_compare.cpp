#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "DocTestSupport.h"
#include "analysis/Compare.h"
#include "document/Document.h"

namespace velmar {
namespace {

using fixtures::PutSlotComment;
using fixtures::PutSlotName;
using fixtures::PutSound;

constexpr int kA = 3;
constexpr int kB = 7;

class CompareTest : public ::testing::Test {
  protected:
    CompareTest() : image_(testing::BlankImage()) {
        fixtures::PutListName(image_, kA, "Gig");
        fixtures::PutListName(image_, kB, "Rehearsal");
    }
    // Puts a named slot into both set lists with the same comment and sound.
    void Both(int slotA, int slotB, const std::string& name) {
        PutSlotName(image_, kA, slotA, name);
        PutSlotName(image_, kB, slotB, name);
        PutSlotComment(image_, kA, slotA, "same");
        PutSlotComment(image_, kB, slotB, "same");
    }
    std::optional<std::string> Compare() {
        testing::LoadOrDie(doc_, image_);
        return CompareSetLists(doc_, kA, kB);
    }
    fixtures::PcgImage image_;
    Document doc_;
};

std::string Lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

// The name padded to 24 columns, then the rest of the line.
std::string Padded(const std::string& name, const std::string& rest) {
    return name + std::string(name.size() < 24 ? 24 - name.size() : 0, ' ') + rest;
}

const std::string kHeader = "SET LIST COMPARISON 003 Gig / 007 Rehearsal";

TEST_F(CompareTest, AgreeingListsHaveNoDifferences) {
    Both(0, 5, "Intro");
    Both(1, 0, "Ballad");  // order within the set lists does not matter
    EXPECT_EQ(Compare(), std::nullopt);
}

TEST_F(CompareTest, DifferentCommentAndSound) {
    PutSlotName(image_, kA, 0, "Intro");
    PutSlotComment(image_, kA, 0, "x");
    PutSound(image_, kA, 0, 1, 0, 0);
    PutSlotName(image_, kB, 4, "Intro");
    PutSlotComment(image_, kB, 4, "y");
    PutSound(image_, kB, 4, 1, 1, 0);
    EXPECT_EQ(Compare(),
              Lines({kHeader, "", Padded("Intro", " has different comment"),
                     Padded("Intro", " has different sound (PRG INT-A 000 / PRG INT-B 000)")}));
}

TEST_F(CompareTest, DuplicatesAreNoticedOnceAndComparedWithTheFirstOfB) {
    Both(0, 2, "Piano");
    PutSlotName(image_, kA, 1, "Piano");  // second Piano in A, other comment
    PutSlotComment(image_, kA, 1, "other");
    PutSlotName(image_, kA, 9, "Piano");  // a third: still one notice
    PutSlotComment(image_, kA, 9, "same");
    PutSlotName(image_, kA, 4, "PIANO");  // repeated, differs only in case: no second notice
    PutSlotName(image_, kA, 5, "PIANO");
    PutSlotName(image_, kB, 6, "PIANO");
    PutSlotName(image_, kB, 8, "Piano");  // later same-named slot in B is never compared
    PutSlotComment(image_, kB, 8, "other");
    EXPECT_EQ(Compare(),
              Lines({kHeader, "", "List 003: multiple Slots named 'Piano' will be cross compared",
                     "List 007: multiple Slots named 'Piano' will be cross compared", "",
                     Padded("Piano", " has different comment")}));
}

TEST_F(CompareTest, SlotsOnlyInOneList) {
    Both(0, 0, "Shared");
    PutSlotName(image_, kA, 2, "Only A");
    PutSlotName(image_, kB, 3, "A Name Of Exactly 24 chr");
    PutSlotName(image_, kA, 5, "   ");  // blanks only: never found in B, even beside the same
    PutSlotName(image_, kB, 5, "   ");
    PutSlotName(image_, kB, 6, "shared");  // names match case and all
    EXPECT_EQ(Compare(), Lines({kHeader, "", Padded("Only A", " only found in 003 Gig"),
                                Padded("   ", " only found in 003 Gig"),
                                Padded("A Name Of Exactly 24 chr", " only found in 007 Rehearsal"),
                                Padded("   ", " only found in 007 Rehearsal"),
                                Padded("shared", " only found in 007 Rehearsal")}));
}

TEST(CompareSelection, NeedsExactlyTwoLists) {
    std::array<bool, 128> selected{};
    EXPECT_FALSE(CompareSelection(selected));
    selected[90] = true;
    EXPECT_FALSE(CompareSelection(selected));
    selected[12] = true;
    const auto pair = CompareSelection(selected);
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->a, 12);
    EXPECT_EQ(pair->b, 90);
    selected[13] = true;
    EXPECT_FALSE(CompareSelection(selected));
}

}  // namespace
}  // namespace velmar
