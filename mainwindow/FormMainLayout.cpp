// Building the main window: the button bar, the two views, the details panel, the similar-slot
// panel and the timers, with their names, captions, hints, sizes and colours.

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include "mainwindow/CommentFormatter.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/ItemPainter.h"
#include "mainwindow/ListItemDelegate.h"
#include "mainwindow/MainControls.h"

namespace velmar {

namespace {

constexpr int kBarHeight = 45;
constexpr int kButtonHeight = 34;
constexpr int kButtonTop = 5;
constexpr int kGap = 5;
constexpr int kFieldHeight = 34;
constexpr int kDetailsHeight = 410;

const char* const kCentralStyle = R"(
QWidget#Central { background: black; }
QSplitter::handle { background: #1a1a1a; }
QScrollBar:vertical { background: #101010; width: 14px; margin: 0; }
QScrollBar:horizontal { background: #101010; height: 14px; margin: 0; }
QScrollBar::handle { background: #4a4a4a; border: 1px solid #202020; }
QScrollBar::handle:vertical { min-height: 24px; }
QScrollBar::handle:horizontal { min-width: 24px; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
)";

const char* const kBarStyle = R"(
QWidget#PanelMenu { background: black; }
QPushButton {
  background: #FDBE02; color: black; border: 1px solid #5a4400; border-radius: 2px;
  font-family: Arial; font-weight: bold; font-size: 19px; padding: 0px;
}
QPushButton:disabled { background: #6b5512; color: #2b2b2b; border-color: #3a2e08; }
QPushButton:checked { background: #fff2c0; border: 2px solid #FDBE02; }
QPushButton#ButtonColor { color: white; }
QPushButton#ButtonPickPaste { background: #92D050; font-size: 13px; }
QPushButton#ButtonReset { background: #F85069; font-size: 13px; }
QLabel { color: #FDBE02; font-family: Verdana; font-weight: bold; font-size: 11px; }
QSpinBox {
  background: #FDBE02; color: black; font-family: Arial; font-weight: bold; font-size: 16px;
  border: 1px solid #5a4400; padding-left: 4px;
}
QSpinBox::up-button, QSpinBox::down-button { width: 14px; background: #e0a800; }
QSpinBox::up-arrow { width: 0; height: 0; border-left: 4px solid none;
  border-right: 4px solid none; border-bottom: 5px solid black; }
QSpinBox::down-arrow { width: 0; height: 0; border-left: 4px solid none;
  border-right: 4px solid none; border-top: 5px solid black; }
)";

const char* const kDetailsStyle = R"(
QLineEdit {
  background: #FDBE02; color: black; border: 1px solid #5a4400;
  font-family: Arial; font-weight: bold; font-size: 19px;
}
QLineEdit:disabled { background: #6b5512; color: #2b2b2b; }
QFrame#PanelCommentBorder { background: black; border: 1px solid #3a3a3a; }
QTextEdit { border: none; }
)";

const char* const kSyncStyle = R"(
QWidget#DockSync, QWidget#PanelSimilarContainer, QWidget#GridArea { background: black; }
QLabel, QCheckBox { color: #FDBE02; font-family: Verdana; font-weight: bold; font-size: 11px; }
)";

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint, int width, int height = kButtonHeight) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setFixedSize(width, height);
    // Clicking a button takes the focus like any control, so the comment editor writes its
    // text before the button's command runs.
    button->setFocusPolicy(Qt::ClickFocus);
    return button;
}

QLineEdit* MakeField(QWidget* parent, const char* name, int width, const QString& hint,
                     bool readOnly) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setFixedHeight(kFieldHeight);
    if (width > 0) field->setFixedWidth(width);
    field->setReadOnly(readOnly);
    field->setToolTip(hint);
    if (readOnly) {
        field->setAlignment(Qt::AlignCenter);
        field->setFocusPolicy(Qt::NoFocus);
    }
    return field;
}

}  // namespace

TFormMain::TFormMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FormMain"));
    BuildWindow();
    BuildMenus();
    ConnectSignals();
    SetDocumentControlsEnabled(false);
    RegisterEditingCommands();
    RegisterAnalysis();
    RegisterPrinting();
    RegisterDragDrop();
}

TFormMain::~TFormMain() {
    // The children outlive this part of the window: their last focus changes must not reach
    // handlers whose state is already gone.
    qApp->removeEventFilter(this);
    for (QObject* child :
         {static_cast<QObject*>(memoComment_), static_cast<QObject*>(comboSlotNr_),
          static_cast<QObject*>(comboListNr_), static_cast<QObject*>(editSlotName_),
          static_cast<QObject*>(editNumCols_)})
        disconnect(child, nullptr, this, nullptr);
    doc_.SetListener(nullptr);
}

void TFormMain::BuildWindow() {
    setWindowTitle(QString::fromLatin1(kVersionTitle));
    resize(kWidth, kHeight);
    move(0, 0);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Central"));
    central->setStyleSheet(QString::fromLatin1(kCentralStyle));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(BuildTopBar());

    splitter_ = new QSplitter(Qt::Horizontal, central);
    splitter_->setObjectName(QStringLiteral("Splitter"));
    splitter_->setHandleWidth(4);
    splitter_->setChildrenCollapsible(false);

    comboListNr_ = new TListView(splitter_);
    comboListNr_->setObjectName(QStringLiteral("ComboListNr"));
    SetUpItemView(*comboListNr_, ItemKind::SetList);
    comboListNr_->setMinimumWidth(40);

    auto* centre = new QWidget(splitter_);
    centre->setObjectName(QStringLiteral("PanelCentre"));
    auto* centreLayout = new QVBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->setSpacing(0);
    comboSlotNr_ = new TListView(centre);
    comboSlotNr_->setObjectName(QStringLiteral("ComboSlotNr"));
    SetUpItemView(*comboSlotNr_, ItemKind::Slot);
    comboSlotNr_->setMinimumHeight(ItemPainter::kItemHeight);
    centreLayout->addWidget(comboSlotNr_, 1);
    centreLayout->addWidget(BuildDetailsPanel());

    splitter_->addWidget(comboListNr_);
    splitter_->addWidget(centre);
    splitter_->addWidget(BuildSyncPanel());
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setStretchFactor(2, 0);
    splitter_->setSizes({200, kWidth - 400, 200});
    column->addWidget(splitter_, 1);
    setCentralWidget(central);

    // Invisible: the document's file name, bound to the setting "Filename".
    editFileName_ = new QLineEdit(central);
    editFileName_->setObjectName(QStringLiteral("EditFileName"));
    editFileName_->hide();

    auto makeTimer = [this](const char* name, int interval, bool single) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QLatin1String(name));
        timer->setInterval(interval);
        timer->setSingleShot(single);
        return timer;
    };
    timerFirstStart_ = makeTimer("TimerFirstStart", 100, true);
    timerAutoSave_ = makeTimer("TimerAutoSave", 180000, false);
    timerSync_ = makeTimer("TimerSync", 1000, false);
    timerDropSlotAtList_ = makeTimer("TimerDropSlotAtList", 800, false);
    timerScrollSlot_ = makeTimer("TimerScrollSlot", 3000, false);
    timerScrollList_ = makeTimer("TimerScrollList", 400, false);
    timerAutoSave_->start();
    timerSync_->start();
}

QWidget* TFormMain::BuildTopBar() {
    panelMenu_ = new QWidget(this);
    panelMenu_->setObjectName(QStringLiteral("PanelMenu"));
    panelMenu_->setFixedHeight(kBarHeight);
    panelMenu_->setAttribute(Qt::WA_StyledBackground);
    panelMenu_->setStyleSheet(QString::fromLatin1(kBarStyle));

    int x = kGap;
    auto place = [&x](QWidget* w) {
        w->move(x, kButtonTop);
        x += w->width() + kGap;
    };
    place(MakeButton(panelMenu_, "ButtonExit", "Exit", "Exit Program (Alt-F4)", 75));
    place(MakeButton(panelMenu_, "ButtonOpen", "Open", "Open File (Ctrl-O)", 75));
    place(MakeButton(panelMenu_, "ButtonSave", "Save", "Save File (Ctrl-S)", 75));
    place(MakeButton(panelMenu_, "ButtonSaveAs", "Save As", "Save File under new Name (F12)", 95));
    QPushButton* pick = MakeButton(panelMenu_, "ButtonPick", "Pick",
                                   "Toggle: Pick Slots - Finish picking - Clear Pick List", 89);
    // The two pick-mode buttons share the place of "Pick", one above the other.
    QPushButton* pickPaste =
        MakeButton(panelMenu_, "ButtonPickPaste", "Paste <1>",
                   "Toggle: Pick Slots - Finish Picking - Clear Pick List", 89, 18);
    QPushButton* reset = MakeButton(panelMenu_, "ButtonReset", "Reset", "Reset Pick List", 89, 18);
    pickPaste->move(x, kButtonTop - 2);
    reset->move(x, kButtonTop - 2 + 18);
    pickPaste->hide();
    reset->hide();
    place(pick);
    place(MakeButton(panelMenu_, "ButtonLast", "Last", "Go to last Selection", 75));
    place(MakeButton(panelMenu_, "ButtonOptions", "Options", "Show Options Dialog", 95));
    place(MakeButton(panelMenu_, "ButtonAbout", "About", "Show About Dialog", 80));
    x += kGap;
    const char* names[5] = {"ButtonS", "ButtonXS", "ButtonM", "ButtonL", "ButtonXL"};
    const char* captions[5] = {"S", "XS", "M", "L", "XL"};
    const char* hints[5] = {"Small Comment Font", "Extra Small Comment Font", "Medium Comment Font",
                            "Large Comment Font", "Extra Large Comment Font"};
    for (int code : {1, 0, 2, 3, 4}) {  // shown XS, S, M, L, XL
        QPushButton* b = MakeButton(panelMenu_, names[code], captions[code], hints[code], 40);
        b->setCheckable(true);
        b->setAutoExclusive(false);  // "none pressed" must stay possible
        sizeButtons_[static_cast<std::size_t>(code)] = b;
        place(b);
    }
    x += kGap;
    buttonColor_ = MakeButton(panelMenu_, "ButtonColor", "Color", "Slot Color", 113);
    place(buttonColor_);
    SetColorButton(QColor(0x80, 0x80, 0x80));

    panelTool_ = new QWidget(panelMenu_);
    panelTool_->setObjectName(QStringLiteral("PanelTool"));
    auto* tool = new QHBoxLayout(panelTool_);
    tool->setContentsMargins(0, 0, 0, 0);
    tool->setSpacing(4);
    auto* cols = new QLabel(QStringLiteral("Cols"), panelTool_);
    cols->setObjectName(QStringLiteral("LabelCols"));
    cols->setToolTip(QStringLiteral("0 = Auto Calculating"));
    editNumCols_ = new QSpinBox(panelTool_);
    editNumCols_->setObjectName(QStringLiteral("EditNumCols"));
    editNumCols_->setRange(0, 9);
    editNumCols_->setFixedSize(48, kButtonHeight);
    editNumCols_->setToolTip(QStringLiteral("Number of Slot Columns (0=Autosize)"));
    tool->addWidget(cols);
    tool->addWidget(editNumCols_);
    tool->addSpacing(6);
    tool->addWidget(
        MakeButton(panelTool_, "ButtonUp", QString(QChar(0x25B2)), "Move selected Slots up", 40));
    tool->addWidget(MakeButton(panelTool_, "ButtonDown", QString(QChar(0x25BC)),
                               "Move selected Slots down", 40));
    panelTool_->setFixedSize(panelTool_->sizeHint().width(), kButtonHeight);
    panelTool_->move(kWidth - panelTool_->width() - kGap, kButtonTop);
    return panelMenu_;
}

QWidget* TFormMain::BuildDetailsPanel() {
    dockComment_ = new QWidget(this);
    dockComment_->setObjectName(QStringLiteral("DockComment"));
    dockComment_->setFixedHeight(kDetailsHeight);
    dockComment_->setAttribute(Qt::WA_StyledBackground);
    dockComment_->setStyleSheet(QStringLiteral("QWidget#DockComment { background: black; }") +
                                QString::fromLatin1(kDetailsStyle));
    auto* layout = new QVBoxLayout(dockComment_);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);

    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    editSlotNr_ = MakeField(dockComment_, "EditSlotNr", 50, QString(), true);
    editSlotName_ = MakeField(dockComment_, "EditSlotName", 0, QStringLiteral("Slot Name"), false);
    editSlotName_->setMaxLength(24);
    editSound_ = MakeField(dockComment_, "EditSound", 205, QString(), true);
    editTranspose_ =
        MakeField(dockComment_, "EditTranspose", 68, QStringLiteral("Transpose"), true);
    editSST_ = MakeField(dockComment_, "EditSST", 70, QStringLiteral("Hold Time (SST)"), true);
    editVol_ = MakeField(dockComment_, "EditVol", 73, QStringLiteral("Volume"), true);
    for (QLineEdit* f :
         {editSlotNr_, editSlotName_, editSound_, editTranspose_, editSST_, editVol_})
        row->addWidget(f);
    row->setStretchFactor(editSlotName_, 1);
    layout->addLayout(row);

    auto* commentRow = new QHBoxLayout;
    commentRow->setSpacing(0);
    panelCommentBorder_ = new QFrame(dockComment_);
    panelCommentBorder_->setObjectName(QStringLiteral("PanelCommentBorder"));
    panelCommentBorder_->setFixedWidth(772);
    auto* border = new QVBoxLayout(panelCommentBorder_);
    border->setContentsMargins(2, 2, 2, 2);
    memoComment_ = new TCommentEdit(panelCommentBorder_);
    memoComment_->setObjectName(QStringLiteral("MemoComment"));
    memoComment_->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette pal = memoComment_->palette();
    pal.setColor(QPalette::Base, kCommentBackground);
    pal.setColor(QPalette::Text, kCommentText);
    memoComment_->setPalette(pal);
    border->addWidget(memoComment_);
    commentRow->addWidget(panelCommentBorder_);
    commentRow->addStretch(1);
    layout->addLayout(commentRow, 1);

    // The pictures of the similar-slot grid's marks live with the details panel, hidden.
    for (const char* name : {"NameGreen", "NameYellow", "NameRed", "CommentGreen", "CommentYellow",
                             "CommentRed", "NoteGreen", "NoteRed"}) {
        auto* picture = new QLabel(dockComment_);
        picture->setObjectName(QLatin1String(name));
        picture->hide();
    }
    return dockComment_;
}

QWidget* TFormMain::BuildSyncPanel() {
    dockSync_ = new QWidget(this);
    dockSync_->setObjectName(QStringLiteral("DockSync"));
    dockSync_->setAttribute(Qt::WA_StyledBackground);
    dockSync_->setStyleSheet(QString::fromLatin1(kSyncStyle));
    dockSync_->setMinimumWidth(40);
    auto* layout = new QVBoxLayout(dockSync_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The hit grid of the similar-slot finder goes here.
    auto* gridArea = new QWidget(dockSync_);
    gridArea->setObjectName(QStringLiteral("GridArea"));
    gridArea->setAttribute(Qt::WA_StyledBackground);
    gridArea->setLayout(new QVBoxLayout);
    gridArea->layout()->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gridArea, 1);

    // The finder's criteria: four of them are settings bound to this window.
    auto* criteria = new QWidget(dockSync_);
    criteria->setObjectName(QStringLiteral("PanelSimilarContainer"));
    criteria->setAttribute(Qt::WA_StyledBackground);
    criteria->setFixedHeight(70);
    auto* grid = new QGridLayout(criteria);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(0);
    auto addBox = [criteria, grid](const char* name, const char* caption, const char* hint, int row,
                                   int col) {
        auto* box = new QCheckBox(QLatin1String(caption), criteria);
        box->setObjectName(QLatin1String(name));
        box->setToolTip(QLatin1String(hint));
        box->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(box, row, col);
    };
    grid->addWidget(new QLabel(QStringLiteral("Name:"), criteria), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Comm:"), criteria), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Sound:"), criteria), 2, 0);
    addBox("CheckSameName", "Same", "Include Slots with same Names", 0, 1);
    addBox("CheckSimilarName", "Similar", "Include Slots with similar Names", 0, 2);
    addBox("CheckSameComment", "Same", "Include Slots with same Comments", 1, 1);
    addBox("CheckSimilarComment", "Similar", "Include Slots with similar Comments", 1, 2);
    addBox("CheckSameSound", "Same", "Include Slots with same Sounds", 2, 1);
    grid->setColumnStretch(3, 1);
    layout->addWidget(criteria);
    return dockSync_;
}

QPushButton* TFormMain::Button(const QString& objectName) const {
    return findChild<QPushButton*>(objectName);
}

void TFormMain::SetDocumentControlsEnabled(bool enabled) {
    for (const char* name :
         {"ButtonSave", "ButtonSaveAs", "ButtonPick", "ButtonLast", "ButtonXS", "ButtonS",
          "ButtonM", "ButtonL", "ButtonXL", "ButtonColor", "ButtonUp", "ButtonDown"}) {
        QPushButton* b = Button(QLatin1String(name));
        // Buttons of commands still to come stay disabled.
        if (b != nullptr) b->setEnabled(enabled && !IsPending(b->objectName() + "Click"));
    }
    memoComment_->setEnabled(enabled);
    comboSlotNr_->setEnabled(enabled);
    comboListNr_->setEnabled(enabled);
    dockComment_->setEnabled(enabled);
}

void TFormMain::PressSizeButton(int code) {
    for (int c = 0; c < 5; ++c) sizeButtons_[static_cast<std::size_t>(c)]->setChecked(c == code);
}

int TFormMain::PressedSizeCode() const {
    for (int c = 0; c < 5; ++c)
        if (sizeButtons_[static_cast<std::size_t>(c)]->isChecked()) return c;
    return -1;
}

void TFormMain::SetColorButton(QColor color) {
    buttonColor_->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: white; }"
                                               "QPushButton:disabled { color: #a0a0a0; }")
                                    .arg(color.name()));
}

void TFormMain::SetCommentBackground(bool dark) {
    velmar::SetCommentBackground(*memoComment_, dark ? kUmlautBackground : kCommentBackground);
}

}  // namespace velmar
