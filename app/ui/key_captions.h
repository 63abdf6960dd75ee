// Keeps key captions inside their keys: the keys keep their designed size, so a
// long caption ("Backspace", "CosecH-¹", "Sigma x²") gets a narrower font, and a
// smaller one only when narrowing is not enough. The keys of one row share one
// font, so a long caption does not stand out smaller than its neighbours.
#pragma once

#include <QFont>
#include <QList>
#include <QStringList>

class QAbstractButton;

namespace velmor {

// The push button's frame and focus margin take this much of each side.
inline constexpr int kKeyEdge = 3;

struct CaptionRoom {
    QString text;
    int room;  // pixels
};

// The designed font, or the one narrowed (and if need be made smaller) just
// enough for every caption to fit in its room; never below a readable size.
QFont fittedFont(const QList<CaptionRoom>& captions, const QFont& designedFont);
QFont fittedFont(const QStringList& captions, const QFont& designedFont, int width);

// Sets one font on all `buttons`, fitting the caption each carries now in its room.
void fitCaptions(const QList<QAbstractButton*>& buttons, const QList<int>& rooms, const QFont& designedFont);

// Fits the captions the keys of one row carry now, all with one font.
void fitKeyRow(const QList<QAbstractButton*>& row, const QFont& designedFont, int edge = kKeyEdge);

// Sets `caption` on `button` and fits it alone.
void setFittedCaption(QAbstractButton* button, const QString& caption, const QFont& designedFont,
                      int edge = kKeyEdge);

}  // namespace velmor
