#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QTextDocument;
class QTextEdit;

// The comment editor's formatting: the font of each slot display size, FormatComment (every
// blank one size step apart from the other characters), the 512-character limit and the
// umlaut colouring.
namespace velmar {

// The comment font of a size code, and the width of the comment panel.
struct CommentFont {
    QString family;      // "Verdana", "Helvetica" or "Arial"
    int points = 0;      // size of non-blank characters
    int blankDelta = 0;  // blanks are points + blankDelta
    int panelWidth = 0;  // PanelCommentBorder: 675 for M, 772 otherwise
};

// Codes 0 S, 1 XS, 2 M, 3 L, 4 XL. Codes 5..7 (and anything else): nullopt, meaning "keep
// the font of the slot shown before".
[[nodiscard]] std::optional<CommentFont> CommentFontForSizeCode(int code);
// The font in effect before any slot has been shown.
[[nodiscard]] CommentFont StartCommentFont();

inline const QColor kCommentText{192, 192, 192};
inline const QColor kCommentBackground{0, 0, 0};
inline const QColor kUmlautBackground{105, 27, 27};
inline constexpr int kCommentMaxChars = 512;

// Gives the whole text the face, bold style and silver colour of the font, every non-blank
// character font.points and every blank font.points + font.blankDelta. Works run by run
// (a run of blanks or of non-blanks at a time), in one undo step. The editor version keeps
// the editor's selection.
void FormatComment(QTextDocument& document, const CommentFont& font);
void FormatComment(QTextEdit& editor, const CommentFont& font);

// Fills the editor with a slot's comment (ShowSlot): the text in silver on the font of the
// slot, formatted as FormatComment does, the cursor at the start and typing in that font.
void ShowComment(QTextEdit& editor, const QString& text, const CommentFont& font);

// Typing: the point size the next typed character gets (MemoCommentKeyPress). A blank gets
// points + blankDelta; another character points, but only when nothing is selected
// (nullopt: leave the typing size as it is).
[[nodiscard]] std::optional<int> TypingPointSize(QChar typed, bool hasSelection,
                                                 const CommentFont& font);
// A typed character (Backspace included) is discarded once the editor holds 512 or more.
[[nodiscard]] inline bool AcceptsTypedCharacter(int editorLength) {
    return editorLength < kCommentMaxChars;
}
// Cuts the document's text after 512 characters (after a paste). Returns true if it cut.
bool LimitCommentLength(QTextDocument& document);

// One of ä ö ü Ä Ö Ü ß among the first 512 characters.
[[nodiscard]] bool ContainsUmlaut(const QString& text);
// Background of the comment editor when a slot is shown (ShowSlot): dark red when the
// umlaut check is on, the size is neither XS nor S and the text has an umlaut; black when
// the check is on otherwise; nullopt (leave it) when the check is off.
[[nodiscard]] std::optional<QColor> ShowSlotCommentBackground(bool umlautCheck,
                                                              bool smallSizePressed,
                                                              const QString& text);
// After a comment write (SlotCommentWritten): dark red under the same test, else black.
[[nodiscard]] QColor WrittenCommentBackground(bool umlautCheck, bool smallSizePressed,
                                              bool umlautSeen);
// Sets the editor's background colour (its palette base).
void SetCommentBackground(QTextEdit& editor, const QColor& color);

}  // namespace velmar
