// "Print Selected" (Ctrl+P): the selected slots of the set list shown as large-type pages for
// the music stand, on a printer or into PDF files.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTextDocument>
#include <array>
#include <optional>

#include "analysis/PageRenderer.h"
#include "analysis/PrintPlan.h"
#include "document/Cp1252.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "platform/Messages.h"
#include "platform/Printer.h"

namespace velmar {

void TFormMain::RegisterPrinting() {
    EnableCommand(QStringLiteral("PrintClick"));
}

void TFormMain::PrintClick() {
    if (!Doc().HasImage()) return;
    const int jobAnswer = AskYesNoCancel(QString::fromLatin1(kAskJobPerSlot), kAppCaption);
    if (jobAnswer == kAnswerCancel) return;
    const int mergeAnswer = AskYesNoCancel(QString::fromLatin1(kAskMergeSlots), kAppCaption);
    if (mergeAnswer == kAnswerCancel) return;
    const bool jobPerPage = jobAnswer == kAnswerYes;

    // The comment being edited is printed (and compared) as the user sees it.
    MemoCommentExit();
    const int list = CurrentSetList();
    std::array<bool, kSlotCount> selected{};
    for (int s = 0; s < kSlotCount; ++s) selected[s] = ComboSlotNr()->IsSelected(s);
    const std::vector<PrintEntry> plan =
        PlanPrint(PrintCandidates(Doc(), list, selected), mergeAnswer == kAnswerYes);
    // Selected slots without a name print nothing: no dialog, no empty job.
    if (PageGroups(plan).empty()) return;

    const QString listName = FromFileText(Doc().GetListName(list));
    TPrinter printer;
    if (!printer.Setup({listName, jobPerPage}, this)) return;

    std::optional<PageRenderer> page;
    auto beginJob = [&]() {
        if (const std::optional<QString> error = printer.BeginDoc()) {
            ShowError(*error);
            return false;
        }
        page.emplace(printer.Canvas(), printer.PageHeight(), [&printer] { printer.NewPage(); });
        return true;
    };
    if (!jobPerPage) {
        printer.SetTitle(listName);
        if (!beginJob()) return;
    }
    bool first = true;
    for (const PrintEntry& entry : plan) {
        if (entry.placement == PrintPlacement::Skipped) continue;
        const bool merged = entry.placement == PrintPlacement::Merged;
        // The comment editor lays the comment out; the page copies its lines.
        ShowSlot(entry.slot, false);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const std::string nameBytes = Doc().GetSlotName(list, entry.slot);
        printer.SetTitle(QString::fromStdString(Cp1252ToUtf8(ItemText(entry.slot, nameBytes))));
        if (!merged) {
            if (!first) {
                if (jobPerPage)
                    printer.EndDoc();
                else
                    printer.NewPage();
            }
            if (jobPerPage && !beginJob()) return;
            first = false;
        }
        page->SetFontName(CommentFontName());
        if (!merged) page->PrintHeading(FromFileText(nameBytes));
        page->PrintComment(*MemoComment()->document());
    }
    printer.EndDoc();
}

}  // namespace velmar
