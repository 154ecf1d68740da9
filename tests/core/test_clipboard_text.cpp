#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "EditingFixture.h"
#include "document/Document.h"
#include "editing/FieldText.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

class FieldTextTest : public ::testing::Test {
  protected:
    void SetUp() override { Load(doc_, BlankImage()); }
    Document doc_;
};

struct PasteCase {
    const char* what;
    TextField kind;
    std::string text;
    std::size_t selStart, selLength;
    std::string clipboard;
    std::string result;
    std::size_t caret;
    bool truncated;
};

// Test names on the command line show the case, not its bytes.
void PrintTo(const PasteCase& c, std::ostream* os) {
    *os << c.what;
}

class FieldPasteTest : public FieldTextTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(FieldPasteTest, PastesAtTheCaret) {
    const PasteCase& c = GetParam();
    const FieldEditResult r =
        PasteFieldText(doc_, c.kind, {c.text, c.selStart, c.selLength}, c.clipboard);
    EXPECT_TRUE(r.error.empty());
    EXPECT_EQ(r.field.text, c.result);
    EXPECT_EQ(r.field.selStart, c.caret);
    EXPECT_EQ(r.warning, c.truncated ? "Warning: Text truncated!" : "");
    EXPECT_TRUE(doc_.FileModified());
}

const std::string k510(510, 'x');

INSTANTIATE_TEST_SUITE_P(
    Examples, FieldPasteTest,
    ::testing::Values(PasteCase{"NameReplacesSelection", TextField::SlotName, "Grand Piano", 6, 5,
                                "Organ", "Grand Organ", 11, false},
                      PasteCase{"NameTakesWhatFits", TextField::SlotName, "12345678901234567890",
                                20, 0, "ABCDEFG", "12345678901234567890ABCD", 24, false},
                      PasteCase{"NameTakesFirstLine", TextField::SlotName, "", 0, 0,
                                "Pad\r\nsecond", "Pad", 3, false},
                      PasteCase{"CommentTabsBecomeBlanks", TextField::Comment, "a\tb", 1, 0,
                                "\tc\t", "a c  b", 4, false},
                      PasteCase{"CommentAtLimit", TextField::Comment, k510, 510, 0, "yz",
                                k510 + "yz", 512, false},
                      PasteCase{"CommentTruncated", TextField::Comment, k510, 0, 0, "abc",
                                "abc" + k510.substr(0, 509), 3, true}),
    [](const auto& info) { return info.param.what; });

TEST_F(FieldTextTest, CopyCutAndClearTheSelection) {
    const FieldState field{"Strings and Brass", 8, 4};
    const FieldEditResult copy = CopyFieldText(doc_, field);
    EXPECT_TRUE(copy.setClipboard);
    EXPECT_EQ(copy.clipboardText, "and ");
    EXPECT_FALSE(copy.textChanged);
    EXPECT_FALSE(doc_.FileModified());

    EditState state;
    state.clipboardKind = ClipboardKind::SetList;
    auto mainCut = [&](Document& doc, const FieldState& f) { return CutFieldText(doc, f, &state); };
    for (const auto& command :
         std::vector<std::function<FieldEditResult(Document&, const FieldState&)>>{
             mainCut, &ClearFieldText}) {
        doc_.SetFileModified(false);
        const FieldEditResult r = command(doc_, field);
        EXPECT_EQ(r.clipboardText, "and ");
        EXPECT_EQ(r.field.text, "Strings Brass");
        EXPECT_EQ(r.field.selStart, 8u);
        EXPECT_TRUE(r.textChanged);
        EXPECT_TRUE(doc_.FileModified());
    }
    EXPECT_EQ(state.clipboardKind, ClipboardKind::Slots);  // the main Cut, as every Cut
    // A selection past the end is cut back to the text.
    EXPECT_EQ(CopyFieldText(doc_, {"abc", 2, 10}).clipboardText, "c");
    EXPECT_EQ(CopyFieldText(doc_, {"abc", 9, 1}).clipboardText, "");
}

TEST(FieldTextNoDocument, Refuses) {
    Document none;
    EXPECT_EQ(CopyFieldText(none, {"a", 0, 1}).error, "No file loaded!");
    EXPECT_EQ(CutFieldText(none, {"a", 0, 1}).error, "No file loaded!");
    EXPECT_EQ(PasteFieldText(none, TextField::Comment, {"a", 0, 1}, "b").error, "No file loaded!");
    EXPECT_FALSE(none.FileModified());
}

}  // namespace
