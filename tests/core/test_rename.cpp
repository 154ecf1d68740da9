#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "EditingFixture.h"
#include "document/Document.h"
#include "editing/Rename.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

constexpr int kList = 12;

std::vector<std::uint8_t> Area(const Document& doc, std::size_t pos, std::size_t size) {
    const auto bytes = doc.Bytes(pos, size);
    return {bytes.begin(), bytes.end()};
}

class RenameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        image_ = BlankImage();
        fixtures::PutListName(image_, kList, "Old list");
        fixtures::PutSlotName(image_, kList, 4, "Old slot");
        Load(doc_, image_);
    }
    fixtures::PcgImage image_;
    Document doc_;
};

TEST_F(RenameTest, PromptsStartWithTheCurrentName) {
    const Prompt list = RenameListPrompt(doc_, kList, Lists({kList}));
    EXPECT_EQ(list.error, "");
    EXPECT_EQ(list.caption, "Rename List");
    EXPECT_EQ(list.label, "List Name: ");
    EXPECT_EQ(list.text, "Old list");
    EXPECT_EQ(RenameListPrompt(doc_, kList, Lists({})).error, "Please select only 1 List!");
    EXPECT_EQ(RenameListPrompt(doc_, kList, Lists({1, 2})).error, "Please select only 1 List!");

    const Prompt slot = RenameSlotPrompt(doc_, kList, 4);
    EXPECT_EQ(slot.caption, "Rename Slot");
    EXPECT_EQ(slot.label, "Slot Name: ");
    EXPECT_EQ(slot.text, "Old slot");
}

TEST_F(RenameTest, NamesUpTo24CharactersAreStoredWhole) {
    struct Case {
        std::string text;
        bool accepted;
    };
    const Case cases[] = {{std::string(24, 'N'), true}, {std::string(25, 'N'), false}, {"", true}};
    for (const Case& c : cases) {
        SetUp();
        const RenameResult list = RenameList(doc_, kList, c.text);
        const RenameResult slot = RenameSlot(doc_, kList, 4, c.text);
        if (!c.accepted) {
            EXPECT_EQ(list.error, "List name must not exceed 24 characters");
            EXPECT_EQ(slot.error, "Slot name must not exceed 24 characters");
            EXPECT_EQ(doc_.GetListName(kList), "Old list");
            EXPECT_EQ(doc_.GetSlotName(kList, 4), "Old slot");
            EXPECT_FALSE(doc_.FileModified());
            continue;
        }
        EXPECT_TRUE(doc_.FileModified());
        EXPECT_EQ(doc_.GetListName(kList), c.text);
        EXPECT_EQ(doc_.GetSlotName(kList, 4), c.text);
        EXPECT_EQ(list.itemText, ItemText(kList, c.text));
        EXPECT_EQ(slot.item, 4);
        EXPECT_EQ(slot.nameField, c.text);
        EXPECT_EQ(Area(doc_, doc_.GetDir(kList), kNameSize),
                  Area(doc_, doc_.GetList(kList), kNameSize));
        EXPECT_EQ(Area(doc_, doc_.GetDir(kList) + DirSlotOffset(4), kNameSize),
                  Area(doc_, doc_.SlotPos(kList, 4), kNameSize));
    }
}

struct ConvertCase {
    Conversion kind;
    std::string name;
    std::string sound;
    std::string converted;
};

// Test names on the command line show the case, not its bytes.
void PrintTo(const ConvertCase& c, std::ostream* os) {
    *os << c.name;
}

class ConvertNameTest : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertNameTest, ConvertsOneName) {
    const ConvertCase& c = GetParam();
    EXPECT_EQ(ConvertName(c.kind, c.name, c.sound), c.converted);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ConvertNameTest,
    ::testing::Values(
        ConvertCase{Conversion::Upper, "Grand piano \xE4", "", "GRAND PIANO \xE4"},
        ConvertCase{Conversion::FirstLetterUpper, "STRINGS and BRASS", "", "Strings And Brass"},
        ConvertCase{Conversion::FirstLetterUpper, "e-piano", "", "E-piano"},
        ConvertCase{Conversion::SoundAndName, "Grand Piano", "CIA000", "CIA000 Grand Piano"},
        ConvertCase{Conversion::SoundAndName, "CIA000 Grand Piano", "CIA000",
                    "CIA000 CIA000 Grand Pian"},
        ConvertCase{Conversion::SoundAndName, "", "S012", "S012 "}));

TEST_F(RenameTest, ConversionsRewriteSelectedSlotsOnly) {
    fixtures::PutSlotName(image_, kList, 2, "Grand Piano");
    fixtures::PutSound(image_, kList, 2, 0, 0, 0);
    fixtures::PutSlotName(image_, kList, 3, "keep me");
    fixtures::PutSlotName(image_, kList, 5, "bass");
    fixtures::PutSound(image_, kList, 5, 1, 24, 127);
    Load(doc_, image_);

    ConversionResult r = ConvertSlotNames(doc_, Conversion::SoundAndName, kList, 5, Slots({2, 5}));
    EXPECT_EQ(doc_.GetSlotName(kList, 2), "CIA000 Grand Piano");
    EXPECT_EQ(doc_.GetSlotName(kList, 5), "PUAA127 bass");
    EXPECT_EQ(doc_.GetSlotName(kList, 3), "keep me");
    EXPECT_EQ(r.rewritten, Slots({2, 5}));
    EXPECT_EQ(r.slotNrField, "005");
    EXPECT_EQ(r.nameField, "PUAA127 bass");
    EXPECT_TRUE(doc_.FileModified());
    EXPECT_EQ(Area(doc_, doc_.GetDir(kList) + DirSlotOffset(2), kNameSize),
              Area(doc_, doc_.SlotPos(kList, 2), kNameSize));

    r = ConvertSlotNames(doc_, Conversion::Upper, kList, 3, Slots({5}));
    EXPECT_EQ(doc_.GetSlotName(kList, 5), "PUAA127 BASS");
    EXPECT_EQ(r.nameField, "keep me");
}

TEST_F(RenameTest, ConversionQuestions) {
    EXPECT_TRUE(ConversionQuestion(doc_, Conversion::Upper, Slots({4})).Empty());
    EXPECT_TRUE(ConversionQuestion(doc_, Conversion::FirstLetterUpper, Slots({4})).Empty());
    const Question many = ConversionQuestion(doc_, Conversion::Upper, Slots({4, 5}));
    EXPECT_EQ(many.kind, BoxKind::OkCancel);
    EXPECT_EQ(many.text, "Rename all selected slots?");
    const Question sound = ConversionQuestion(doc_, Conversion::SoundAndName, Slots({4}));
    EXPECT_EQ(sound.kind, BoxKind::OkCancel);
    EXPECT_EQ(sound.text,
              "This command changes all selected slot names to \"Sound Number\" + \"Mame\". Part "
              "of Slot Name can get lost! Proceed?");
}

TEST(RenameNoDocument, Refuses) {
    Document none;
    EXPECT_EQ(RenameListPrompt(none, 0, Lists({0})).error, "No file loaded!");
    EXPECT_EQ(RenameSlotPrompt(none, 0, 0).error, "No file loaded!");
    EXPECT_EQ(RenameList(none, 0, "x").error, "No file loaded!");
    EXPECT_EQ(RenameSlot(none, 0, 0, "x").error, "No file loaded!");
    EXPECT_EQ(ConversionQuestion(none, Conversion::Upper, Slots({1})).text, "No file loaded!");
    EXPECT_EQ(ConvertSlotNames(none, Conversion::Upper, 0, 0, Slots({1})).error, "No file loaded!");
}

}  // namespace
