// The editing commands, pick mode and the colour picker join the main window: their menu
// entries and buttons are enabled, the picker window is created hidden, and the slot view's
// presses and refills reach pick mode.

#include <QAbstractItemModel>
#include <QApplication>
#include <QListWidgetItem>
#include <QMouseEvent>
#include <QPushButton>

#include "editing/EditingUi.h"
#include "editing/EditingViews.h"
#include "mainwindow/FormColor.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/ItemRoles.h"
#include "mainwindow/MainControls.h"

namespace velmar {

namespace {

const char* const kEditingHandlers[] = {
    "MenuClearClick",          "MenuCutClick",       "MenuCopyClick",
    "MenuInsertClick",         "MenuPasteClick",     "MenuItem2Click",
    "MenuClearListClick",      "MenuCutListClick",   "MenuCopyListClick",
    "MenuInsertListClick",     "MenuPasteListClick", "MenuSortClick",
    "ButtonUpClick",           "ButtonDownClick",    "MenuRenameListClick",
    "ComboSlotNrDblClick",     "mnuUpperClick",      "mnuLowerClick",
    "MenuSoundAndNameClick",   "ButtonPickClick",    "ButtonPickPasteClick",
    "ButtonResetPickingClick", "ButtonColorClick",
};

}  // namespace

EditingUi::EditingUi(TFormMain& form) : form_(form) {
    qApp->installEventFilter(this);
}

EditingUi::~EditingUi() = default;

bool EditingUi::eventFilter(QObject* watched, QEvent* event) {
    // The picker does not take the focus from the main window, so a click into the main window
    // (other than on "Color", which toggles it) closes it as activating the window would.
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() && formColor &&
        formColor->isVisible()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == &form_ && widget != form_.Button(QStringLiteral("ButtonColor")))
            formColor->hide();
    }
    return QObject::eventFilter(watched, event);
}

void TFormMain::EditingUiDeleter::operator()(EditingUi* ui) const {
    delete ui;
}

void TFormMain::RegisterEditingCommands() {
    editing_.reset(new EditingUi(*this));
    editing_->formColor = new TFormColor(this);
    editing_->formColor->SetAnchor(buttonColor_);
    // A choice colours the selected slots, then the button, and closes the picker.
    connect(editing_->formColor, &TFormColor::ColorChosen, this, [this](int tag) {
        if (tag < 0 || tag >= static_cast<int>(kSlotColors.size())) return;
        ChooseSlotColor(*this, tag);
        SetColorButton(QColor::fromRgb(kSlotColors[static_cast<std::size_t>(tag)].rgb));
        editing_->formColor->hide();
    });

    for (const char* handler : kEditingHandlers) EnableCommand(QLatin1String(handler));

    // Connected after the window's own press handler, so the slot is already shown.
    connect(comboSlotNr_, &TListView::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers) {
                if (button == Qt::LeftButton) TogglePickedSlot(*this);
            });
    // A refilled slot view shows the picks of its set list in the pick colour.
    connect(comboSlotNr_->model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                if (!PickMode()) return;
                for (int s = first; s <= last; ++s) {
                    if (QListWidgetItem* item = comboSlotNr_->item(s))
                        item->setData(roles::kPicked,
                                      editing_->state.pick.IsPicked(currentSetList_, s));
                }
            });
    ShowPickState(*this);
}

EditState& TFormMain::EditingState() {
    return editing_->state;
}

bool TFormMain::PickMode() const {
    return editing_ && editing_->state.pick.PickMode();
}

TFormColor* TFormMain::FormColor() const {
    return editing_ ? editing_->formColor.data() : nullptr;
}

}  // namespace velmar
