#include "analysis/MarkPictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <array>

namespace velmar {

namespace {

enum class Shape { Name, Comment, Note };

struct MarkInfo {
    const char* name;
    Shape shape;
    QRgb colour;
};

constexpr QRgb kRed = qRgb(230, 48, 48);
constexpr QRgb kYellow = qRgb(250, 226, 40);
constexpr QRgb kGreen = qRgb(64, 200, 72);

constexpr std::array<MarkInfo, kMarkCount> kMarks{{
    {"NameRed", Shape::Name, kRed},
    {"NameYellow", Shape::Name, kYellow},
    {"NameGreen", Shape::Name, kGreen},
    {"CommentRed", Shape::Comment, kRed},
    {"CommentYellow", Shape::Comment, kYellow},
    {"CommentGreen", Shape::Comment, kGreen},
    {"NoteRed", Shape::Note, kRed},
    {"NoteGreen", Shape::Note, kGreen},
}};

const MarkInfo& Info(Mark mark) {
    return kMarks[static_cast<std::size_t>(mark)];
}

// A name tag: a rounded card with a capital letter on it.
void DrawName(QPainter& p, const QColor& colour) {
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1.5, 2.5, 14, 12), 2.5, 2.5);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(1.5, 2.5, 14, 12), Qt::AlignCenter, QStringLiteral("A"));
}

// A speech bubble with two lines of text.
void DrawComment(QPainter& p, const QColor& colour) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(1.5, 1.5, 14, 10), 3, 3);
    QPainterPath tail;
    tail.moveTo(4.5, 10.5);
    tail.lineTo(4.5, 15.5);
    tail.lineTo(9.5, 10.5);
    tail.closeSubpath();
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawPath(bubble.united(tail));
    p.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.5, 5), QPointF(12.5, 5));
    p.drawLine(QPointF(4.5, 8), QPointF(10, 8));
}

// An eighth note.
void DrawNote(QPainter& p, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.save();
    p.translate(6, 13);
    p.rotate(-25);
    p.drawEllipse(QRectF(-3.6, -2.6, 7.2, 5.2));
    p.restore();
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(8.8, 12), QPointF(8.8, 1.5));
    QPainterPath flag;
    flag.moveTo(8.8, 1.5);
    flag.cubicTo(10, 5, 14.5, 5.5, 13, 10.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flag);
}

QPixmap Draw(const MarkInfo& info) {
    QPixmap pixmap(kMarkSize, kMarkSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = QColor::fromRgb(info.colour);
    switch (info.shape) {
        case Shape::Name:
            DrawName(p, colour);
            break;
        case Shape::Comment:
            DrawComment(p, colour);
            break;
        case Shape::Note:
            DrawNote(p, colour);
            break;
    }
    return pixmap;
}

}  // namespace

QPixmap MarkPicture(Mark mark) {
    // The application's pixmap cache, not a static: pixmaps must not outlive the application.
    const QString key = QStringLiteral("velmar-mark-") + QLatin1String(Info(mark).name);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = Draw(Info(mark));
        QPixmapCache::insert(key, picture);
    }
    return picture;
}

const char* MarkName(Mark mark) {
    return Info(mark).name;
}

Mark NameMark(int state) {
    return state == 2 ? Mark::NameGreen : state == 1 ? Mark::NameYellow : Mark::NameRed;
}

Mark CommentMark(int state) {
    return state == 2 ? Mark::CommentGreen : state == 1 ? Mark::CommentYellow : Mark::CommentRed;
}

Mark SoundMark(int state) {
    return state == 2 ? Mark::NoteGreen : Mark::NoteRed;
}

}  // namespace velmar
