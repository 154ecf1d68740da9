// The slot page itself: heading, the comment editor's display lines, every character in its
// editor size, the line advance of the current font, and a picture of a page to look at.

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "analysis/PageRenderer.h"
#include "analysis/PrintPlan.h"
#include "mainwindow/CommentFormatter.h"
#include "mainwindow/MainControls.h"
#include "test_mainwindow_fixture.h"
#include "test_print_support.h"
#include "tests/gui/support/ScriptedMessages.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

constexpr int kDpi = 300;

struct Drawn {
    QString text;
    double points;
    QPointF baseline;
};

// A page of 200 x 148 mm at 300 dpi that records every text drawn on it.
class RecordingEngine final : public QPaintEngine {
  public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        drawn.push_back({item.text(), item.font().pointSizeF(), p});
    }
    Type type() const override { return QPaintEngine::User; }
    QList<Drawn> drawn;
};

class RecordingPage final : public QPaintDevice {
  public:
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;

  protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return 2362;
            case PdmHeight:
                return 1748;
            case PdmWidthMM:
                return 200;
            case PdmHeightMM:
                return 148;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return kDpi;
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return 1 << 24;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return 0;
        }
    }
};

// The editor's display lines, as its layout wrapped them.
QStringList EditorLines(const QTextDocument& document) {
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            const QTextLine line = block.layout()->lineAt(i);
            lines << block.text().mid(line.textStart(), line.textLength());
        }
    }
    return lines;
}

double Ascent(const QString& face, double points, QPaintDevice& device) {
    QFont font(face);
    font.setBold(true);
    font.setPointSizeF(points);
    return QFontMetricsF(font, &device).ascent();
}

double EditorPoints(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);  // the format of the character before the cursor
    return cursor.charFormat().fontPointSize();
}

const char* const kLongComment =
    "Intro 4 bars pad only, then Verse 1 with the left hand split low and the strings coming "
    "in at bar 9, keep the volume pedal half way down until the bridge, watch the singer for "
    "the break.\r\nChorus: Am F C G  (twice)\r\n\r\nEnd on the fermata, cue the drums.";

}  // namespace

class TestPrintRender : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void pageFollowsTheEditor_data();
    void pageFollowsTheEditor();
    void pictureOfAPage();

  private:
    QTemporaryDir dir_;
    QString pcg_;
};

void TestPrintRender::initTestCase() {
    UseTestLocations();
    QVERIFY(dir_.isValid());
    fixtures::PcgOptions options;
    options.blank = true;
    fixtures::PcgImage image = fixtures::GeneratePcg(options);
    for (int code = 0; code <= 4; ++code) {
        fixtures::PutSlotName(image, 0, code, "Long Song " + std::to_string(code));
        fixtures::PutSlotComment(image, 0, code, kLongComment);
        fixtures::PutFontSize(image, 0, code, code);
    }
    // A variant of slot 3 that merges onto its page.
    fixtures::PutSlotName(image, 0, 5, "Long Song 5");
    fixtures::PutSlotComment(image, 0, 5, "Solo: 8 bars over Dm7 G7\r\nLast chorus up a tone");
    fixtures::PutFontSize(image, 0, 5, 3);
    fixtures::FixChecksum(image);
    pcg_ = WritePcg(dir_.filePath("render.pcg"), image);
}

void TestPrintRender::pageFollowsTheEditor_data() {
    QTest::addColumn<int>("code");
    for (int code = 0; code <= 4; ++code) QTest::addRow("size code %d", code) << code;
}

void TestPrintRender::pageFollowsTheEditor() {
    QFETCH(int, code);
    MemorySettings settings;
    auto form = StartWindow({pcg_});
    form->ShowSlot(code, true);
    QApplication::processEvents();
    const QTextDocument& editor = *form->MemoComment()->document();
    const QStringList lines = EditorLines(editor);
    QVERIFY2(lines.size() > 4, "the long line wraps in the editor");

    RecordingPage page;
    QPainter painter(&page);
    PageRenderer renderer(painter, page.height());
    renderer.SetFontName(form->CommentFontName());
    renderer.PrintHeading(QStringLiteral("Long Song"));
    renderer.PrintComment(editor);
    painter.end();
    const QList<Drawn>& drawn = page.engine.drawn;

    // The heading in 30 points at the top left.
    QVERIFY(!drawn.isEmpty());
    QCOMPARE(drawn[0].text, QString("Long Song"));
    QCOMPARE(drawn[0].points, 30.0);
    QCOMPARE(drawn[0].baseline.x(), double(kPageLeft));

    // Then one character at a time, in the editor's size, line by line as the editor shows,
    // each line's top one font height plus the gap below the one before, the font being the
    // one last printed (30 points after the heading).
    struct PrintedLine {
        QString text;
        double top = 0;
        double lastPoints = 0;
    };
    QList<PrintedLine> printed;
    int position = 0;  // in the editor's text
    const QString text = editor.toPlainText();
    for (qsizetype i = 1; i < drawn.size(); ++i) {
        const Drawn& d = drawn[i];
        QCOMPARE(d.text.size(), 1);
        while (text.at(position) == QLatin1Char('\n')) ++position;
        QCOMPARE(d.text.at(0), text.at(position));
        QCOMPARE(d.points, EditorPoints(editor, position));
        const double top = d.baseline.y() - Ascent(form->CommentFontName(), d.points, page);
        if (printed.isEmpty() || d.baseline.x() <= drawn[i - 1].baseline.x()) {
            QCOMPARE(d.baseline.x(), double(kPageLeft));
            printed.push_back({QString(), top, 0});
        }
        QVERIFY(qAbs(printed.back().top - top) < 0.01);
        printed.back().text += d.text;
        printed.back().lastPoints = d.points;
        ++position;
    }
    double y = kFirstLineTop;
    double points = kHeadingPoints;
    qsizetype next = 0;
    for (const QString& line : lines) {
        y += LineAdvance(points, kDpi);
        if (line.isEmpty()) continue;
        QVERIFY(next < printed.size());
        QCOMPARE(printed[next].text, line);
        QVERIFY2(qAbs(printed[next].top - y) < 0.01, qPrintable(QString::number(next)));
        points = printed[next].lastPoints;
        ++next;
    }
    QCOMPARE(next, printed.size());
    QCOMPARE(renderer.Y(), int(y) + LineAdvance(points, kDpi));  // one more line after the text
    // Blanks are a point smaller for S, XS and M.
    const CommentFont font = *CommentFontForSizeCode(code);
    QCOMPARE(EditorPoints(editor, 5), double(font.points + font.blankDelta));  // "Intro 4"
}

void TestPrintRender::pictureOfAPage() {
    // The whole way a musician takes: Ctrl+P on a slot of size L and its merged variant, one
    // PDF file, turned into a picture under the build folder to look at.
    MemorySettings settings;
    ScriptedMessages boxes;
    ScriptedPrintSetup setup;
    boxes.AnswerYesNoCancel(kAnswerNo).AnswerYesNoCancel(kAnswerYes);
    const QString base = QCoreApplication::applicationDirPath() + "/print-page";
    QFile::remove(base + ".pdf");
    QFile::remove(base + ".png");
    setup.Answer(PrintDestination{PrintDestination::Kind::PdfFile, base + ".pdf"});
    auto form = StartWindow({pcg_});
    form->ComboSlotNr()->clearSelection();
    form->ComboSlotNr()->SetSelected(3, true);
    form->ComboSlotNr()->SetSelected(5, true);
    PressKey(form->ComboSlotNr(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(PdfInfo(base + ".pdf", "Pages").toInt(), 1);
    Run(QStringLiteral("pdftoppm"), {"-png", "-r", "100", "-singlefile", base + ".pdf", base});
    const QImage image(base + ".png");
    // 200 x 148 mm at 100 dpi, lying on its long side.
    QVERIFY(qAbs(image.width() - 787) <= 1 && qAbs(image.height() - 583) <= 1);
    qInfo("page picture: %s.png", qPrintable(base));

    auto inkIn = [&](QRect r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qGray(image.pixel(x, y)) < 128) return true;
        return false;
    };
    QVERIFY(inkIn({10, 5, 200, 50}));                              // the heading
    QVERIFY(!inkIn({0, 0, 8, image.height()}));                    // a margin on the left
    QVERIFY(!inkIn({0, image.height() - 40, image.width(), 40}));  // room below the text
}

QTEST_MAIN(TestPrintRender)
#include "test_print_render.moc"
