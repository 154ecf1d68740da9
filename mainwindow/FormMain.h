#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QSet>
#include <QStringList>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "document/Document.h"
#include "mainwindow/SlotColumnLayout.h"

class QAction;
class QCheckBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTimer;
class QWidget;

namespace velmar {

class TCommentEdit;
class TListView;
class EditingUi;
class AnalysisState;
class TFormColor;
struct EditState;
class DragDrop;
class DragDropUi;

// The main window: the two views, the details panel of the shown slot, the button bar, the
// context menus with the key map, the timers and the program-wide interaction state. It owns
// the document and answers its notifications.
class TFormMain : public QMainWindow, public DocumentListener {
    Q_OBJECT

  public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 768;
    static constexpr const char* kVersionTitle = "VELMAR 1.0.4";

    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    // The creation steps: settings registered and loaded, file chosen from `arguments` (the
    // command-line arguments after the program name) or the last file, the about window while
    // the donation setting is false, and the first-start timer enabled.
    void FormCreate(const QStringList& arguments);

    // --- Document and state (read by tests and by the commands of other subsystems) ---
    [[nodiscard]] Document& Doc() { return doc_; }
    [[nodiscard]] const Document& Doc() const { return doc_; }
    [[nodiscard]] int CurrentSetList() const { return currentSetList_; }
    [[nodiscard]] int CurrentSlot() const { return currentSlot_; }
    [[nodiscard]] int LastSlotOfList(int a) const { return lastSlotOfList_.at(a); }
    [[nodiscard]] bool ShowingSlot() const { return showingSlot_; }
    [[nodiscard]] bool UmlautCheck() const { return umlautCheck_; }
    void SetUmlautCheck(bool on) { umlautCheck_ = on; }
    [[nodiscard]] int CommentFontSize() const { return commentFontSize_; }
    [[nodiscard]] int BlankSizeDelta() const { return blankSizeDelta_; }
    [[nodiscard]] const QString& CommentFontName() const { return commentFontName_; }
    [[nodiscard]] int SimilarThreshold() const { return similarThreshold_; }
    void SetSimilarThreshold(int percent) { similarThreshold_ = percent; }
    [[nodiscard]] QString FileName() const;  // the text of EditFileName
    [[nodiscard]] QTimer* TimerFirstStart() const { return timerFirstStart_; }
    [[nodiscard]] QTimer* TimerAutoSave() const { return timerAutoSave_; }
    [[nodiscard]] QTimer* TimerSync() const { return timerSync_; }
    // The size button shown pressed: size code 0..4, or -1 when none is.
    [[nodiscard]] int PressedSizeCode() const;

    // --- Start-up and closing ---
    void TimerFirstStartTimer();
    bool OpenDocument();
    void EnsureSixteenRows();
    void ButtonAboutClick();
    void ButtonOptionsClick();
    void FormActivate();

    // --- File commands ---
    void ButtonOpenClick();
    // Writes the comment being edited and the image; true when the file was written.
    bool SaveFile(bool autosave);
    void ButtonSaveClick();
    void ButtonSaveAsClick();
    void ButtonExitClick();
    // The close query: false keeps the window open.
    bool FormCloseQuery();
    void TimerAutoSaveTimer();

    // --- Showing a set list and a slot ---
    void ShowSetList(int list, bool showItsSlot, bool deselectPrevious);
    void ShowSlot(int slot, bool deselectOthers);
    void EditSlotNameChange();
    void MemoCommentChange();
    void MemoCommentExit();
    void MemoCommentKeyUp(QKeyEvent* event);
    void FormatMemoComment();

    // DocumentListener
    void SlotNameWritten(int a, int s, const std::string& text) override;
    void SlotCommentWritten(bool umlautSeen) override;
    void SlotColorWritten(int a, int s) override;
    void TabsReplaced() override;

    // --- Views: columns and size buttons ---
    void AdjustSlotColumns();
    void EditNumColsChange();
    void FormResize();
    void SizeButtonClick(int code);
    void ButtonXSClick() { SizeButtonClick(1); }
    void ButtonSClick() { SizeButtonClick(0); }
    void ButtonMClick() { SizeButtonClick(2); }
    void ButtonLClick() { SizeButtonClick(3); }
    void ButtonXLClick() { SizeButtonClick(4); }
    void ComboSlotNrEnter();
    void ComboSlotNrExit();
    void ComboListNrEnter();
    void ComboListNrExit();

    // --- Navigation and selection ---
    void MenuPrevSlotClick();
    void MenuNextSlotClick();
    void MenuPrevListClick();
    void MenuNextListClick();
    void MenuLastSelectedClick();      // slot jump, Ctrl+B and the button "Last"
    void MenuLastSelectedListClick();  // set list jump, Ctrl+G
    void MenuSelectAllClick();
    void MenuFocusNameClick();
    void MenuFocusCommentClick();
    void ComboSlotNrMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void ComboSlotNrKeyUp(int key, Qt::KeyboardModifiers modifiers);
    void ComboListNrMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void ComboListNrClick();

    // --- Drag and drop (mainwindow/FormMainDrag.cpp): the drag part of a press runs after
    // the navigation part; pos is in the view's client coordinates, screenPos on the screen ---
    void ComboSlotNrMouseDownDrag(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void ComboSlotNrMouseMove(Qt::MouseButtons buttons, QPoint pos);
    void ComboSlotNrMouseUp(QPoint pos, QPoint screenPos);
    void ComboListNrMouseDownDrag(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void ComboListNrMouseMove(Qt::MouseButtons buttons, QPoint pos);
    void ComboListNrMouseUp(QPoint pos, QPoint screenPos);
    void TimerScrollSlotTimer();
    void TimerScrollListTimer();
    void TimerDropSlotAtListTimer();
    void ApplicationEvents1Deactivate();
    // Ends a drag without a drop: another document was loaded or a modal box opened.
    void CancelDrag();
    [[nodiscard]] DragDrop& Drag();
    [[nodiscard]] QTimer* TimerScrollSlot() const { return timerScrollSlot_; }
    [[nodiscard]] QTimer* TimerScrollList() const { return timerScrollList_; }
    [[nodiscard]] QTimer* TimerDropSlotAtList() const { return timerDropSlotAtList_; }

    // --- Commands of later subsystems. Each handler runs its hook; the menu entries stay
    // disabled until the subsystem fills the hook and enables them (EnableCommand). ---
    // Slot clipboard
    void MenuClearClick();
    void MenuCutClick();
    void MenuCopyClick();
    void MenuInsertClick();
    void MenuPasteClick();
    void MenuItem2Click();  // Cut of the comment field
    // Set list clipboard
    void MenuClearListClick();
    void MenuCutListClick();
    void MenuCopyListClick();
    void MenuInsertListClick();
    void MenuPasteListClick();
    // Reordering and sorting
    void MenuSortClick();
    void ButtonSortClick();
    void ButtonUpClick();
    void ButtonDownClick();
    // Renaming and conversion
    void MenuRenameListClick();
    void ComboSlotNrDblClick();
    void mnuUpperClick();
    void mnuLowerClick();
    void MenuSoundAndNameClick();
    // Find
    void MenuFindClick();
    void MenuFindPrevClick();
    void MenuFindNextClick();
    // Comparison and generated lists
    void MenuCompareClick();
    void mnuListClick();
    void mnuSortedListClick();
    void MenuListCommentsClick();
    // Printing
    void PrintClick();
    // Enables "Print Selected" once at construction (analysis/FormMainPrint.cpp).
    void RegisterPrinting();
    // Pick mode
    void ButtonPickClick();
    void ButtonPickPasteClick();
    void ButtonResetPickingClick();
    // Colour picker
    void ButtonColorClick();
    // Editing commands, pick mode and the colour picker: their entries enabled, the picker
    // created and the pick toggle wired, once at construction (editing/FormMainEditing.cpp).
    void RegisterEditingCommands();
    [[nodiscard]] EditState& EditingState();
    [[nodiscard]] bool PickMode() const;
    [[nodiscard]] TFormColor* FormColor() const;
    // Similar-slot finder: the refresh check, and stopping a running search
    void TimerSyncTimer();
    void StopSimilarSearch();
    // Find, the reports and the similar-slot finder (analysis/): the find dialog with the last
    // search and the finder's panel.
    [[nodiscard]] AnalysisState& Analysis();

    // Enables or disables the menu entries (and buttons) of a command by its handler name,
    // for the subsystems that implement them. Unknown names are ignored.
    void EnableCommand(const QString& handlerName, bool enabled = true);
    // The entry of a handler in one menu (0 slot view, 1 set list view, 2 comment field).
    [[nodiscard]] QAction* CommandAction(const QString& handlerName, int menu = 0) const;
    [[nodiscard]] bool IsPending(const QString& handlerName) const {
        return pending_.contains(handlerName);
    }

    // The three context menus: slot view (also the window's menu), set list view, comment.
    [[nodiscard]] QMenu* PopupSlots() const { return popupSlots_; }
    [[nodiscard]] QMenu* PopupLists() const { return popupLists_; }
    [[nodiscard]] QMenu* PopupComment() const { return popupComment_; }

    // Runs the key map: the focused control's menu first, then the window's menu.
    bool DispatchShortcut(QWidget* focus, const QKeySequence& key);

    // Controls, by the names the rest of the program knows them.
    TListView* ComboSlotNr() const { return comboSlotNr_; }
    TListView* ComboListNr() const { return comboListNr_; }
    TCommentEdit* MemoComment() const { return memoComment_; }
    QLineEdit* EditFileName() const { return editFileName_; }
    QLineEdit* EditSlotNr() const { return editSlotNr_; }
    QLineEdit* EditSlotName() const { return editSlotName_; }
    QLineEdit* EditSound() const { return editSound_; }
    QLineEdit* EditTranspose() const { return editTranspose_; }
    QLineEdit* EditSST() const { return editSST_; }
    QLineEdit* EditVol() const { return editVol_; }
    QSpinBox* EditNumCols() const { return editNumCols_; }
    QFrame* PanelCommentBorder() const { return panelCommentBorder_; }
    QWidget* DockComment() const { return dockComment_; }
    QWidget* DockSync() const { return dockSync_; }
    QWidget* PanelMenu() const { return panelMenu_; }
    QWidget* PanelTool() const { return panelTool_; }
    QSplitter* Splitter() const { return splitter_; }
    QPushButton* Button(const QString& objectName) const;

  protected:
    // The about window, modal; `owner` null at start-up. Tests replace it.
    virtual void RunAboutWindow(QWidget* owner);
    virtual void RunOptionsDialog();

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building the window (FormMainLayout.cpp, FormMainMenus.cpp).
    void BuildWindow();
    QWidget* BuildTopBar();
    QWidget* BuildDetailsPanel();
    QWidget* BuildSyncPanel();
    void BuildMenus();
    QAction* AddEntry(QMenu* menu, const QString& caption, const QKeySequence& key,
                      const QString& handler, void (TFormMain::*slot)(), bool hidden = false);
    void ConnectSignals();
    void SetDocumentControlsEnabled(bool enabled);
    void PressSizeButton(int code);
    void SetColorButton(QColor color);
    void SetCommentBackground(bool dark);

    // The closing steps after the close query allowed it (FormMainStartup.cpp).
    void FormClose();
    [[nodiscard]] bool HasDocument() const { return doc_.HasImage(); }
    void RepaintSlotItem(int s);
    // The comment editor's text as file bytes, line breaks as CR LF.
    [[nodiscard]] std::string EditorCommentBytes() const;
    // SetSlotComment of the shown slot with the editor's text (TAB information on).
    void WriteEditorComment();
    void RepaintSelectedItems(TListView* view);

    Document doc_;

    // Program-wide interaction state.
    int currentSetList_ = 0;
    int currentSlot_ = 0;
    std::size_t currentListPtr_ = 0;
    std::array<int, kSetListCount> lastSlotOfList_{};
    int abListA_ = 0, abSlotA_ = 0, abListB_ = 0, abSlotB_ = 0;
    bool abToggle_ = false;
    int lastListA_ = 0, lastListB_ = 0;
    bool lastListToggle_ = false;
    bool showingSlot_ = false;
    bool umlautCheck_ = false;
    int commentFontSize_ = 21;
    int blankSizeDelta_ = 0;
    QString commentFontName_ = QStringLiteral("Arial");
    int similarThreshold_ = 50;
    int syncedSlot_ = -1;
    SlotColumnLayout columns_;
    std::string shownCommentBytes_;  // the comment as read when the slot was shown
    QString shownCommentText_;       // and as the editor showed it then
    QString documentName_;  // the name of the document shown (EditFileName after a good load)
    bool firstStartDone_ = false;

    // Controls.
    QWidget* panelMenu_ = nullptr;
    QWidget* panelTool_ = nullptr;
    QSplitter* splitter_ = nullptr;
    TListView* comboListNr_ = nullptr;
    TListView* comboSlotNr_ = nullptr;
    QWidget* dockComment_ = nullptr;
    QWidget* dockSync_ = nullptr;
    QFrame* panelCommentBorder_ = nullptr;
    TCommentEdit* memoComment_ = nullptr;
    QLineEdit* editFileName_ = nullptr;
    QLineEdit* editSlotNr_ = nullptr;
    QLineEdit* editSlotName_ = nullptr;
    QLineEdit* editSound_ = nullptr;
    QLineEdit* editTranspose_ = nullptr;
    QLineEdit* editSST_ = nullptr;
    QLineEdit* editVol_ = nullptr;
    QSpinBox* editNumCols_ = nullptr;
    std::array<QPushButton*, 5> sizeButtons_{};  // by size code
    QPushButton* buttonColor_ = nullptr;

    // Menu entries by handler name, and the handlers whose subsystem has not filled them yet.
    QHash<QString, QList<QAction*>> actions_;
    QSet<QString> pending_;

    QMenu* popupSlots_ = nullptr;
    QMenu* popupLists_ = nullptr;
    QMenu* popupComment_ = nullptr;

    QTimer* timerFirstStart_ = nullptr;
    QTimer* timerAutoSave_ = nullptr;
    QTimer* timerSync_ = nullptr;
    QTimer* timerDropSlotAtList_ = nullptr;
    QTimer* timerScrollSlot_ = nullptr;
    QTimer* timerScrollList_ = nullptr;

    struct EditingUiDeleter {
        void operator()(EditingUi* ui) const;
    };
    std::unique_ptr<EditingUi, EditingUiDeleter> editing_;

    // Set up at the end of the construction (analysis/FormMainSync.cpp).
    void RegisterAnalysis();
    struct AnalysisStateDeleter {
        void operator()(AnalysisState* state) const;
    };
    std::unique_ptr<AnalysisState, AnalysisStateDeleter> analysis_;

    // Set up at the end of the construction (mainwindow/FormMainDrag.cpp).
    void RegisterDragDrop();
    struct DragDropUiDeleter {
        void operator()(DragDropUi* ui) const;
    };
    std::unique_ptr<DragDropUi, DragDropUiDeleter> drag_;
};

}  // namespace velmar
