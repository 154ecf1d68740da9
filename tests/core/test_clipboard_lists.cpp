#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "EditingFixture.h"
#include "document/Document.h"
#include "editing/ListClipboard.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

std::string ListName(int a) {
    char name[8];
    std::snprintf(name, sizeof name, "L%03d", a);
    return name;
}

std::vector<std::uint8_t> Area(const Document& doc, std::size_t pos, std::size_t size) {
    const auto bytes = doc.Bytes(pos, size);
    return {bytes.begin(), bytes.end()};
}

class ListClipboardTest : public TempDirTest {
  protected:
    // Set lists L000..L126 (127 nameless unless asked), each with a named, commented slot 127
    // carrying a sound, and a marked trailing byte.
    void LoadLists(bool name127 = false) {
        image_ = BlankImage();
        for (int a = 0; a < kSetListCount; ++a) {
            if (a < 127 || name127) fixtures::PutListName(image_, a, ListName(a));
            fixtures::PutSlotName(image_, a, 127, "Last " + ListName(a));
            fixtures::PutSlotComment(image_, a, 127, "Comment " + ListName(a));
            fixtures::PutSound(image_, a, 127, 0, 3, a);
            image_.bytes[fixtures::ListPos(image_, a) + kSetListSize - 1] =
                static_cast<std::uint8_t>(a);
        }
        Load(doc_, image_);
    }
    ListContext Ctx(int list, std::initializer_list<int> selected) const {
        return {list, list, Lists(selected)};
    }

    fixtures::PcgImage image_;
    Document doc_;
    EditState state_;
};

TEST_F(ListClipboardTest, CopyWritesRecordAndDirectoryEntry) {
    LoadLists();
    EXPECT_EQ(CopyList(doc_, state_, Ctx(3, {})).error, "Please select exactly 1 List!");
    EXPECT_EQ(CopyList(doc_, state_, Ctx(3, {3, 4})).error, "Please select exactly 1 List!");
    EXPECT_FALSE(std::filesystem::exists(ListClipboardPath()));
    EXPECT_EQ(state_.clipboardKind, ClipboardKind::Slots);

    ASSERT_TRUE(doc_.GetListName(3) == "L003");
    ASSERT_TRUE(CopyList(doc_, state_, Ctx(3, {3})).error.empty());
    EXPECT_EQ(state_.clipboardKind, ClipboardKind::SetList);
    EXPECT_FALSE(doc_.FileModified());
    const std::vector<std::uint8_t> file = ReadFile(ListClipboardPath());
    ASSERT_EQ(file.size(), 73284u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "L003");
    EXPECT_EQ(std::string(file.begin() + 69416, file.begin() + 69420), "L003");
    EXPECT_EQ(file[69415], 3);  // the last trailing byte of the record
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 69416),
              Area(doc_, doc_.GetList(3), kSetListSize));
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 69416, file.begin() + 73028),
              Area(doc_, doc_.GetDir(3), kDirEntrySize));
}

TEST_F(ListClipboardTest, PastePlanFollowsKindFileAndName) {
    LoadLists();
    EXPECT_TRUE(PlanPasteList(doc_, state_, Ctx(127, {127})).runSlotCommand);
    EXPECT_TRUE(PlanInsertList(doc_, state_, Ctx(3, {3})).runSlotCommand);
    state_.clipboardKind = ClipboardKind::SetList;
    const ListPlan noFile = PlanPasteList(doc_, state_, Ctx(127, {127}));
    EXPECT_EQ(noFile.ask.kind, BoxKind::Error);
    EXPECT_EQ(noFile.ask.text, "Please copy a List first!");
    EXPECT_EQ(PlanInsertList(doc_, state_, Ctx(3, {3})).ask.text, "Please copy a List first!");

    ASSERT_TRUE(CopyList(doc_, state_, Ctx(3, {3})).error.empty());
    EXPECT_TRUE(PlanPasteList(doc_, state_, Ctx(127, {127})).ask.Empty());  // unnamed: no question
    const ListPlan named = PlanPasteList(doc_, state_, Ctx(4, {4}));
    EXPECT_EQ(named.ask.kind, BoxKind::OkCancel);
    EXPECT_EQ(named.ask.text, "Overwrite Set List?");
    EXPECT_TRUE(PlanInsertList(doc_, state_, Ctx(3, {3})).ask.Empty());
}

TEST_F(ListClipboardTest, PasteOntoUnnamedListCopiesEverything) {
    LoadLists();
    ASSERT_TRUE(CopyList(doc_, state_, Ctx(3, {3})).error.empty());
    state_.pick.Start();
    state_.pick.Toggle(9, 9);
    ASSERT_EQ(state_.pick.PressPasteButton(), PickList::PasteButtonAction::Finished);

    const ListCommandResult r = PasteList(doc_, state_, Ctx(127, {127}));

    ASSERT_TRUE(r.error.empty()) << r.error;
    EXPECT_TRUE(doc_.FileModified());
    EXPECT_EQ(Area(doc_, doc_.GetList(127), kSetListSize),
              Area(doc_, doc_.GetList(3), kSetListSize));
    EXPECT_EQ(Area(doc_, doc_.GetDir(127), kDirEntrySize),
              Area(doc_, doc_.GetDir(3), kDirEntrySize));
    EXPECT_EQ(r.showSetList, 127);
    EXPECT_TRUE(r.rewritten.test(127));
    // Paste List discards the picks whatever the pick state.
    EXPECT_TRUE(r.pickReset);
    EXPECT_EQ(state_.pick.State(), PickState::Off);
    EXPECT_TRUE(state_.pick.Empty());
}

TEST_F(ListClipboardTest, CutMovesTheBlankedListToTheEnd) {
    LoadLists(true);
    EXPECT_EQ(PlanCutList(doc_, Ctx(5, {5, 6})).ask.text, "Please select exactly 1 List!");
    const ListPlan plan = PlanCutList(doc_, Ctx(5, {5}));
    EXPECT_EQ(plan.ask.kind, BoxKind::OkCancel);
    EXPECT_EQ(plan.ask.text, "Delete Set List?");
    const std::vector<std::uint8_t> list5 = Area(doc_, doc_.GetList(5), kSetListSize);

    const ListCommandResult r = CutList(doc_, state_, Ctx(5, {5}));

    ASSERT_TRUE(r.error.empty());
    EXPECT_TRUE(doc_.FileModified());
    EXPECT_EQ(state_.clipboardKind, ClipboardKind::SetList);
    for (int a = 5; a < 127; ++a) {
        EXPECT_EQ(doc_.GetListName(a), ListName(a + 1));
        EXPECT_EQ(doc_.GetSlotName(a, 127), "Last " + ListName(a + 1));
    }
    EXPECT_EQ(doc_.GetListName(4), "L004");
    EXPECT_EQ(doc_.GetListName(127), "");
    EXPECT_EQ(doc_.GetSlotName(127, 127), "");
    EXPECT_EQ(doc_.GetSlotComment(127, 127), "");
    EXPECT_EQ(doc_.GetSoundText(127, 127, true), "CID005");  // the sound stays
    EXPECT_EQ(doc_.Image()[doc_.GetList(127) + kSetListSize - 1], 5);
    EXPECT_EQ(r.showSetList, 5);
    const std::vector<std::uint8_t> file = ReadFile(ListClipboardPath());
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 69416), list5);
}

TEST_F(ListClipboardTest, InsertMovesListsDownAndPastesAtTheFocus) {
    LoadLists(true);
    ASSERT_TRUE(CopyList(doc_, state_, Ctx(40, {40})).error.empty());
    EXPECT_EQ(PlanInsertList(doc_, state_, Ctx(10, {10})).ask.text,
              "No space for insert (Set List 127 must be empty)!");
    EXPECT_EQ(InsertList(doc_, state_, Ctx(10, {10})).error,
              "No space for insert (Set List 127 must be empty)!");
    EXPECT_FALSE(doc_.FileModified());

    LoadLists(false);
    const ListCommandResult r = InsertList(doc_, state_, Ctx(10, {10}));

    ASSERT_TRUE(r.error.empty()) << r.error;
    EXPECT_EQ(doc_.GetListName(10), "L040");
    EXPECT_EQ(doc_.GetSlotName(10, 127), "Last L040");
    for (int a = 11; a < 128; ++a) EXPECT_EQ(doc_.GetListName(a), ListName(a - 1));
    EXPECT_EQ(doc_.GetListName(9), "L009");
    // The former set list 127 is gone.
    for (int a = 0; a < kSetListCount; ++a) EXPECT_NE(doc_.GetSlotName(a, 127), "Last L127");
    EXPECT_EQ(r.showSetList, 10);
    EXPECT_TRUE(r.pickReset);
}

TEST_F(ListClipboardTest, ClearInitializesSelectedLists) {
    LoadLists();
    EXPECT_EQ(PlanClearLists(doc_).ask.text, "Initialize all Slots in selected Set Lists?");
    const ListCommandResult r = ClearLists(doc_, Ctx(2, {2, 8}));
    EXPECT_TRUE(doc_.FileModified());
    for (int a : {2, 8}) {
        EXPECT_EQ(doc_.GetListName(a), "");
        EXPECT_EQ(Area(doc_, doc_.GetDir(a), kNameSize), std::vector<std::uint8_t>(kNameSize, 0));
        EXPECT_EQ(doc_.GetSlotName(a, 127), "");
        EXPECT_EQ(doc_.GetSlotComment(a, 127), "");
        EXPECT_EQ(doc_.GetSoundText(a, 127, true), "CID" + ListName(a).substr(1));
    }
    EXPECT_EQ(doc_.GetListName(3), "L003");
    EXPECT_EQ(r.rewritten, Lists({2, 8}));
    EXPECT_TRUE(r.refreshSlot);  // the current set list was cleared: the panel is refreshed
    EXPECT_FALSE(ClearLists(doc_, Ctx(2, {9})).refreshSlot);
}

TEST_F(ListClipboardTest, ShortFileIsRefusedLongerFileUsesItsStart) {
    LoadLists();
    ASSERT_TRUE(CopyList(doc_, state_, Ctx(3, {3})).error.empty());
    std::vector<std::uint8_t> file = ReadFile(ListClipboardPath());
    const std::vector<std::uint8_t> before(doc_.Image().begin(), doc_.Image().end());

    WriteFile(ListClipboardPath(), std::vector<std::uint8_t>(file.begin(), file.begin() + 73027));
    const ListCommandResult paste = PasteList(doc_, state_, Ctx(127, {127}));
    const ListCommandResult insert = InsertList(doc_, state_, Ctx(10, {10}));
    EXPECT_NE(paste.error.find("incomplete"), std::string::npos) << paste.error;
    EXPECT_EQ(insert.error, paste.error);
    EXPECT_FALSE(doc_.FileModified());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), doc_.Image().begin()));

    // Exactly the set list and its entry, and a file with more behind them: both paste.
    for (std::size_t size : {std::size_t{73028}, std::size_t{80000}}) {
        file.resize(size, 0xAB);
        WriteFile(ListClipboardPath(), file);
        LoadLists();
        ASSERT_TRUE(PasteList(doc_, state_, Ctx(127, {127})).error.empty());
        EXPECT_EQ(Area(doc_, doc_.GetList(127), kSetListSize),
                  Area(doc_, doc_.GetList(3), kSetListSize));
        EXPECT_EQ(Area(doc_, doc_.GetDir(127), kDirEntrySize),
                  Area(doc_, doc_.GetDir(3), kDirEntrySize));
        // Nothing but set list 127 and its entry changed.
        std::vector<std::uint8_t> expected = before;
        const auto image = doc_.Image();
        for (const auto& [pos, size] : {std::pair{doc_.GetList(127), kSetListSize},
                                        std::pair{doc_.GetDir(127), kDirEntrySize}})
            std::copy(image.begin() + pos, image.begin() + pos + size, expected.begin() + pos);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), image.begin()));
    }
}

TEST_F(ListClipboardTest, CutKeepsTheListWhenTheFileCannotBeWritten) {
    LoadLists();
    std::filesystem::create_directories(std::filesystem::path(ListClipboardPath()) / "x");
    const std::vector<std::uint8_t> before(doc_.Image().begin(), doc_.Image().end());
    EXPECT_EQ(CutList(doc_, state_, Ctx(5, {5})).error,
              "Cannot create file " + ListClipboardPath());
    EXPECT_FALSE(doc_.FileModified());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), doc_.Image().begin()));
}

TEST_F(ListClipboardTest, EveryCommandRefusesWithoutDocument) {
    Document none;
    state_.clipboardKind = ClipboardKind::SetList;
    const ListContext ctx{0, 0, Lists({0})};
    EXPECT_EQ(CopyList(none, state_, ctx).error, "No file loaded!");
    EXPECT_EQ(CutList(none, state_, ctx).error, "No file loaded!");
    EXPECT_EQ(PasteList(none, state_, ctx).error, "No file loaded!");
    EXPECT_EQ(InsertList(none, state_, ctx).error, "No file loaded!");
    EXPECT_EQ(ClearLists(none, ctx).error, "No file loaded!");
    EXPECT_EQ(PlanCutList(none, ctx).ask.text, "No file loaded!");
    EXPECT_EQ(PlanPasteList(none, state_, ctx).ask.text, "No file loaded!");
    EXPECT_EQ(PlanInsertList(none, state_, ctx).ask.text, "No file loaded!");
    EXPECT_EQ(PlanClearLists(none).ask.text, "No file loaded!");
}

}  // namespace
