#include "platform/Printer.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "analysis/PrintPlan.h"
#include "platform/FileDialogs.h"

namespace velmar {
namespace {

QString DocumentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? QDir::homePath() : folder;
}

// Without a printer the pages can still become PDF files for a tablet on the music stand.
std::optional<PrintDestination> ChoosePdf(const PrintSetupRequest& request, QWidget* parent) {
    if (request.jobPerPage) {
        const QString folder = QFileDialog::getExistingDirectory(
            parent, QStringLiteral("Print to PDF: folder for one file per slot"),
            DocumentsFolder());
        if (folder.isEmpty()) return std::nullopt;
        return PrintDestination{PrintDestination::Kind::PdfFolder, folder};
    }
    FileDialogRequest save;
    save.caption = QStringLiteral("Print to PDF");
    save.initialPath = QDir(DocumentsFolder())
                           .filePath(QString::fromStdString(
                               PdfFileNameForTitle(request.documentName.toStdString())));
    save.filter = QStringLiteral("PDF files (*.pdf)|*.pdf");
    save.defaultExtension = QStringLiteral("pdf");
    const std::optional<QString> file = Dialogs().SaveFileName(save);
    if (!file) return std::nullopt;
    return PrintDestination{PrintDestination::Kind::PdfFile, *file};
}

class RealPrintSetup final : public PrintSetupDialog {
  public:
    std::optional<PrintDestination> Run(QPrinter& printer, const PrintSetupRequest& request,
                                        QWidget* parent) override {
        if (QPrinterInfo::availablePrinterNames().isEmpty()) return ChoosePdf(request, parent);
        // The dialog also offers printing into a PDF file.
        printer.setOutputFileName(QDir(DocumentsFolder())
                                      .filePath(QString::fromStdString(PdfFileNameForTitle(
                                          request.documentName.toStdString()))));
        printer.setOutputFormat(QPrinter::NativeFormat);
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Print Selected"));
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
            return PrintDestination{};
        if (request.jobPerPage) {
            return PrintDestination{PrintDestination::Kind::PdfFolder,
                                    QFileInfo(printer.outputFileName()).absolutePath()};
        }
        return PrintDestination{PrintDestination::Kind::PdfFile, printer.outputFileName()};
    }
};

PrintSetupDialog* installed = nullptr;

}  // namespace

PrintSetupDialog& PrintSetup() {
    static RealPrintSetup real;
    return installed != nullptr ? *installed : real;
}

PrintSetupDialog* InstallPrintSetup(PrintSetupDialog* dialog) {
    PrintSetupDialog* previous = installed;
    installed = dialog;
    return previous;
}

TPrinter::TPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

TPrinter::~TPrinter() {
    if (printing_) EndDoc();
}

bool TPrinter::Setup(const PrintSetupRequest& request, QWidget* parent) {
    printer_->setPageSize(QPageSize(QPageSize::DoublePostcard));
    printer_->setPageOrientation(QPageLayout::Landscape);
    // The double postcard is listed as 200 x 148 mm, already wider than tall, so turning it
    // stands it upright; the sheet meant here lies on its long side.
    const QSizeF sheet = printer_->pageLayout().fullRect(QPageLayout::Millimeter).size();
    if (sheet.height() > sheet.width()) printer_->setPageOrientation(QPageLayout::Portrait);

    const std::optional<PrintDestination> chosen = PrintSetup().Run(*printer_, request, parent);
    if (!chosen) return false;
    destination_ = *chosen;
    if (destination_.kind == PrintDestination::Kind::Printer) {
        printer_->setOutputFileName({});
        printer_->setOutputFormat(QPrinter::NativeFormat);
    } else {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setResolution(kPdfResolution);
    }
    return true;
}

std::optional<QString> TPrinter::BeginDoc() {
    if (printing_) EndDoc();
    QString file;
    if (destination_.kind == PrintDestination::Kind::PdfFile) {
        file = destination_.path;
    } else if (destination_.kind == PrintDestination::Kind::PdfFolder) {
        file = QDir(destination_.path)
                   .filePath(QString::fromStdString(PdfFileNameForTitle(title_.toStdString())));
    }
    if (!file.isEmpty()) printer_->setOutputFileName(file);
    printer_->setDocName(title_);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        return file.isEmpty()
                   ? QStringLiteral("Cannot print on %1").arg(printer_->printerName())
                   : QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(file));
    }
    printing_ = true;
    if (!file.isEmpty()) written_ << file;
    return std::nullopt;
}

void TPrinter::NewPage() {
    if (printing_) printer_->newPage();
}

void TPrinter::EndDoc() {
    if (!printing_) return;
    painter_->end();
    painter_.reset();
    printing_ = false;
}

QPainter& TPrinter::Canvas() {
    return *painter_;
}

int TPrinter::PageHeight() const {
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).height();
}

}  // namespace velmar
