// Find, Find Next and Find Previous of the main window: in the set list shown (every match
// selected at once, then stepping through the selection) or across all set lists (one match at
// a time, with the offer to start again from the other end).

#include <QTextCursor>
#include <array>

#include "analysis/AnalysisState.h"
#include "analysis/Find.h"
#include "document/Document.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "platform/Messages.h"

namespace velmar {

namespace {

// The editor shows CR LF as one line break: a byte position in the comment becomes a character
// position in the editor by counting the pairs before it.
int EditorPosition(const std::string& comment, std::size_t bytePos) {
    int pairs = 0;
    for (std::size_t i = 0; i + 1 < bytePos && i + 1 < comment.size(); ++i)
        if (comment[i] == '\r' && comment[i + 1] == '\n') ++pairs;
    return static_cast<int>(bytePos) - pairs;
}

std::array<bool, kSlotCount> SelectedSlots(const TListView& view) {
    std::array<bool, kSlotCount> selected{};
    for (int s = 0; s < kSlotCount; ++s) selected[static_cast<std::size_t>(s)] = view.IsSelected(s);
    return selected;
}

}  // namespace

void TFormMain::MenuFindClick() {
    if (!HasDocument()) return;
    MemoCommentExit();
    const int rememberedRow = comboSlotNr_->ItemIndex();
    AnalysisState& analysis = Analysis();
    analysis.RunFindDialog();
    const FindState& find = analysis.Find();
    if (!find.HasQuery()) return;
    if (find.AllLists()) {
        MenuFindNextClick();
        return;
    }

    const FindQuery& query = find.Query();
    const std::vector<FoundSlot> found = FindInSetList(doc_, currentSetList_, query);
    for (int s = 0; s < kSlotCount; ++s) comboSlotNr_->SetSelected(s, false);
    for (const FoundSlot& f : found) comboSlotNr_->SetSelected(f.slot, true);
    if (found.empty()) {
        comboSlotNr_->SetSelected(rememberedRow, true);
        ShowError(QString::fromLatin1(kFindNotFound));
        return;
    }
    comboSlotNr_->setFocus(Qt::OtherFocusReason);
    const FoundSlot& first = found.front();
    ShowSlot(first.slot, false);
    if (first.match.field == MatchField::Comment) {
        const std::string comment = doc_.GetSlotComment(currentSetList_, first.slot);
        const int from = EditorPosition(comment, first.match.commentPos);
        const int to = EditorPosition(comment, first.match.commentPos + first.match.length);
        QTextCursor cursor = memoComment_->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        memoComment_->setTextCursor(cursor);
    }
}

namespace {

// Find Next / Find Previous across set lists, from the focused rows of the two views.
void FindAcross(TFormMain& form, const FindQuery& query, bool backward) {
    const AcrossStep step{backward};
    const SlotAddress from =
        step.From(form.ComboListNr()->ItemIndex(), form.ComboSlotNr()->ItemIndex());
    std::optional<SlotAddress> hit =
        FindAcrossLists(form.Doc(), query, from.list, from.slot, backward);
    if (!hit) {
        const QString notFound = FromFileText(NotFoundAcrossLists(query));
        ShowInfo(notFound);
        const QString question = QString::fromLatin1(step.Question());
        if (!(backward ? AskOkCancel(question) : AskYesNo(question))) return;
        const SlotAddress wrap = step.WrapStart();
        hit = FindAcrossLists(form.Doc(), query, wrap.list, wrap.slot, backward);
        if (!hit) {
            ShowInfo(notFound);
            return;
        }
    }
    if (hit->list != form.CurrentSetList()) form.ShowSetList(hit->list, true, true);
    form.ShowSlot(hit->slot, true);
}

}  // namespace

void TFormMain::MenuFindNextClick() {
    if (!HasDocument()) return;
    MemoCommentExit();
    const FindState& find = Analysis().Find();
    if (find.AllLists()) {
        if (find.HasQuery()) FindAcross(*this, find.Query(), false);
        return;
    }
    const auto selected = SelectedSlots(*comboSlotNr_);
    if (const auto next = NextSelectedSlot(selected, comboSlotNr_->ItemIndex(), false))
        ShowSlot(*next, false);
}

void TFormMain::MenuFindPrevClick() {
    if (!HasDocument()) return;
    MemoCommentExit();
    const FindState& find = Analysis().Find();
    if (find.AllLists()) {
        if (find.HasQuery()) FindAcross(*this, find.Query(), true);
        return;
    }
    const auto selected = SelectedSlots(*comboSlotNr_);
    if (const auto previous = NextSelectedSlot(selected, comboSlotNr_->ItemIndex(), true))
        ShowSlot(*previous, false);
}

}  // namespace velmar
