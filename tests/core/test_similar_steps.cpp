#include <gtest/gtest.h>

#include "DocTestSupport.h"
#include "analysis/SimilarSlots.h"

namespace velmar {
namespace {

// A set list's comments are compared ahead when its first step comes; a comment edited between
// the steps must be judged as it stands when its own step comes.
TEST(SimilarSearchSteps, CommentEditedBetweenStepsCounts) {
    struct Case {
        const char* before;
        const char* after;
        bool hit;
    } cases[] = {
        {"zzzzzzzzzz", "abcdefghij x", true},   // became similar
        {"abcdefghij x", "zzzzzzzzzz", false},  // stopped being similar
    };
    for (const auto& c : cases) {
        Document doc;
        testing::LoadOrDie(doc, testing::BlankImage());
        doc.SetSlotName(0, 0, "Song");
        doc.SetSlotComment(0, 0, "abcdefghij", false);
        doc.SetSlotName(0, 5, "Other");
        doc.SetSlotComment(0, 5, c.before, false);
        SimilarCriteria criteria;
        criteria.sameName = criteria.similarName = false;
        criteria.similarComment = true;
        SimilarSearch search(doc, 0, 0, criteria);
        ASSERT_TRUE(search.Step());  // slot 0 of set list 0: the list is prepared here
        doc.SetSlotComment(0, 5, c.after, false);
        search.RunToEnd();
        const bool found = std::any_of(search.Hits().begin(), search.Hits().end(),
                                       [](const SimilarHit& h) { return h.list == 0 && h.slot == 5; });
        EXPECT_EQ(found, c.hit) << c.before << " -> " << c.after;
    }
}

}  // namespace
}  // namespace velmar
