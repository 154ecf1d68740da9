#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QPainter;
class QPrinter;
class QWidget;

// The printer of a print command: the page set-up (landscape double postcard), the printer
// set-up dialog, jobs with titles and pages, and printing into PDF files, either one file for
// the whole job or, with a job per page group, one file per job named after its title. The
// dialog sits behind a hook so that tests print to PDF without any window.
namespace velmar {

struct PrintDestination {
    enum class Kind {
        Printer,    // the printer chosen in the dialog
        PdfFile,    // every job into this one file
        PdfFolder,  // every job into a file of its own in this folder, named after its title
    };
    Kind kind = Kind::Printer;
    QString path;
};

struct PrintSetupRequest {
    QString documentName;     // suggests the PDF file name of a single job
    bool jobPerPage = false;  // each job is its own file when printing to PDF
};

class PrintSetupDialog {
  public:
    virtual ~PrintSetupDialog() = default;
    // Shows the set-up for `printer`, which already carries the page set-up; the user may
    // change printer, paper and orientation there. nullopt: the user cancelled.
    [[nodiscard]] virtual std::optional<PrintDestination> Run(QPrinter& printer,
                                                              const PrintSetupRequest& request,
                                                              QWidget* parent) = 0;
};

// The dialog in use: the printer dialog, or straight to PDF when no printer is installed;
// tests install their own. Returns what was installed before (nullptr: the real one).
[[nodiscard]] PrintSetupDialog& PrintSetup();
PrintSetupDialog* InstallPrintSetup(PrintSetupDialog* dialog);

// Resolution of PDF output: the device units of the page layout are those of a 300 dpi printer.
inline constexpr int kPdfResolution = 300;

class TPrinter {
  public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // Landscape double postcard (200 x 148 mm), then the set-up dialog. False: cancelled.
    bool Setup(const PrintSetupRequest& request, QWidget* parent);
    // The title of the next job (a job already begun keeps its title).
    void SetTitle(const QString& title) { title_ = title; }
    // Begins a job; on failure the text to show ("Cannot create file <path>").
    [[nodiscard]] std::optional<QString> BeginDoc();
    void NewPage();
    void EndDoc();
    [[nodiscard]] bool Printing() const { return printing_; }
    // The canvas of the job being printed; origin at the top left of the printable area.
    [[nodiscard]] QPainter& Canvas();
    // Height of the printable area in device units.
    [[nodiscard]] int PageHeight() const;
    [[nodiscard]] QPrinter& Device() { return *printer_; }
    // The PDF files the jobs so far went into.
    [[nodiscard]] const QStringList& WrittenFiles() const { return written_; }

  private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    PrintDestination destination_;
    QString title_;
    bool printing_ = false;
    QStringList written_;
};

}  // namespace velmar
