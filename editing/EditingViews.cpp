#include "editing/EditingViews.h"

#include <QListWidgetItem>

#include "document/Document.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/ItemRoles.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "platform/Messages.h"

namespace velmar {

namespace {

template <std::size_t N>
std::bitset<N> SelectedRows(const TListView& view) {
    std::bitset<N> rows;
    const int count = std::min(view.count(), static_cast<int>(N));
    for (int i = 0; i < count; ++i)
        if (view.IsSelected(i)) rows.set(static_cast<std::size_t>(i));
    return rows;
}

}  // namespace

QString FromBytes(const std::string& bytes) {
    return FromFileText(bytes);
}

SlotSelection SelectedSlots(const TListView& view) {
    return SelectedRows<kSlotCount>(view);
}

ListSelection SelectedLists(const TListView& view) {
    return SelectedRows<kSetListCount>(view);
}

void RewriteSlotItems(TFormMain& form, const SlotSelection& rows) {
    const Document& doc = form.Doc();
    const int a = form.CurrentSetList();
    TListView& view = *form.ComboSlotNr();
    for (int s = 0; s < kSlotCount; ++s) {
        if (!rows.test(static_cast<std::size_t>(s))) continue;
        QListWidgetItem* item = view.item(s);
        if (item == nullptr) continue;
        // Slots that changed places bring their name, colour and size along.
        item->setText(FromBytes(ItemText(s, doc.GetSlotName(a, s))));
        item->setData(roles::kColorIndex, doc.GetSlotColorIndex(a, s));
        item->setData(roles::kSizeCode, doc.GetSlotFontSize(a, s));
    }
}

void ApplySlotView(TFormMain& form, const SlotViewUpdate& view) {
    RewriteSlotItems(form, view.rewritten);
    if (view.showSlot >= 0) form.ShowSlot(view.showSlot, view.deselectOthers);
    TListView& list = *form.ComboSlotNr();
    for (int s = 0; s < list.count() && s < kSlotCount; ++s)
        list.SetSelected(s, view.selection.test(static_cast<std::size_t>(s)));
    if (view.itemIndex >= 0) list.SetItemIndex(view.itemIndex);
    list.viewport()->update();
}

void ApplySlotResult(TFormMain& form, const SlotCommandResult& result) {
    if (!result.error.empty()) {
        ShowError(FromBytes(result.error));
        return;
    }
    if (result.updateView) ApplySlotView(form, result.view);
}

void ApplyListResult(TFormMain& form, const ListCommandResult& result,
                     bool numberAloneWhenNameless) {
    if (!result.error.empty()) {
        ShowError(FromBytes(result.error));
        return;
    }
    const Document& doc = form.Doc();
    TListView& view = *form.ComboListNr();
    for (int a = 0; a < kSetListCount; ++a) {
        QListWidgetItem* item = view.item(a);
        if (item == nullptr) continue;
        if (result.rewritten.test(static_cast<std::size_t>(a))) {
            const std::string name = doc.GetListName(a);
            std::string text = ItemText(a, name);
            if (numberAloneWhenNameless && name.empty()) text.pop_back();  // "005", no blank
            item->setText(FromBytes(text));
        }
        if (result.deselect.test(static_cast<std::size_t>(a))) item->setSelected(false);
    }
    if (result.showSetList >= 0)
        form.ShowSetList(result.showSetList, true, true);
    else if (result.refreshSlot)
        form.ShowSlot(form.CurrentSlot(), false);
}

bool Confirm(const Question& question) {
    const QString text = FromBytes(question.text);
    switch (question.kind) {
        case BoxKind::None:
            return true;
        case BoxKind::Error:
            ShowError(text);
            return false;
        case BoxKind::OkCancel:
            return AskOkCancel(text);
        case BoxKind::YesNo:
            return AskYesNo(text);
    }
    return false;
}

}  // namespace velmar
