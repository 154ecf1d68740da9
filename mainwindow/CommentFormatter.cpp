#include "mainwindow/CommentFormatter.h"

#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <array>

namespace velmar {

namespace {

constexpr int kPanelWidth = 772;
constexpr int kPanelWidthM = 675;

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ');
}

}  // namespace

std::optional<CommentFont> CommentFontForSizeCode(int code) {
    switch (code) {
        case 0:  // S; also every slot whose size was never set
            return CommentFont{QStringLiteral("Verdana"), 10, -1, kPanelWidth};
        case 1:  // XS
            return CommentFont{QStringLiteral("Verdana"), 8, -1, kPanelWidth};
        case 2:  // M
            return CommentFont{QStringLiteral("Helvetica"), 13, -1, kPanelWidthM};
        case 3:  // L
            return CommentFont{QStringLiteral("Arial"), 22, 0, kPanelWidth};
        case 4:  // XL
            return CommentFont{QStringLiteral("Arial"), 48, 0, kPanelWidth};
        default:
            return std::nullopt;
    }
}

CommentFont StartCommentFont() {
    return {QStringLiteral("Arial"), 21, 0, kPanelWidth};
}

void FormatComment(QTextDocument& document, const CommentFont& font) {
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    QTextCharFormat whole;
    whole.setForeground(kCommentText);
    whole.setFontFamilies({font.family});
    whole.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(whole);

    // One merge per run of blanks or non-blanks instead of one per character.
    const QString text = document.toRawText();
    const qsizetype length = document.characterCount() - 1;  // without the final separator
    QTextCharFormat blankSize;
    blankSize.setFontPointSize(font.points + font.blankDelta);
    QTextCharFormat charSize;
    charSize.setFontPointSize(font.points);
    qsizetype start = 0;
    while (start < length) {
        const bool blank = IsBlank(text.at(start));
        qsizetype end = start + 1;
        while (end < length && IsBlank(text.at(end)) == blank) ++end;
        cursor.setPosition(static_cast<int>(start));
        cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(blank ? blankSize : charSize);
        start = end;
    }
    cursor.endEditBlock();
}

void FormatComment(QTextEdit& editor, const CommentFont& font) {
    const QTextCursor kept = editor.textCursor();
    const int anchor = kept.anchor();
    const int position = kept.position();
    FormatComment(*editor.document(), font);
    QTextCursor restored(editor.document());
    restored.setPosition(anchor);
    restored.setPosition(position, QTextCursor::KeepAnchor);
    editor.setTextCursor(restored);
}

void ShowComment(QTextEdit& editor, const QString& text, const CommentFont& font) {
    QFont base(font.family);
    base.setPointSize(font.points);
    base.setBold(true);
    editor.document()->setDefaultFont(base);
    editor.setPlainText(text);
    FormatComment(*editor.document(), font);
    editor.moveCursor(QTextCursor::Start);
    // What the user types next, also into an empty comment.
    QTextCharFormat typing;
    typing.setFontFamilies({font.family});
    typing.setFontPointSize(font.points);
    typing.setFontWeight(QFont::Bold);
    typing.setForeground(kCommentText);
    editor.setCurrentCharFormat(typing);
}

std::optional<int> TypingPointSize(QChar typed, bool hasSelection, const CommentFont& font) {
    if (IsBlank(typed)) return font.points + font.blankDelta;
    if (!hasSelection) return font.points;
    return std::nullopt;
}

bool LimitCommentLength(QTextDocument& document) {
    const int length = document.characterCount() - 1;
    if (length <= kCommentMaxChars) return false;
    QTextCursor cursor(&document);
    cursor.setPosition(kCommentMaxChars);
    cursor.setPosition(length, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    return true;
}

bool ContainsUmlaut(const QString& text) {
    // The code page bytes E4 F6 FC C4 D6 DC DF are the same code points in Unicode.
    static constexpr std::array<char16_t, 7> kUmlauts{u'\u00E4', u'\u00F6', u'\u00FC', u'\u00C4',
                                                      u'\u00D6', u'\u00DC', u'\u00DF'};
    const qsizetype end = std::min<qsizetype>(text.size(), kCommentMaxChars);
    for (qsizetype i = 0; i < end; ++i) {
        const char16_t c = text.at(i).unicode();
        for (char16_t u : kUmlauts)
            if (c == u) return true;
    }
    return false;
}

std::optional<QColor> ShowSlotCommentBackground(bool umlautCheck, bool smallSizePressed,
                                                const QString& text) {
    if (!umlautCheck) return std::nullopt;
    return !smallSizePressed && ContainsUmlaut(text) ? kUmlautBackground : kCommentBackground;
}

QColor WrittenCommentBackground(bool umlautCheck, bool smallSizePressed, bool umlautSeen) {
    return umlautCheck && !smallSizePressed && umlautSeen ? kUmlautBackground : kCommentBackground;
}

void SetCommentBackground(QTextEdit& editor, const QColor& color) {
    QPalette palette = editor.palette();
    palette.setColor(QPalette::Base, color);
    editor.setPalette(palette);
}

}  // namespace velmar
