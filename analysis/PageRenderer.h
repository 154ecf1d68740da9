#pragma once

#include <QString>
#include <functional>

class QPainter;
class QTextDocument;

// Draws large-type slot pages on any painter (a printer, a PDF file, a picture), in the
// device units of the painter's device: the slot name as heading, then the comment line by
// line as the comment editor lays it out, each character in the size it has there.
namespace velmar {

class PageRenderer {
  public:
    // `pageHeight`: the printable height; a line that would reach below it goes onto a fresh
    // page through `newPage` (without one, lines below the page are cut off by the device).
    PageRenderer(QPainter& painter, int pageHeight, std::function<void()> newPage = {});

    // The face of everything printed next, bold.
    void SetFontName(const QString& face);
    // The heading at the top left in 30 points; the comment continues below it.
    void PrintHeading(const QString& name);
    // The comment's display lines, then one further empty line, so that a merged slot's
    // comment follows with a line's gap.
    void PrintComment(const QTextDocument& editorDocument);

    [[nodiscard]] int Y() const { return y_; }
    [[nodiscard]] double CurrentPoints() const { return points_; }

  private:
    void AdvanceLine();
    void DrawLine(const QString& characters, const QList<double>& points);
    [[nodiscard]] int DotsPerInch() const;

    QPainter& painter_;
    int pageHeight_;
    std::function<void()> newPage_;
    QString face_;
    double points_;
    int y_ = 0;
};

}  // namespace velmar
