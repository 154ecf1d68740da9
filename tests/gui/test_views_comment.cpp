// The comment editor's formatting: FormatComment against the plain character-by-character
// rule, the fonts of the size codes, typing sizes, the 512-character limit and the umlaut
// colouring.
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include "mainwindow/CommentFormatter.h"

using namespace velmar;

namespace {

// The rule as stated: face, style and colour on the whole text, then every character
// selected on its own and given its size.
void ReferenceFormat(QTextDocument& document, const CommentFont& font) {
    QTextCursor cursor(&document);
    cursor.select(QTextCursor::Document);
    QTextCharFormat whole;
    whole.setForeground(kCommentText);
    whole.setFontFamilies({font.family});
    whole.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(whole);
    for (int p = 0; p < document.characterCount() - 1; ++p) {
        const bool blank = document.characterAt(p) == QLatin1Char(' ');
        const int wanted = blank ? font.points + font.blankDelta : font.points;
        cursor.setPosition(p);
        cursor.setPosition(p + 1, QTextCursor::KeepAnchor);
        // Setting a size a character already has changes nothing, so no test first (the
        // cursor's format query misreports block separators anyway).
        QTextCharFormat size;
        size.setFontPointSize(wanted);
        cursor.mergeCharFormat(size);
    }
}

// Every character with the properties FormatComment sets, fragment by fragment.
QStringList Describe(const QTextDocument& document) {
    QStringList out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            for (QChar c : fragment.text()) {
                out << QStringLiteral("%1|%2|%3|%4|%5")
                           .arg(c)
                           .arg(f.fontPointSize())
                           .arg(f.fontFamilies().toStringList().join(QLatin1Char(',')))
                           .arg(f.fontWeight())
                           .arg(f.foreground().color().name());
            }
        }
        out << QStringLiteral("<block %1>").arg(block.charFormat().fontPointSize());
    }
    return out;
}

QString RandomComment(QRandomGenerator& random, int length) {
    static const QString pieces[] = {
        QStringLiteral(" "),
        QStringLiteral("   "),
        QStringLiteral("Piano"),
        QStringLiteral("\n"),
        QStringLiteral("Gr\u00FC\u00DFe"),
        QStringLiteral("C#m7"),
        QStringLiteral("\u00A0"),
        QStringLiteral("x"),
        QStringLiteral("  \n  "),
    };
    QString text;
    while (text.size() < length)
        text += pieces[random.bounded(static_cast<int>(std::size(pieces)))];
    return text.left(length);
}

// Text with some sizes already set, as after typing or a paste.
void FillWithMixedSizes(QTextDocument& document, const QString& text, QRandomGenerator& random) {
    QTextCursor cursor(&document);
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype run = 1 + random.bounded(12);
        QTextCharFormat format;
        format.setFontPointSize(6 + random.bounded(50));
        cursor.insertText(text.mid(pos, run), format);
        pos += run;
    }
}

}  // namespace

class TestComment : public QObject {
    Q_OBJECT
  private slots:
    void formatMatchesCharacterRule_data();
    void formatMatchesCharacterRule();
    void formatKeepsSelection();
    void showCommentFormatsAndTypes();
    void fontPerSizeCode_data();
    void fontPerSizeCode();
    void typingSize_data();
    void typingSize();
    void lengthLimit();
    void umlautColouring_data();
    void umlautColouring();
};

void TestComment::formatMatchesCharacterRule_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("length");
    QTest::addColumn<quint32>("seed");
    for (int code = 0; code <= 4; ++code) {
        QTest::addRow("code %d, 512 chars", code) << code << 512 << quint32(100 + code);
        QTest::addRow("code %d, 37 chars", code) << code << 37 << quint32(200 + code);
    }
    QTest::newRow("empty") << 4 << 0 << quint32(1);
    QTest::newRow("one blank") << 0 << 1 << quint32(7);
}

void TestComment::formatMatchesCharacterRule() {
    QFETCH(int, code);
    QFETCH(int, length);
    QFETCH(quint32, seed);
    const CommentFont font = CommentFontForSizeCode(code).value();
    for (int round = 0; round < 3; ++round) {
        QRandomGenerator random(seed * 31 + round);
        const QString text = length == 1 ? QStringLiteral(" ") : RandomComment(random, length);
        QTextDocument fast;
        QTextDocument reference;
        QRandomGenerator sizes(seed + round);
        FillWithMixedSizes(fast, text, sizes);
        QRandomGenerator sameSizes(seed + round);
        FillWithMixedSizes(reference, text, sameSizes);
        QCOMPARE(Describe(fast), Describe(reference));  // same starting point

        FormatComment(fast, font);
        ReferenceFormat(reference, font);
        QCOMPARE(fast.toRawText(), reference.toRawText());
        QCOMPARE(Describe(fast), Describe(reference));
        // And what the rule promises, stated directly.
        for (int p = 0; p < fast.characterCount() - 1; ++p) {
            // A cursor after a block separator reports the next block's first character.
            if (fast.characterAt(p) == QChar::ParagraphSeparator) continue;
            QTextCursor c(&fast);
            c.setPosition(p);
            c.setPosition(p + 1, QTextCursor::KeepAnchor);
            const int wanted = fast.characterAt(p) == QLatin1Char(' ')
                                   ? font.points + font.blankDelta
                                   : font.points;
            QCOMPARE(static_cast<int>(c.charFormat().fontPointSize()), wanted);
        }
    }
}

void TestComment::formatKeepsSelection() {
    QTextEdit editor;
    editor.setPlainText(QStringLiteral("Intro  Verse Chorus   Outro"));
    QTextCursor selection(editor.document());
    selection.setPosition(12);
    selection.setPosition(5, QTextCursor::KeepAnchor);
    editor.setTextCursor(selection);
    FormatComment(editor, CommentFontForSizeCode(3).value());
    QCOMPARE(editor.textCursor().anchor(), 12);
    QCOMPARE(editor.textCursor().position(), 5);
    QCOMPARE(editor.toPlainText(), QStringLiteral("Intro  Verse Chorus   Outro"));
}

void TestComment::showCommentFormatsAndTypes() {
    QTextEdit editor;
    const CommentFont xl = CommentFontForSizeCode(4).value();
    const CommentFont s = CommentFontForSizeCode(0).value();
    ShowComment(editor, QStringLiteral("old  text"), xl);
    const QString comment = QStringLiteral("Gr\u00FC\u00DFe  an\nalle ");
    ShowComment(editor, comment, s);
    QCOMPARE(editor.toPlainText(), comment);
    QTextDocument reference;
    reference.setPlainText(comment);
    ReferenceFormat(reference, s);
    QCOMPARE(Describe(*editor.document()), Describe(reference));
    QCOMPARE(editor.textCursor().position(), 0);
    QCOMPARE(static_cast<int>(editor.currentCharFormat().fontPointSize()), s.points);
    QCOMPARE(editor.currentCharFormat().foreground().color(), kCommentText);
    // An empty comment types in the slot's font too.
    ShowComment(editor, QString(), xl);
    QTest::keyClicks(&editor, QStringLiteral("Hi"));
    QTextCursor typed(editor.document());
    typed.setPosition(2);
    QCOMPARE(static_cast<int>(typed.charFormat().fontPointSize()), xl.points);
    QCOMPARE(typed.charFormat().fontFamilies().toStringList(), QStringList{xl.family});
}

void TestComment::fontPerSizeCode_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("blankDelta");
    QTest::addColumn<int>("panelWidth");
    QTest::newRow("S (and never set)") << 0 << true << "Verdana" << 10 << -1 << 772;
    QTest::newRow("XS") << 1 << true << "Verdana" << 8 << -1 << 772;
    QTest::newRow("M") << 2 << true << "Helvetica" << 13 << -1 << 675;
    QTest::newRow("L") << 3 << true << "Arial" << 22 << 0 << 772;
    QTest::newRow("XL") << 4 << true << "Arial" << 48 << 0 << 772;
    for (int code : {5, 6, 7, -1})
        QTest::addRow("code %d keeps the previous font", code)
            << code << false << "" << 0 << 0 << 0;
}

void TestComment::fontPerSizeCode() {
    QFETCH(int, code);
    QFETCH(bool, known);
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(int, blankDelta);
    QFETCH(int, panelWidth);
    const std::optional<CommentFont> font = CommentFontForSizeCode(code);
    QCOMPARE(font.has_value(), known);
    if (!known) return;
    QCOMPARE(font->family, family);
    QCOMPARE(font->points, points);
    QCOMPARE(font->blankDelta, blankDelta);
    QCOMPARE(font->panelWidth, panelWidth);
}

void TestComment::typingSize_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<bool>("selection");
    QTest::addColumn<int>("expected");  // -1: unchanged
    QTest::newRow("blank, S") << 0 << QChar(' ') << false << 9;
    QTest::newRow("blank with selection, M") << 2 << QChar(' ') << true << 12;
    QTest::newRow("blank, XL") << 4 << QChar(' ') << false << 48;
    QTest::newRow("letter, L") << 3 << QChar('a') << false << 22;
    QTest::newRow("letter with selection") << 3 << QChar('a') << true << -1;
}

void TestComment::typingSize() {
    QFETCH(int, code);
    QFETCH(QChar, typed);
    QFETCH(bool, selection);
    QFETCH(int, expected);
    const std::optional<int> size =
        TypingPointSize(typed, selection, CommentFontForSizeCode(code).value());
    QCOMPARE(size.value_or(-1), expected);
}

void TestComment::lengthLimit() {
    QVERIFY(AcceptsTypedCharacter(511));
    QVERIFY(!AcceptsTypedCharacter(512));
    QVERIFY(!AcceptsTypedCharacter(600));

    QTextDocument document;
    document.setPlainText(QString(600, QLatin1Char('a')));
    QVERIFY(LimitCommentLength(document));
    QCOMPARE(document.toPlainText().size(), 512);
    QVERIFY(!LimitCommentLength(document));
    document.setPlainText(QString(300, QLatin1Char('b')) + QLatin1Char('\n') +
                          QString(300, QLatin1Char('c')));
    QVERIFY(LimitCommentLength(document));
    QCOMPARE(document.characterCount() - 1, 512);
    QVERIFY(document.toPlainText().startsWith(QString(300, QLatin1Char('b')) + '\n'));
}

void TestComment::umlautColouring_data() {
    QTest::addColumn<bool>("check");
    QTest::addColumn<bool>("small");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");    // background at ShowSlot, "" = unchanged
    QTest::addColumn<QString>("written");  // background after a comment write
    const QString red = kUmlautBackground.name();
    const QString black = kCommentBackground.name();
    QTest::newRow("L with \u00E4") << true << false << QStringLiteral("K\u00E4se") << red << red;
    QTest::newRow("L with \u00DF") << true << false << QStringLiteral("Stra\u00DFe") << red << red;
    QTest::newRow("S with \u00E4") << true << true << QStringLiteral("K\u00E4se") << black << black;
    QTest::newRow("L without") << true << false << QStringLiteral("Cheese") << black << black;
    QTest::newRow("check off") << false << false << QStringLiteral("K\u00E4se") << "" << black;
    QTest::newRow("umlaut at 511")
        << true << false << QString(511, QLatin1Char('x')) + QStringLiteral("\u00D6") << red << red;
    QTest::newRow("umlaut at 512 counts not")
        << true << false << QString(512, QLatin1Char('x')) + QStringLiteral("\u00DC") << black
        << black;
}

void TestComment::umlautColouring() {
    QFETCH(bool, check);
    QFETCH(bool, small);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, written);
    const std::optional<QColor> atShow = ShowSlotCommentBackground(check, small, text);
    QCOMPARE(atShow ? atShow->name() : QString(), shown);
    // The document reports whether it saw an umlaut in what it stored (its first 512 bytes).
    QCOMPARE(WrittenCommentBackground(check, small, ContainsUmlaut(text)).name(), written);
}

QTEST_MAIN(TestComment)
#include "test_views_comment.moc"
