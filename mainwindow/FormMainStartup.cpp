// Start-up and closing of the main window: the creation steps, the first-start tick, opening
// the document, the about and options windows, and what is stored at the end.

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QSplitter>
#include <QTimer>

#include "editing/TextTools.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/ItemPainter.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "platform/Messages.h"
#include "platform/WaitCursor.h"
#include "settings/AboutWindow.h"
#include "settings/IniStore.h"
#include "settings/OptionsDialog.h"
#include "settings/SettingsTable.h"

namespace velmar {

namespace {

// A remembered set list or slot number from the settings; anything outside 0..127 (edited by
// hand, or from another program) falls back to 0 instead of reaching the record locators.
int RememberedIndex(const QString& valueName) {
    Ini().IniLoad(valueName);
    const int value = Ini().IniGetInt(valueName, 0);
    return value >= 0 && value < kSetListCount ? value : 0;
}

}  // namespace

QString TFormMain::FileName() const {
    return editFileName_->text();
}

void TFormMain::FormCreate(const QStringList& arguments) {
    // 1. Start values (the members carry them), the title, empty views and comment.
    umlautCheck_ = DirExists("c:\\bin");
    setWindowTitle(QString::fromLatin1(kVersionTitle));
    showingSlot_ = true;
    memoComment_->clear();
    showingSlot_ = false;
    comboListNr_->clear();
    comboSlotNr_->clear();
    RestoreWindowPlacement(Ini().Backend(), WindowPlacementPath(), *this);

    // 2. The settings, in their fixed order (once per program run).
    IniStore& ini = Ini();
    if (ini.Entries().empty()) velmar::RegisterSettings(ini);

    // 3. The donation flag and the column count before anything is shown.
    ini.IniLoad(QStringLiteral("DonationPressed1.0.4"));
    ini.IniLoad(QStringLiteral("Columns"));
    ini.IniShow(QStringLiteral("Columns"));
    columns_.SetColumnCount(ini.IniGetInt(QStringLiteral("Columns"), 0));

    // 4.-6. Every setting, the finder's threshold and the controls bound to this window.
    ini.IniLoadAll();
    similarThreshold_ = ini.IniGetInt(QStringLiteral("SimilarPercentage"), 50);
    ini.IniShowForm(QStringLiteral("FormMain"));

    // 7. Panel widths.
    const int listWidth = ini.IniGetInt(QStringLiteral("ListWidth"), 200);
    const int syncWidth = ini.IniGetInt(QStringLiteral("SyncWidth"), 200);
    const int total = splitter_->width() > listWidth + syncWidth ? splitter_->width() : width();
    splitter_->setSizes({listWidth, std::max(1, total - listWidth - syncWidth), syncWidth});

    // 8. The file to open: the last one when "AutoOpenFile" is on, the first argument always.
    if (!ini.IniGetBool(QStringLiteral("AutoOpenFile"), true)) editFileName_->clear();
    if (!arguments.isEmpty()) editFileName_->setText(arguments.first());
    if (!editFileName_->text().isEmpty() && !QFileInfo(editFileName_->text()).isFile())
        editFileName_->clear();

    // 9. The about window, until its "Donate" button has been pressed once.
    if (!ini.IniGetBool(QStringLiteral("DonationPressed1.0.4"), false)) RunAboutWindow(nullptr);

    // 10.
    timerFirstStart_->start();
}

void TFormMain::TimerFirstStartTimer() {
    timerFirstStart_->stop();
    if (firstStartDone_) return;
    firstStartDone_ = true;
    AdjustSlotColumns();
    if (editFileName_->text().isEmpty() || !OpenDocument()) return;
    ShowSetList(RememberedIndex(QStringLiteral("LastSetList")), false, false);
    ShowSlot(RememberedIndex(QStringLiteral("LastSlot")), true);
}

bool TFormMain::OpenDocument() {
    WaitCursor wait;
    const QString name = editFileName_->text();
    const LoadResult result = doc_.LoadFile(name.toStdString());
    if (!result.ok) {
        // The document loaded before (if any) stays loaded and shown, so its name stays the
        // one that a save and the settings use.
        wait.Release();
        editFileName_->setText(doc_.HasImage() ? documentName_ : QString());
        ShowError(QString::fromStdString(result.error));
        return false;
    }
    doc_.SetListener(this);
    documentName_ = name;

    setWindowTitle(QString::fromLatin1(kVersionTitle));
    showingSlot_ = true;
    memoComment_->clear();
    showingSlot_ = false;
    comboSlotNr_->clear();
    comboListNr_->clear();
    for (const std::string& item : result.items) comboListNr_->addItem(FromFileText(item));

    Ini().IniSetAndStore(QStringLiteral("FileName"), name);
    EnsureSixteenRows();
    setWindowTitle(QStringLiteral("VELMAR - ") + name);
    SetDocumentControlsEnabled(true);
    return true;
}

void TFormMain::EnsureSixteenRows() {
    if (isMaximized() || isFullScreen()) return;
    if (QLayout* l = centralWidget()->layout()) l->activate();
    const int wanted = 16 * ItemPainter::kItemHeight;
    const int missing = wanted - comboSlotNr_->viewport()->height();
    // Growing the window pixel by pixel until the rows fit ends at the same height.
    if (missing > 0) resize(width(), height() + missing);
}

void TFormMain::RunAboutWindow(QWidget* owner) {
    TFormAbout about(Ini(), owner);
    about.exec();
}

void TFormMain::RunOptionsDialog() {
    TFormOptions dialog(Ini(), this);
    connect(&dialog, &TFormOptions::SimilarThresholdChanged, this,
            [this](int percent) { similarThreshold_ = percent; });
    dialog.exec();
}

void TFormMain::ButtonAboutClick() {
    RunAboutWindow(this);
}

void TFormMain::ButtonOptionsClick() {
    RunOptionsDialog();
    ShowSlot(currentSlot_, false);
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TFormMain::FormClose() {
    IniStore& ini = Ini();
    if (currentSetList_ >= 0) ini.IniSetAndStore(QStringLiteral("LastSetList"), currentSetList_);
    if (currentSlot_ >= 0) ini.IniSetAndStore(QStringLiteral("LastSlot"), currentSlot_);
    StopSimilarSearch();
    const QList<int> sizes = splitter_->sizes();
    ini.IniSet(QStringLiteral("ListWidth"), sizes.value(0, 200));
    ini.IniSet(QStringLiteral("SyncWidth"), sizes.value(2, 200));
    ini.IniStoreAll();
    StoreWindowPlacement(ini.Backend(), WindowPlacementPath(), *this);
    timerAutoSave_->stop();
    timerSync_->stop();
}

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    AdjustSlotColumns();
}

void TFormMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TFormMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

}  // namespace velmar
