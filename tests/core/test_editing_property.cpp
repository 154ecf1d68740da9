#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "EditingFixture.h"
#include "document/Document.h"
#include "document/Save.h"
#include "editing/FieldText.h"
#include "editing/ListClipboard.h"
#include "editing/Rename.h"
#include "editing/Reorder.h"
#include "editing/SlotClipboard.h"

// Random sequences of the editing commands on a generated file. After every step the names and
// their directory copies agree and nothing outside the set list records and directory entries
// has changed; at the end of every sequence a save and a new load give back the same image.
namespace velmar {
namespace {

using testing::TempDirTest;

class Random {
  public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}
    int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
    int Index() { return Below(kSlotCount); }

    // Mostly a few slots or a run, sometimes none, sometimes the ends or everything.
    SlotSelection Selection() {
        SlotSelection s;
        switch (Below(6)) {
            case 0:
                break;
            case 1:
                s.set();
                break;
            case 2: {
                const int first = Index();
                for (int i = first; i < std::min(kSlotCount, first + 1 + Below(6)); ++i) s.set(i);
                break;
            }
            case 3:
                s.set(Chance(50) ? 0 : kSlotCount - 1);
                [[fallthrough]];
            default:
                for (int n = Below(5); n >= 0; --n) s.set(Index());
        }
        return s;
    }

    std::string Text(int maxLength) {
        static const char letters[] = "abcXYZ 09-\xE4\xDF\t";
        std::string text;
        for (int n = Below(maxLength + 1); n > 0; --n)
            text.push_back(letters[Below(sizeof letters - 1)]);
        return text;
    }

  private:
    std::mt19937_64 engine_;
};

class EditingPropertyTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        const fixtures::PcgImage& image = testing::CachedImage(false, true, 7);
        original_ = image.bytes;
        testing::Load(doc_, image);
    }

    // Every name and its directory copy are the same 24 bytes.
    void ExpectMirrored(const std::string& step) {
        const auto image = doc_.Image();
        for (int a = 0; a < kSetListCount; ++a) {
            ASSERT_EQ(std::memcmp(&image[doc_.GetList(a)], &image[doc_.GetDir(a)], kNameSize), 0)
                << step << ": set list " << a;
            for (int s = 0; s < kSlotCount; ++s) {
                ASSERT_EQ(std::memcmp(&image[doc_.SlotPos(a, s)],
                                      &image[doc_.GetDir(a) + DirSlotOffset(s)], kNameSize),
                          0)
                    << step << ": set list " << a << " slot " << s;
            }
        }
    }

    // The bytes outside the 128 set list records and the 128 directory entries.
    void ExpectOutsideUnchanged(const std::string& step) {
        const auto image = doc_.Image();
        ASSERT_EQ(image.size(), original_.size());
        const std::size_t lists = doc_.SbkPos() + kChunkHeaderSize;
        const std::size_t dirs = doc_.SdbPos() + kChunkHeaderSize;
        struct Range {
            std::size_t from, to;
        };
        std::vector<Range> records = {{lists, lists + kSetListCount * kSetListSize},
                                      {dirs, dirs + kSetListCount * kDirEntrySize}};
        if (records[0].from > records[1].from) std::swap(records[0], records[1]);
        std::size_t at = 0;
        for (const Range& r : records) {
            ASSERT_TRUE(
                std::equal(original_.begin() + at, original_.begin() + r.from, image.begin() + at))
                << step << ": bytes " << at << ".." << r.from;
            at = r.to;
        }
        ASSERT_TRUE(std::equal(original_.begin() + at, original_.end(), image.begin() + at))
            << step;
    }

    void ExpectSaveAndLoadAgree() {
        const std::string path = (Dir() / "property.pcg").string();
        const SaveResult saved = SaveDocument(doc_, path, false);
        ASSERT_TRUE(saved.ok) << saved.error;
        Document again;
        const LoadResult loaded = again.LoadFile(path);
        ASSERT_TRUE(loaded.ok) << loaded.error;
        ASSERT_TRUE(std::equal(doc_.Image().begin(), doc_.Image().end(), again.Image().begin(),
                               again.Image().end()));
        EXPECT_FALSE(doc_.FileModified());
        // The save's own change: the checksum byte of the set list bank.
        original_[doc_.SbkChecksumPos()] = doc_.Image()[doc_.SbkChecksumPos()];
    }

    // Counts the runs of a command that did their work, so the test knows every command was
    // really exercised and not only refused.
    std::string Note(const std::string& name, bool worked) {
        worked_[name] += worked ? 1 : 0;
        return name;
    }

    // One random command; returns its name for the failure messages.
    std::string RunStep(Random& rnd) {
        const int list = rnd.Index();
        const SlotContext slots{list, rnd.Index(), rnd.Index(), rnd.Selection()};
        ListSelection lists;
        lists.set(list);
        if (rnd.Chance(20)) lists.set(rnd.Index());
        const ListContext listCtx{list, list, lists};
        switch (rnd.Below(22)) {
            case 0:
                SwapSlot(doc_, list, rnd.Index(), rnd.Index());
                return "SwapSlot";
            case 1:
                SwapList(doc_, rnd.Index(), rnd.Index());
                return "SwapList";
            case 2:
                return Note("MoveUp", MoveSlotsUp(doc_, list, slots.selected).modified);
            case 3:
                return Note("MoveDown", MoveSlotsDown(doc_, list, slots.selected).modified);
            case 4:
                return Note("Sort",
                            SortSlots(doc_, list, slots.currentSlot, slots.selected).modified);
            case 5:
                return Note("Copy", CopySlots(doc_, state_, slots).error.empty());
            case 6:
                return Note("Cut", CutSlots(doc_, state_, slots).modified);
            case 7:
                return Note("Clear", ClearSlots(doc_, slots).modified);
            case 8:
            case 9:
                return Note("Paste", PasteSlots(doc_, state_, slots).modified);
            case 10:
                return Note("Insert", InsertSlots(doc_, state_, slots).modified);
            case 11:
                if (state_.pick.State() == PickState::Off) state_.pick.Start();
                for (int n = rnd.Below(4); n >= 0; --n)
                    state_.pick.Toggle(rnd.Index(), rnd.Index());
                return "Pick";
            case 12:
                if (state_.pick.PressPasteButton() == PickList::PasteButtonAction::Paste)
                    Note("PickPaste", PasteSlots(doc_, state_, slots).modified);
                if (rnd.Chance(30)) state_.pick.Reset();
                return "PickButtons";
            case 13:
                CopySlot(doc_, state_, rnd.Index(), rnd.Index(), list, rnd.Index());
                return "CopySlot";
            case 14:
                return Note("CopyList", CopyList(doc_, state_, listCtx).error.empty());
            case 15:
                if (PlanCutList(doc_, listCtx).ask.kind == BoxKind::OkCancel)
                    Note("CutList", CutList(doc_, state_, listCtx).modified);
                return "CutList";
            case 16:
                if (!PlanPasteList(doc_, state_, listCtx).runSlotCommand)
                    Note("PasteList", PasteList(doc_, state_, listCtx).modified);
                return "PasteList";
            case 17: {
                const ListPlan plan = PlanInsertList(doc_, state_, listCtx);
                if (plan.runSlotCommand)
                    (void)InsertSlots(doc_, state_, slots);
                else if (plan.ask.kind != BoxKind::Error)
                    Note("InsertList", InsertList(doc_, state_, listCtx).modified);
                return "InsertList";
            }
            case 18:
                return Note("ClearList", ClearLists(doc_, listCtx).modified);
            case 19:
                Note("RenameList", RenameList(doc_, list, rnd.Text(26)).modified);
                return Note("RenameSlot",
                            RenameSlot(doc_, list, rnd.Index(), rnd.Text(26)).modified);
            case 20:
                return Note("Convert", ConvertSlotNames(doc_, static_cast<Conversion>(rnd.Below(3)),
                                                        list, slots.currentSlot, slots.selected)
                                           .modified);
            default: {
                // The set list view empties set list 127 now and then, so Insert List can run.
                if (rnd.Chance(50)) InitializeSetList(doc_, kSetListCount - 1);
                const FieldState field{rnd.Text(30), 0, 3};
                (void)PasteFieldText(doc_, TextField::Comment, field, rnd.Text(10));
                return "ClearLast";
            }
        }
    }

    std::vector<std::uint8_t> original_;
    std::map<std::string, int> worked_;
    Document doc_;
    EditState state_;
};

TEST_F(EditingPropertyTest, RandomCommandSequencesKeepTheFileConsistent) {
    ExpectMirrored("start");
    Random rnd(20261210);
    constexpr int kSequences = 2000;
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        const int length = 1 + rnd.Below(4);
        std::string trail;
        for (int step = 0; step < length; ++step) {
            trail += RunStep(rnd) + " ";
            ASSERT_NO_FATAL_FAILURE(
                ExpectMirrored("sequence " + std::to_string(sequence) + ": " + trail));
            ASSERT_NO_FATAL_FAILURE(
                ExpectOutsideUnchanged("sequence " + std::to_string(sequence) + ": " + trail));
        }
        // Saving writes the whole file: check it on a spread of sequences and at the end.
        if (sequence % 50 == 49) {
            ASSERT_NO_FATAL_FAILURE(ExpectSaveAndLoadAgree());
        }
    }
    for (const char* name : {"MoveUp", "MoveDown", "Sort", "Copy", "Cut", "Clear", "Paste",
                             "Insert", "PickPaste", "CopyList", "CutList", "PasteList",
                             "InsertList", "ClearList", "RenameList", "RenameSlot", "Convert"})
        EXPECT_GT(worked_[name], 0) << name;
}

}  // namespace
}  // namespace velmar
