#pragma once

#include <QString>
#include <string>

#include "editing/EditTypes.h"
#include "editing/ListClipboard.h"

// How the main window's views follow the editing commands: the selections the commands work
// on, and the view updates the core's results describe.
namespace velmar {

class TFormMain;
class TListView;

[[nodiscard]] SlotSelection SelectedSlots(const TListView& view);
[[nodiscard]] ListSelection SelectedLists(const TListView& view);

// Rewrites slot view items from the image: text, colour marker and size code.
void RewriteSlotItems(TFormMain& form, const SlotSelection& rows);
// Rewritten items, then ShowSlot, then exactly the given selection and item index.
void ApplySlotView(TFormMain& form, const SlotViewUpdate& view);
// Shows the error of a slot command, or makes the views follow it.
void ApplySlotResult(TFormMain& form, const SlotCommandResult& result);
// Set list view items from the image (an emptied set list shows its number alone when
// `numberAloneWhenNameless`), deselections, then the set list or slot to show again.
void ApplyListResult(TFormMain& form, const ListCommandResult& result,
                     bool numberAloneWhenNameless = false);

// Shows a command's question: an error box stops (false), OK/Cancel and Yes/No boxes go on
// only on OK or Yes, no question goes on.
[[nodiscard]] bool Confirm(const Question& question);

[[nodiscard]] QString FromBytes(const std::string& bytes);

// Pick mode as the window shows it: the three buttons with their captions, and the pick colour
// of the picked slots of the shown set list (mainwindow/FormMainPick.cpp).
void ShowPickState(TFormMain& form);
// A left press in the slot view while picking: toggles the shown slot in the pick list (with
// Shift or Ctrl held the press did not show the slot under the pointer: the one shown before
// is toggled).
void TogglePickedSlot(TFormMain& form);
// The colour picker's choice: colour index `tag` for every selected slot (the window then
// colours its button and hides the picker; mainwindow/FormMainColor.cpp).
void ChooseSlotColor(TFormMain& form, int tag);

}  // namespace velmar
