#pragma once

// Shared by the printing tests: the printer set-up dialog answered in advance, and the PDF
// tools of poppler-utils that read printed files back.

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <deque>
#include <optional>

#include "platform/Printer.h"

namespace velmar::testing {

// Answers the printer set-up dialog in advance and records what it was shown.
class ScriptedPrintSetup final : public PrintSetupDialog {
  public:
    ScriptedPrintSetup() : previous_(InstallPrintSetup(this)) {}
    ~ScriptedPrintSetup() override { InstallPrintSetup(previous_); }
    ScriptedPrintSetup(const ScriptedPrintSetup&) = delete;
    ScriptedPrintSetup& operator=(const ScriptedPrintSetup&) = delete;

    void Answer(std::optional<PrintDestination> destination) {
        answers_.push_back(std::move(destination));
    }
    std::optional<PrintDestination> Run(QPrinter& printer, const PrintSetupRequest& request,
                                        QWidget*) override {
        requests.push_back(request);
        sheet = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
        pageId = printer.pageLayout().pageSize().id();
        if (answers_.empty()) {
            QTest::qFail("unexpected printer set-up dialog", __FILE__, __LINE__);
            return std::nullopt;
        }
        auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    QList<PrintSetupRequest> requests;
    QSizeF sheet;
    QPageSize::PageSizeId pageId = QPageSize::Custom;

  private:
    PrintSetupDialog* previous_;
    std::deque<std::optional<PrintDestination>> answers_;
};

inline QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        QTest::qFail(qPrintable(program + " failed (poppler-utils come with scripts/deps)"),
                     __FILE__, __LINE__);
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString PdfInfo(const QString& file, const QString& field) {
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                  QRegularExpression::MultilineOption);
    return line.match(Run(QStringLiteral("pdfinfo"), {file})).captured(1).trimmed();
}

// The text of one page (1-based), blanks and line ends folded to single blanks.
inline QString PageText(const QString& file, int page) {
    const QString n = QString::number(page);
    const QString text = Run(QStringLiteral("pdftotext"), {"-f", n, "-l", n, file, "-"});
    return text.simplified();
}

}  // namespace velmar::testing
