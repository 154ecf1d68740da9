#pragma once

#include <QPixmap>

// The eight pictures of the similar-slot grid's marks: a red, a yellow and a green one for the
// name and the comment, a red and a green one for the sound. Drawn at first use.
namespace velmar {

enum class Mark {
    NameRed,
    NameYellow,
    NameGreen,
    CommentRed,
    CommentYellow,
    CommentGreen,
    NoteRed,
    NoteGreen,
};

inline constexpr int kMarkCount = 8;
// The side of a picture in pixels; the buttons around them are 23 x 23.
inline constexpr int kMarkSize = 17;

[[nodiscard]] QPixmap MarkPicture(Mark mark);
// The picture's name ("NameRed", ...), as the hidden picture labels of the main window carry it.
[[nodiscard]] const char* MarkName(Mark mark);

// The mark of one field for a hit's state: 0 different, 1 similar, 2 identical. The sound has
// no "similar": anything but 2 is red.
[[nodiscard]] Mark NameMark(int state);
[[nodiscard]] Mark CommentMark(int state);
[[nodiscard]] Mark SoundMark(int state);

}  // namespace velmar
