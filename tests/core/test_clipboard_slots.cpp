#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "EditingFixture.h"
#include "document/Document.h"
#include "editing/SlotClipboard.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

constexpr int kList = 7;

std::vector<std::uint8_t> Record(const Document& doc, int a, int s) {
    const auto bytes = doc.Bytes(doc.SlotPos(a, s), kSlotRecordSize);
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> DirRecord(const Document& doc, int a, int s) {
    const auto bytes = doc.Bytes(doc.GetDir(a) + DirSlotOffset(s), kDirSlotRecordSize);
    return {bytes.begin(), bytes.end()};
}

std::string Name(int s) {
    char name[8];
    std::snprintf(name, sizeof name, "S%03d", s);
    return name;
}

class SlotClipboardTest : public TempDirTest {
  protected:
    // List kList named S000..S127 with a distinct sound per slot and directory bytes 24..27 that
    // differ from the record's bytes 24..27.
    void LoadNamed(bool withDirectory = true) {
        image_ = BlankImage(withDirectory);
        NameSlots(image_, kList);
        for (int s = 0; s < kSlotCount; ++s) {
            fixtures::PutSound(image_, kList, s, s % 2, s % 14, s);
            fixtures::PutColor(image_, kList, s, s % 16);
            if (withDirectory) image_.bytes[fixtures::DirSlotPos(image_, kList, s) + 26] = 0xEE;
        }
        Load(doc_, image_);
    }
    SlotContext Ctx(std::initializer_list<int> selected, int focused = 0) const {
        return {kList, focused, focused, Slots(selected)};
    }
    void WriteClip(std::size_t size) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>('a' + i % 26);
        WriteFile(SlotClipboardPath(), bytes);
    }

    fixtures::PcgImage image_;
    Document doc_;
    EditState state_;
};

TEST_F(SlotClipboardTest, CopyWritesSelectedRecordsInOrder) {
    LoadNamed();
    state_.clipboardKind = ClipboardKind::SetList;
    const SlotCommandResult r = CopySlots(doc_, state_, Ctx({11, 3, 10}));
    ASSERT_TRUE(r.error.empty()) << r.error;
    EXPECT_FALSE(r.modified);
    EXPECT_FALSE(doc_.FileModified());
    EXPECT_EQ(state_.clipboardKind, ClipboardKind::SetList);  // Copy leaves the kind

    const std::vector<std::uint8_t> file = ReadFile(SlotClipboardPath());
    ASSERT_EQ(file.size(), 1632u);
    const int order[] = {3, 10, 11};
    for (int k = 0; k < 3; ++k) {
        const auto first = file.begin() + k * 544;
        EXPECT_EQ(std::vector<std::uint8_t>(first, first + 542), Record(doc_, kList, order[k]));
        EXPECT_EQ(first[542], 0);
        EXPECT_EQ(first[543], 0);
    }
}

TEST_F(SlotClipboardTest, PasteNeedsRoomFromTheFocusedSlot) {
    LoadNamed();
    ASSERT_TRUE(CopySlots(doc_, state_, Ctx({3, 10, 11})).error.empty());
    const std::vector<std::uint8_t> before(doc_.Image().begin(), doc_.Image().end());

    const SlotCommandResult tooLate = PasteSlots(doc_, state_, Ctx({}, 126));
    EXPECT_EQ(tooLate.error, "Not enough space for pasting");
    EXPECT_FALSE(doc_.FileModified());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), doc_.Image().begin()));

    const std::vector<std::uint8_t> slot10 = Record(doc_, kList, 10);
    const SlotCommandResult r = PasteSlots(doc_, state_, Ctx({40}, 125));
    ASSERT_TRUE(r.error.empty());
    EXPECT_TRUE(doc_.FileModified());
    EXPECT_EQ(doc_.GetSlotName(kList, 125), "S003");
    EXPECT_EQ(Record(doc_, kList, 126), slot10);
    EXPECT_EQ(doc_.GetSlotName(kList, 127), "S011");
    for (int s = 125; s < 128; ++s) {
        // The file holds no directory data: the record's first 28 bytes stand in for it.
        const auto record = Record(doc_, kList, s);
        EXPECT_EQ(DirRecord(doc_, kList, s),
                  std::vector<std::uint8_t>(record.begin(), record.begin() + 28));
    }
    EXPECT_EQ(r.view.rewritten, Slots({125, 126, 127}));
    EXPECT_EQ(r.view.showSlot, 125);
    EXPECT_EQ(r.view.selection, Slots({40, 125}));
    EXPECT_EQ(r.view.lastSlotOfList, 125);
}

TEST_F(SlotClipboardTest, PasteTakesWholeRecordsOnly) {
    struct Case {
        long size;  // -1: no file
        int pasted;
        bool modified;
    };
    for (const Case c : {Case{600, 1, true}, Case{500, 0, true}, Case{-1, 0, false},
                         Case{544 * 2 + 543, 2, true}}) {
        LoadNamed();
        std::filesystem::remove(SlotClipboardPath());
        if (c.size >= 0) WriteClip(static_cast<std::size_t>(c.size));
        const SlotCommandResult r = PasteSlots(doc_, state_, Ctx({}, 50));
        EXPECT_TRUE(r.error.empty()) << c.size;
        EXPECT_EQ(doc_.FileModified(), c.modified) << c.size;
        EXPECT_EQ(r.view.showSlot, c.modified ? 50 : -1) << c.size;
        for (int k = 0; k < 3; ++k) {
            const bool pasted = k < c.pasted;
            EXPECT_EQ(doc_.GetSlotName(kList, 50 + k) == Name(50 + k), !pasted)
                << c.size << " " << k;
        }
    }
}

TEST_F(SlotClipboardTest, CutMovesBlankedSlotsToTheEnd) {
    LoadNamed();
    const std::vector<std::uint8_t> slot3 = Record(doc_, kList, 3);
    const SlotCommandResult r = CutSlots(doc_, state_, Ctx({3, 5}, 5));
    ASSERT_TRUE(r.error.empty());
    EXPECT_TRUE(doc_.FileModified());
    EXPECT_EQ(ReadFile(SlotClipboardPath()).size(), 2u * 544);

    std::vector<std::string> expected;
    for (int s = 0; s < kSlotCount; ++s)
        if (s != 3 && s != 5) expected.push_back(Name(s));
    expected.push_back("");
    expected.push_back("");
    EXPECT_EQ(SlotNames(doc_, kList), expected);
    // The blanked slots keep sound and colour: 126 came from 5, 127 from 3.
    EXPECT_EQ(doc_.GetSoundText(kList, 126, false), "PRG INT-F 005");
    EXPECT_EQ(doc_.GetSlotColorIndex(kList, 126), 5);
    EXPECT_EQ(doc_.GetSlotColorIndex(kList, 127), 3);
    EXPECT_EQ(doc_.GetSlotComment(kList, 127), "");
    EXPECT_EQ(Record(doc_, kList, 127)[24], slot3[24]);
    EXPECT_EQ(r.view.selection, Slots({5}));
    EXPECT_TRUE(r.view.deselectOthers);
    EXPECT_EQ(r.view.showSlot, 5);
    EXPECT_EQ(state_.clipboardKind, ClipboardKind::Slots);
}

TEST_F(SlotClipboardTest, CopyAndCutRefusedWhilePicking) {
    LoadNamed();
    WriteClip(544);
    state_.pick.Start();
    state_.pick.Toggle(kList, 1);
    EXPECT_EQ(CopySlots(doc_, state_, Ctx({3})).error, "Not possible while Picking!");
    EXPECT_EQ(CutSlots(doc_, state_, Ctx({3})).error, "Not possible while Picking!");
    EXPECT_EQ(ReadFile(SlotClipboardPath()).size(), 544u);
    EXPECT_EQ(doc_.GetSlotName(kList, 3), "S003");
    EXPECT_FALSE(doc_.FileModified());
    EXPECT_EQ(state_.pick.State(), PickState::Picking);
}

TEST_F(SlotClipboardTest, ClearBlanksNameCommentAndColourOnly) {
    image_ = BlankImage();
    fixtures::PutSlotName(image_, kList, 9, "Organ");
    fixtures::PutSlotComment(image_, kList, 9, "Drawbars out");
    fixtures::PutColor(image_, kList, 9, 6);
    fixtures::PutSound(image_, kList, 9, 1, 24, 127);
    fixtures::PutFontSize(image_, kList, 9, 3);
    fixtures::PutVolume(image_, kList, 9, 99);
    fixtures::PutHold(image_, kList, 9, 5);
    fixtures::PutTranspose(image_, kList, 9, 40);
    Load(doc_, image_);

    const SlotCommandResult r = ClearSlots(doc_, {kList, 2, 2, Slots({9})});

    ASSERT_TRUE(r.error.empty());
    EXPECT_TRUE(doc_.FileModified());
    EXPECT_EQ(doc_.GetSlotName(kList, 9), "");
    EXPECT_EQ(doc_.GetSlotComment(kList, 9), "");
    EXPECT_EQ(doc_.GetSlotColorIndex(kList, 9), 0);
    EXPECT_EQ(doc_.GetSoundText(kList, 9, false), "PRG USR-AA 127");
    EXPECT_EQ(doc_.GetSlotFontSize(kList, 9), 3);
    EXPECT_EQ(doc_.GetVolumeText(kList, 9), "V 99");
    EXPECT_EQ(doc_.GetHoldText(kList, 9), "H 4s");
    EXPECT_EQ(doc_.GetTransposeText(kList, 9), "T -24");
    EXPECT_EQ(r.view.showSlot, 2);
    EXPECT_EQ(r.view.selection, Slots({2, 9}));
}

struct InsertCase {
    const char* what;
    int records;             // records in the file; -1: no file
    std::vector<int> named;  // slots that keep their names ("S..."); others blanked
    int focused;
    const char* error;                                // nullptr: succeeds
    std::vector<std::pair<int, std::string>> expect;  // place -> name afterwards
};

// Test names on the command line show the case, not its bytes.
void PrintTo(const InsertCase& c, std::ostream* os) {
    *os << c.what;
}

class InsertTest : public SlotClipboardTest, public ::testing::WithParamInterface<InsertCase> {};

TEST_P(InsertTest, OpensRoomThenPastes) {
    const InsertCase& c = GetParam();
    image_ = BlankImage();
    for (int s : c.named) fixtures::PutSlotName(image_, kList, s, Name(s));
    // The file's records are named C0, C1, ...
    std::vector<std::uint8_t> file;
    for (int k = 0; k < c.records; ++k) {
        std::vector<std::uint8_t> record(544, 0);
        record[0] = 'C';
        record[1] = static_cast<std::uint8_t>('0' + k);
        file.insert(file.end(), record.begin(), record.end());
    }
    if (c.records >= 0) WriteFile(SlotClipboardPath(), file);
    Load(doc_, image_);
    const std::vector<std::uint8_t> before(doc_.Image().begin(), doc_.Image().end());

    const SlotCommandResult r = InsertSlots(doc_, state_, Ctx({}, c.focused));

    if (c.error != nullptr) {
        EXPECT_EQ(r.error, c.error);
        EXPECT_FALSE(doc_.FileModified());
        EXPECT_TRUE(std::equal(before.begin(), before.end(), doc_.Image().begin()));
        return;
    }
    ASSERT_TRUE(r.error.empty()) << r.error;
    EXPECT_TRUE(doc_.FileModified());
    for (const auto& [place, name] : c.expect)
        EXPECT_EQ(doc_.GetSlotName(kList, place), name) << "place " << place;
    EXPECT_EQ(r.view.showSlot, c.focused);
}

std::vector<int> Range(int from, int to) {
    std::vector<int> v;
    for (int s = from; s <= to; ++s) v.push_back(s);
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, InsertTest,
    ::testing::Values(
        InsertCase{
            "Slot127Named", 1, {127}, 5, "No space for insert (Slot 127 must be empty)!", {}},
        InsertCase{"NoFileSlot127Named",
                   -1,
                   {127},
                   5,
                   "No space for insert (Slot 127 must be empty)!",
                   {}},
        InsertCase{"LastThreeNotEmpty",
                   3,
                   {126},
                   5,
                   "No space for insert (Last 3 Slots must be empty)!",
                   {}},
        InsertCase{"ThreeAt20",
                   3,
                   Range(0, 124),
                   20,
                   nullptr,
                   {{19, "S019"}, {20, "C0"}, {21, "C1"}, {22, "C2"}, {23, "S020"}, {127, "S124"}}},
        InsertCase{"NoFileOpensOneEmptySlot",
                   -1,
                   Range(0, 126),
                   20,
                   nullptr,
                   {{20, ""}, {21, "S020"}, {127, "S126"}}},
        InsertCase{"EmptyFileOpensOneEmptySlot",
                   0,
                   Range(0, 126),
                   0,
                   nullptr,
                   {{0, ""}, {1, "S000"}, {127, "S126"}}},
        InsertCase{"AtTheLastPlace", 1, Range(0, 126), 127, nullptr, {{126, "S126"}, {127, "C0"}}},
        InsertCase{"BeyondTheEnd", 3, Range(0, 20), 126, "Not enough space for pasting", {}}),
    [](const auto& info) { return info.param.what; });

TEST_F(SlotClipboardTest, PicksPasteInPickOrderAndEndPicking) {
    image_ = BlankImage();
    fixtures::PutSlotName(image_, 1, 3, "Pick one");
    fixtures::PutSlotName(image_, 5, 9, "Pick two");
    image_.bytes[fixtures::DirSlotPos(image_, 5, 9) + 27] = 0x42;
    Load(doc_, image_);
    state_.pick.Start();
    state_.pick.Toggle(1, 3);
    state_.pick.Toggle(5, 9);

    const SlotCommandResult r = PasteSlots(doc_, state_, Ctx({}, 20));

    ASSERT_TRUE(r.error.empty());
    EXPECT_EQ(doc_.GetSlotName(kList, 20), "Pick one");
    EXPECT_EQ(doc_.GetSlotName(kList, 21), "Pick two");
    EXPECT_EQ(DirRecord(doc_, kList, 21), DirRecord(doc_, 5, 9));  // the directory record travels
    EXPECT_TRUE(r.pickReset);
    EXPECT_EQ(state_.pick.State(), PickState::Off);
    EXPECT_TRUE(state_.pick.Empty());
}

TEST_F(SlotClipboardTest, ReadyToPastePastesAgainOnEveryClick) {
    LoadNamed();
    state_.pick.Start();
    state_.pick.Toggle(kList, 2);
    ASSERT_EQ(state_.pick.PressPasteButton(), PickList::PasteButtonAction::Finished);
    ASSERT_EQ(state_.pick.PressPasteButton(), PickList::PasteButtonAction::Paste);
    EXPECT_FALSE(PasteSlots(doc_, state_, Ctx({}, 60)).pickReset);
    EXPECT_FALSE(PasteSlots(doc_, state_, Ctx({}, 61)).pickReset);
    EXPECT_EQ(doc_.GetSlotName(kList, 60), "S002");
    EXPECT_EQ(doc_.GetSlotName(kList, 61), "S002");
    EXPECT_EQ(state_.pick.PasteButtonCaption(), "Paste (1)");
}

TEST_F(SlotClipboardTest, PicksAreReadBeforeAnythingIsWritten) {
    // Paste over an overlapping range: slots 20 and 21 picked, pasted at 21.
    LoadNamed();
    state_.pick.Start();
    state_.pick.Toggle(kList, 20);
    state_.pick.Toggle(kList, 21);
    ASSERT_TRUE(PasteSlots(doc_, state_, Ctx({}, 21)).error.empty());
    EXPECT_EQ(doc_.GetSlotName(kList, 21), "S020");
    EXPECT_EQ(doc_.GetSlotName(kList, 22), "S021");

    // Insert before a picked slot of the same set list: the pick is what was picked, although
    // making room moves it one place down.
    image_ = BlankImage();
    for (int s = 0; s < 100; ++s) fixtures::PutSlotName(image_, kList, s, Name(s));
    Load(doc_, image_);
    state_.pick.Start();
    state_.pick.Toggle(kList, 30);
    ASSERT_TRUE(InsertSlots(doc_, state_, Ctx({}, 20)).error.empty());
    EXPECT_EQ(doc_.GetSlotName(kList, 20), "S030");
    EXPECT_EQ(doc_.GetSlotName(kList, 21), "S020");
    EXPECT_EQ(doc_.GetSlotName(kList, 31), "S030");
    EXPECT_EQ(state_.pick.State(), PickState::Off);
}

TEST_F(SlotClipboardTest, InsertWithPicksNeedsEmptySlotsAtTheEnd) {
    LoadNamed();
    const std::vector<std::uint8_t> before(doc_.Image().begin(), doc_.Image().end());
    state_.pick.Start();
    state_.pick.Toggle(1, 1);
    EXPECT_EQ(InsertSlots(doc_, state_, Ctx({}, 3)).error,
              "No space for insert (Last 1 Slots must be empty)!");
    state_.pick.Toggle(1, 2);
    EXPECT_EQ(InsertSlots(doc_, state_, Ctx({}, 3)).error,
              "No space for insert (Last 2 Slots must be empty)!");
    EXPECT_EQ(PasteSlots(doc_, state_, Ctx({}, 127)).error, "Not enough space for pasting");
    EXPECT_TRUE(std::equal(before.begin(), before.end(), doc_.Image().begin()));
    EXPECT_EQ(state_.pick.State(), PickState::Picking);  // failures leave pick mode as it was
}

TEST_F(SlotClipboardTest, EveryCommandRefusesWithoutDocument) {
    Document none;
    const SlotContext ctx{0, 0, 0, Slots({1})};
    EXPECT_EQ(CopySlots(none, state_, ctx).error, "No file loaded!");
    EXPECT_EQ(CutSlots(none, state_, ctx).error, "No file loaded!");
    EXPECT_EQ(ClearSlots(none, ctx).error, "No file loaded!");
    EXPECT_EQ(PasteSlots(none, state_, ctx).error, "No file loaded!");
    EXPECT_EQ(InsertSlots(none, state_, ctx).error, "No file loaded!");
    EXPECT_FALSE(std::filesystem::exists(SlotClipboardPath()));
}

TEST_F(SlotClipboardTest, CutKeepsTheSlotsWhenTheFileCannotBeWritten) {
    LoadNamed();
    // A directory in the file's place: the clipboard file cannot be written.
    std::filesystem::create_directories(std::filesystem::path(SlotClipboardPath()) / "x");
    const std::vector<std::uint8_t> before(doc_.Image().begin(), doc_.Image().end());
    const SlotCommandResult r = CutSlots(doc_, state_, Ctx({3}));
    EXPECT_EQ(r.error, "Cannot create file " + SlotClipboardPath());
    EXPECT_FALSE(doc_.FileModified());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), doc_.Image().begin()));
}

TEST_F(SlotClipboardTest, PlantedLinkIsReplacedNotFollowed) {
    LoadNamed();
    const std::string victim = (Dir() / "victim.txt").string();
    WriteFile(victim, {'k', 'e', 'e', 'p'});
    std::filesystem::create_symlink(victim, SlotClipboardPath());
    ASSERT_TRUE(CopySlots(doc_, state_, Ctx({1})).error.empty());
    EXPECT_FALSE(std::filesystem::is_symlink(SlotClipboardPath()));
    EXPECT_EQ(ReadFile(SlotClipboardPath()).size(), 544u);
    EXPECT_EQ(ReadFile(victim), (std::vector<std::uint8_t>{'k', 'e', 'e', 'p'}));
}

TEST_F(SlotClipboardTest, WithoutDirectoryOnlyTheRecordsChange) {
    LoadNamed(false);
    ASSERT_TRUE(CopySlots(doc_, state_, Ctx({0, 1})).error.empty());
    const std::vector<std::uint8_t> before(doc_.Image().begin(), doc_.Image().end());
    ASSERT_TRUE(PasteSlots(doc_, state_, Ctx({}, 10)).error.empty());
    ASSERT_TRUE(CutSlots(doc_, state_, Ctx({4})).error.empty());
    const std::size_t first = doc_.SlotPos(kList, 0);
    const std::size_t last = doc_.SlotPos(kList, 127) + kSlotRecordSize;
    const auto after = doc_.Image();
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + first, after.begin()));
    EXPECT_TRUE(std::equal(before.begin() + last, before.end(), after.begin() + last));
    EXPECT_EQ(doc_.GetSlotName(kList, 9), "S000");  // pasted at 10, moved up by the cut
}

}  // namespace
