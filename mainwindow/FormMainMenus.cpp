// The three context menus with the key map of the main window, and the wiring of the
// controls' signals to their handlers.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "mainwindow/FormMain.h"
#include "mainwindow/MainControls.h"

namespace velmar {

namespace {

// Handlers whose commands belong to subsystems that are still to come. Their entries exist
// with caption and key but stay disabled until the subsystem calls EnableCommand.
const char* const kPendingHandlers[] = {
    "MenuClearClick",        "MenuCutClick",          "MenuCopyClick",
    "MenuInsertClick",       "MenuPasteClick",        "MenuItem2Click",
    "MenuClearListClick",    "MenuCutListClick",      "MenuCopyListClick",
    "MenuInsertListClick",   "MenuPasteListClick",    "MenuSortClick",
    "ButtonUpClick",         "ButtonDownClick",       "MenuRenameListClick",
    "ComboSlotNrDblClick",   "mnuUpperClick",         "mnuLowerClick",
    "MenuSoundAndNameClick", "MenuFindClick",         "MenuFindPrevClick",
    "MenuFindNextClick",     "MenuCompareClick",      "mnuListClick",
    "mnuSortedListClick",    "MenuListCommentsClick", "PrintClick",
    "ButtonPickClick",       "ButtonPickPasteClick",  "ButtonResetPickingClick",
    "ButtonColorClick",
};

QKeySequence Key(QKeyCombination combination) {
    return QKeySequence(combination);
}

}  // namespace

QAction* TFormMain::AddEntry(QMenu* menu, const QString& caption, const QKeySequence& key,
                             const QString& handler, void (TFormMain::*slot)(), bool hidden) {
    auto* action = new QAction(caption, menu);
    action->setObjectName(handler);
    action->setShortcut(key);
    // The key map runs the entries itself (DispatchShortcut); Qt's shortcut map stays out.
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setVisible(!hidden);
    action->setEnabled(!IsPending(handler));
    connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
    menu->addAction(action);
    actions_[handler].append(action);
    return action;
}

void TFormMain::BuildMenus() {
    for (const char* h : kPendingHandlers) pending_.insert(QLatin1String(h));

    popupSlots_ = new QMenu(this);
    popupSlots_->setObjectName(QStringLiteral("PopupSlots"));
    popupLists_ = new QMenu(this);
    popupLists_->setObjectName(QStringLiteral("PopupLists"));
    popupComment_ = new QMenu(this);
    popupComment_->setObjectName(QStringLiteral("PopupComment"));
    for (QMenu* m : {popupSlots_, popupLists_, popupComment_}) m->setToolTipsVisible(true);

    const QString lowerHint =
        QStringLiteral("Change all but first characters in a word to lower case");
    using K = QKeyCombination;
    const auto ctrl = Qt::ControlModifier;
    const auto ctrlAlt = Qt::ControlModifier | Qt::AltModifier;

    // The entries the slot view's menu and the comment field's menu share, from "Find" on.
    auto addShared = [&](QMenu* m, bool withPrint, bool withFocusComment) {
        AddEntry(m, "Find", Key(K(ctrl, Qt::Key_F)), "MenuFindClick", &TFormMain::MenuFindClick);
        AddEntry(m, "Find Previous", Key(K(Qt::ShiftModifier, Qt::Key_F3)), "MenuFindPrevClick",
                 &TFormMain::MenuFindPrevClick);
        AddEntry(m, "Find Next", Key(K(Qt::Key_F3)), "MenuFindNextClick",
                 &TFormMain::MenuFindNextClick);
        AddEntry(m, "Previous", Key(K(Qt::Key_F7)), "MenuPrevSlotClick",
                 &TFormMain::MenuPrevSlotClick);
        AddEntry(m, "Next ", Key(K(Qt::Key_F8)), "MenuNextSlotClick",
                 &TFormMain::MenuNextSlotClick);
        AddEntry(m, "Last Selected", Key(K(ctrl, Qt::Key_B)), "MenuLastSelectedClick",
                 &TFormMain::MenuLastSelectedClick);
        m->addSeparator();
        AddEntry(m, "Sort", {}, "MenuSortClick", &TFormMain::MenuSortClick);
        AddEntry(m, "Convert to Upper", {}, "mnuUpperClick", &TFormMain::mnuUpperClick);
        AddEntry(m, "Convert to First Letter Upper", {}, "mnuLowerClick", &TFormMain::mnuLowerClick)
            ->setToolTip(lowerHint);
        AddEntry(m, "Convert to Sound + Name", {}, "MenuSoundAndNameClick",
                 &TFormMain::MenuSoundAndNameClick);
        m->addSeparator();
        if (withPrint) {
            AddEntry(m, "Print Selected", Key(K(ctrl, Qt::Key_P)), "PrintClick",
                     &TFormMain::PrintClick);
            m->addSeparator();
        }
        AddEntry(m, "Focus on Name", Key(K(Qt::Key_F2)), "MenuFocusNameClick",
                 &TFormMain::MenuFocusNameClick);
        if (withFocusComment)
            AddEntry(m, "Focus on Comment", Key(K(Qt::Key_F4)), "MenuFocusCommentClick",
                     &TFormMain::MenuFocusCommentClick);
        // Entries that only carry a key.
        AddEntry(m, "Goto Previous Slot", Key(K(Qt::Key_F9)), "MenuPrevSlotClick",
                 &TFormMain::MenuPrevSlotClick, true);
        AddEntry(m, "Next Slot", Key(K(Qt::Key_F10)), "MenuNextSlotClick",
                 &TFormMain::MenuNextSlotClick, true);
        AddEntry(m, "Open", Key(K(ctrl, Qt::Key_O)), "ButtonOpenClick", &TFormMain::ButtonOpenClick,
                 true);
        AddEntry(m, "Save", Key(K(ctrl, Qt::Key_S)), "ButtonSaveClick", &TFormMain::ButtonSaveClick,
                 true);
        AddEntry(m, "Save As", Key(K(Qt::Key_F12)), "ButtonSaveAsClick",
                 &TFormMain::ButtonSaveAsClick, true);
        AddEntry(m, "Goto Previous List", Key(K(Qt::Key_F5)), "MenuPrevListClick",
                 &TFormMain::MenuPrevListClick, true);
        AddEntry(m, "Goto Next List", Key(K(Qt::Key_F6)), "MenuNextListClick",
                 &TFormMain::MenuNextListClick, true);
        AddEntry(m, "(Last Selected)", Key(K(ctrl, Qt::Key_G)), "MenuLastSelectedListClick",
                 &TFormMain::MenuLastSelectedListClick, true);
    };

    // Slot view, also the window's menu.
    QMenu* m = popupSlots_;
    AddEntry(m, "Clear", Key(K(ctrl, Qt::Key_Y)), "MenuClearClick", &TFormMain::MenuClearClick);
    AddEntry(m, "Cut", Key(K(ctrl, Qt::Key_X)), "MenuCutClick", &TFormMain::MenuCutClick);
    AddEntry(m, "Copy", Key(K(ctrl, Qt::Key_C)), "MenuCopyClick", &TFormMain::MenuCopyClick);
    AddEntry(m, "Insert", Key(K(ctrl, Qt::Key_T)), "MenuInsertClick", &TFormMain::MenuInsertClick);
    AddEntry(m, "Paste", Key(K(ctrl, Qt::Key_V)), "MenuPasteClick", &TFormMain::MenuPasteClick);
    AddEntry(m, "Select All", Key(K(ctrl, Qt::Key_A)), "MenuSelectAllClick",
             &TFormMain::MenuSelectAllClick);
    m->addSeparator();
    addShared(m, true, true);

    // Set list view.
    m = popupLists_;
    AddEntry(m, "Clear", Key(K(ctrlAlt, Qt::Key_Y)), "MenuClearListClick",
             &TFormMain::MenuClearListClick);
    AddEntry(m, "Cut", Key(K(ctrlAlt, Qt::Key_X)), "MenuCutListClick",
             &TFormMain::MenuCutListClick);
    AddEntry(m, "Copy", Key(K(ctrlAlt, Qt::Key_C)), "MenuCopyListClick",
             &TFormMain::MenuCopyListClick);
    AddEntry(m, "Insert", Key(K(ctrlAlt, Qt::Key_T)), "MenuInsertListClick",
             &TFormMain::MenuInsertListClick);
    AddEntry(m, "Paste", Key(K(ctrlAlt, Qt::Key_V)), "MenuPasteListClick",
             &TFormMain::MenuPasteListClick);
    m->addSeparator();
    AddEntry(m, "Rename", Key(K(Qt::Key_F2)), "MenuRenameListClick",
             &TFormMain::MenuRenameListClick);
    m->addSeparator();
    AddEntry(m, "Previous", Key(K(Qt::Key_F5)), "MenuPrevListClick", &TFormMain::MenuPrevListClick);
    AddEntry(m, "Next", Key(K(Qt::Key_F6)), "MenuNextListClick", &TFormMain::MenuNextListClick);
    AddEntry(m, "Compare Slots with same Name", {}, "MenuCompareClick",
             &TFormMain::MenuCompareClick);
    AddEntry(m, "Generate List sorted by Slot Number", {}, "mnuListClick",
             &TFormMain::mnuListClick);
    AddEntry(m, "Generate List sorted by Sound Number", {}, "mnuSortedListClick",
             &TFormMain::mnuSortedListClick);
    AddEntry(m, "Generate List with Comments", {}, "MenuListCommentsClick",
             &TFormMain::MenuListCommentsClick);

    // Comment field.
    m = popupComment_;
    AddEntry(m, "Cut", Key(K(ctrl, Qt::Key_X)), "MenuItem2Click", &TFormMain::MenuItem2Click);
    AddEntry(m, "Copy", Key(K(ctrl, Qt::Key_C)), "MenuCopyClick", &TFormMain::MenuCopyClick);
    AddEntry(m, "Paste", Key(K(ctrl, Qt::Key_V)), "MenuPasteClick", &TFormMain::MenuPasteClick);
    AddEntry(m, "Select All", Key(K(ctrl, Qt::Key_A)), "MenuSelectAllClick",
             &TFormMain::MenuSelectAllClick);
    m->addSeparator();
    addShared(m, false, false);
}

QAction* TFormMain::CommandAction(const QString& handlerName, int menu) const {
    const QMenu* wanted = menu == 1 ? popupLists_ : menu == 2 ? popupComment_ : popupSlots_;
    for (QAction* a : actions_.value(handlerName)) {
        if (a->parent() == wanted) return a;
    }
    return nullptr;
}

void TFormMain::EnableCommand(const QString& handlerName, bool enabled) {
    if (enabled)
        pending_.remove(handlerName);
    else
        pending_.insert(handlerName);
    for (QAction* a : actions_.value(handlerName)) a->setEnabled(enabled);
    if (handlerName.startsWith(QLatin1String("Button")) && handlerName.endsWith("Click")) {
        if (QPushButton* b = Button(handlerName.chopped(5)))
            b->setEnabled(enabled && (HasDocument() || b->objectName() == "ButtonOpen"));
    }
}

bool TFormMain::DispatchShortcut(QWidget* focus, const QKeySequence& key) {
    QMenu* focusMenu = nullptr;
    for (QWidget* w = focus; w != nullptr && w != this; w = w->parentWidget()) {
        if (w == comboSlotNr_) focusMenu = popupSlots_;
        if (w == comboListNr_) focusMenu = popupLists_;
        if (w == memoComment_) focusMenu = popupComment_;
        if (focusMenu) break;
    }
    for (QMenu* menu : {focusMenu, popupSlots_}) {
        if (menu == nullptr) continue;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || a->shortcut() != key) continue;
            // A command still to come leaves the key to the control itself (the text fields'
            // own cut, copy and paste), and no other menu takes it over.
            if (IsPending(a->objectName())) return false;
            // Hidden entries count: they exist only to carry their key.
            a->trigger();
            return true;
        }
    }
    return false;
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    // The slot view's columns follow its size (window resize and splitter moves alike).
    if (watched == comboSlotNr_ && event->type() == QEvent::Resize) {
        FormResize();
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        // Once per key press: at the widget that receives it first, inside this window.
        const bool first = widget == QApplication::focusWidget() ||
                           (QApplication::focusWidget() == nullptr && widget == this);
        if (first && widget->window() == this) {
            auto* key = static_cast<QKeyEvent*>(event);
            const QKeyCombination combination(key->modifiers() & ~Qt::KeypadModifier,
                                              static_cast<Qt::Key>(key->key()));
            if (DispatchShortcut(widget, QKeySequence(combination))) return true;
            // "Exit" is the window's cancel button.
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                ButtonExitClick();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::ConnectSignals() {
    qApp->installEventFilter(this);
    auto button = [this](const char* name, void (TFormMain::*slot)()) {
        connect(Button(QLatin1String(name)), &QPushButton::clicked, this,
                [this, slot] { (this->*slot)(); });
    };
    button("ButtonExit", &TFormMain::ButtonExitClick);
    button("ButtonOpen", &TFormMain::ButtonOpenClick);
    button("ButtonSave", &TFormMain::ButtonSaveClick);
    button("ButtonSaveAs", &TFormMain::ButtonSaveAsClick);
    button("ButtonPick", &TFormMain::ButtonPickClick);
    button("ButtonPickPaste", &TFormMain::ButtonPickPasteClick);
    button("ButtonReset", &TFormMain::ButtonResetPickingClick);
    button("ButtonLast", &TFormMain::MenuLastSelectedClick);
    button("ButtonOptions", &TFormMain::ButtonOptionsClick);
    button("ButtonAbout", &TFormMain::ButtonAboutClick);
    button("ButtonXS", &TFormMain::ButtonXSClick);
    button("ButtonS", &TFormMain::ButtonSClick);
    button("ButtonM", &TFormMain::ButtonMClick);
    button("ButtonL", &TFormMain::ButtonLClick);
    button("ButtonXL", &TFormMain::ButtonXLClick);
    button("ButtonColor", &TFormMain::ButtonColorClick);
    button("ButtonUp", &TFormMain::ButtonUpClick);
    button("ButtonDown", &TFormMain::ButtonDownClick);

    connect(timerFirstStart_, &QTimer::timeout, this, &TFormMain::TimerFirstStartTimer);
    connect(timerAutoSave_, &QTimer::timeout, this, &TFormMain::TimerAutoSaveTimer);
    connect(timerSync_, &QTimer::timeout, this, &TFormMain::TimerSyncTimer);

    connect(editSlotName_, &QLineEdit::textChanged, this, &TFormMain::EditSlotNameChange);
    connect(memoComment_, &QTextEdit::textChanged, this, &TFormMain::MemoCommentChange);
    connect(memoComment_, &TCommentEdit::FocusLeft, this, &TFormMain::MemoCommentExit);
    connect(memoComment_, &TCommentEdit::KeyUp, this, &TFormMain::MemoCommentKeyUp);
    connect(editNumCols_, &QSpinBox::textChanged, this, &TFormMain::EditNumColsChange);

    connect(comboSlotNr_, &TListView::MouseDown, this, &TFormMain::ComboSlotNrMouseDown);
    connect(comboSlotNr_, &TListView::KeyUp, this, &TFormMain::ComboSlotNrKeyUp);
    connect(comboSlotNr_, &TListView::FocusEntered, this, &TFormMain::ComboSlotNrEnter);
    connect(comboSlotNr_, &TListView::FocusLeft, this, &TFormMain::ComboSlotNrExit);
    connect(comboSlotNr_, &TListView::DoubleClicked, this, [this] {
        if (!IsPending(QStringLiteral("ComboSlotNrDblClick"))) ComboSlotNrDblClick();
    });
    connect(comboListNr_, &TListView::MouseDown, this, &TFormMain::ComboListNrMouseDown);
    connect(comboListNr_, &TListView::FocusEntered, this, &TFormMain::ComboListNrEnter);
    connect(comboListNr_, &TListView::FocusLeft, this, &TFormMain::ComboListNrExit);
    connect(comboListNr_, &TListView::DoubleClicked, this, [this] {
        if (!IsPending(QStringLiteral("MenuRenameListClick"))) MenuRenameListClick();
    });
    // A click or a keyboard move that leaves the item index on another set list.
    connect(comboListNr_, &QListWidget::clicked, this, &TFormMain::ComboListNrClick);
    connect(comboListNr_, &TListView::KeyUp, this, &TFormMain::ComboListNrClick);

    // Context menus.
    comboSlotNr_->setContextMenuPolicy(Qt::CustomContextMenu);
    comboListNr_->setContextMenuPolicy(Qt::CustomContextMenu);
    setContextMenuPolicy(Qt::CustomContextMenu);
    auto popup = [](QMenu* menu, QWidget* owner) {
        return [menu, owner](const QPoint& pos) { menu->popup(owner->mapToGlobal(pos)); };
    };
    connect(comboSlotNr_, &QWidget::customContextMenuRequested, this,
            popup(popupSlots_, comboSlotNr_->viewport()));
    connect(comboListNr_, &QWidget::customContextMenuRequested, this,
            popup(popupLists_, comboListNr_->viewport()));
    connect(memoComment_, &QWidget::customContextMenuRequested, this,
            popup(popupComment_, memoComment_));
    connect(this, &QWidget::customContextMenuRequested, this, popup(popupSlots_, this));
}

}  // namespace velmar
