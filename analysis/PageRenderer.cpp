#include "analysis/PageRenderer.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

#include "analysis/PrintPlan.h"

namespace velmar {

namespace {

// The point size of every character of a block, as the editor shows it.
QList<double> CharacterPoints(const QTextBlock& block, double fallback) {
    QList<double> points(block.length(), fallback);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const double size = fragment.charFormat().fontPointSize();
        const int from = fragment.position() - block.position();
        for (int i = 0; i < fragment.length(); ++i) points[from + i] = size > 0 ? size : fallback;
    }
    return points;
}

}  // namespace

PageRenderer::PageRenderer(QPainter& painter, int pageHeight, std::function<void()> newPage)
    : painter_(painter),
      pageHeight_(pageHeight),
      newPage_(std::move(newPage)),
      points_(kHeadingPoints) {}

int PageRenderer::DotsPerInch() const {
    return painter_.device()->logicalDpiY();
}

void PageRenderer::SetFontName(const QString& face) {
    face_ = face;
}

void PageRenderer::PrintHeading(const QString& name) {
    points_ = kHeadingPoints;
    QFont font(face_);
    font.setBold(true);
    font.setPointSizeF(points_);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter_.device());
    painter_.drawText(QPointF(kPageLeft, kHeadingTop + metrics.ascent()), name);
    y_ = kFirstLineTop;
}

void PageRenderer::AdvanceLine() {
    y_ += LineAdvance(points_, DotsPerInch());
}

void PageRenderer::DrawLine(const QString& characters, const QList<double>& points) {
    // A line that would reach below the page starts the next page at its top.
    if (newPage_ && !characters.isEmpty() && y_ > 0) {
        const double tallest = *std::max_element(points.begin(), points.end());
        if (y_ + LineAdvance(tallest, DotsPerInch()) > pageHeight_) {
            newPage_();
            y_ = kHeadingTop;
        }
    }
    painter_.setPen(Qt::black);
    double x = kPageLeft;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        points_ = points.at(i);
        QFont font(face_);
        font.setBold(true);
        font.setPointSizeF(points_);
        painter_.setFont(font);
        const QFontMetricsF metrics(font, painter_.device());
        const QString character(characters.at(i));
        // Line and paragraph separators end lines in the editor; they leave no mark.
        if (character.at(0).unicode() < 0x20 || character.at(0) == QChar::LineSeparator ||
            character.at(0) == QChar::ParagraphSeparator)
            continue;
        painter_.drawText(QPointF(x, y_ + metrics.ascent()), character);
        x += metrics.horizontalAdvance(character);
    }
}

void PageRenderer::PrintComment(const QTextDocument& editorDocument) {
    const double fallback = editorDocument.defaultFont().pointSizeF();
    // Makes sure every block has been laid out at the editor's width.
    (void)editorDocument.documentLayout()->documentSize();
    for (QTextBlock block = editorDocument.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const QString text = block.text();
        const QList<double> points = CharacterPoints(block, fallback);
        const int lines = layout != nullptr ? layout->lineCount() : 0;
        if (lines == 0) {  // not laid out (a hidden editor): the whole block is one line
            AdvanceLine();
            DrawLine(text, points.mid(0, text.size()));
            continue;
        }
        for (int i = 0; i < lines; ++i) {
            const QTextLine line = layout->lineAt(i);
            AdvanceLine();
            DrawLine(text.mid(line.textStart(), line.textLength()),
                     points.mid(line.textStart(), line.textLength()));
        }
    }
    AdvanceLine();
}

}  // namespace velmar
