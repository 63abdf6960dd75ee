#include "app/ui/key_captions.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace velmor {
namespace {

// Narrower than this and the letters of the serif faces start to run together.
constexpr int kNarrowestStretch = 80;
// Five-percent steps: the long captions land on a few widths, which share font engines.
constexpr int kStretchStep = 5;
constexpr qreal kSmallestPointSize = 7.5;
constexpr qreal kSizeStep = 0.5;
// Hinting makes small sizes a little wider than proportional; this keeps them inside.
constexpr qreal kHintingMargin = 0.04;
// No glyph of the window's fonts is wider than this many ems.
constexpr qreal kWidestGlyphEm = 1.25;

// Most captions are a digit or two: they fit whatever their glyphs, so they need
// no measurement, and no font engine is loaded for them before the first frame.
bool surelyFit(const QList<CaptionRoom>& captions, const QFont& font, int dpi) {
    const qreal emPixels = font.pointSizeF() * dpi / 72.0;
    for (const CaptionRoom& c : captions)
        if (c.text.size() * emPixels * kWidestGlyphEm > c.room) return false;
    return true;
}

// How far the widest caption, measured against its own room, overflows it (1: just fits).
qreal overflow(const QList<CaptionRoom>& captions, const QFont& font) {
    const QFontMetricsF metrics(font);
    qreal worst = 0;
    for (const CaptionRoom& c : captions) worst = std::max(worst, metrics.horizontalAdvance(c.text) / std::max(1, c.room));
    return worst;
}

}  // namespace

// The captions are measured in the designed font that the other keys load
// anyway, then once at the stretch that should fit: widths grow nearly in
// proportion to stretch and size, so few font engines are loaded before the
// first frame.
QFont fittedFont(const QList<CaptionRoom>& captions, const QFont& designedFont) {
    const qreal designedOverflow = overflow(captions, designedFont);
    if (designedOverflow <= 1) return designedFont;
    QFont font = designedFont;
    const int needed = static_cast<int>(std::floor(100.0 / designedOverflow / kStretchStep)) * kStretchStep;
    int stretch = std::clamp(needed, kNarrowestStretch, 100 - kStretchStep);
    font.setStretch(stretch);
    qreal narrowedOverflow = overflow(captions, font);
    while (narrowedOverflow > 1 && stretch > kNarrowestStretch) {
        font.setStretch(stretch -= kStretchStep);
        narrowedOverflow = overflow(captions, font);
    }
    if (narrowedOverflow <= 1) return font;
    const qreal proportional = designedFont.pointSizeF() / narrowedOverflow * (1 - kHintingMargin);
    qreal size = std::max(kSmallestPointSize, std::floor(proportional / kSizeStep) * kSizeStep);
    font.setPointSizeF(size);
    // Hinting of the narrowed face is not quite proportional: check, and step down if need be.
    while (size > kSmallestPointSize && overflow(captions, font) > 1) font.setPointSizeF(size -= kSizeStep);
    return font;
}

QFont fittedFont(const QStringList& captions, const QFont& designedFont, int width) {
    QList<CaptionRoom> rooms;
    for (const QString& c : captions) rooms.append({c, width});
    return fittedFont(rooms, designedFont);
}

void fitCaptions(const QList<QAbstractButton*>& buttons, const QList<int>& rooms, const QFont& designedFont) {
    if (buttons.isEmpty()) return;
    QList<CaptionRoom> captions;
    for (qsizetype i = 0; i < buttons.size(); ++i) captions.append({buttons[i]->text(), rooms.value(i)});
    const QFont font = surelyFit(captions, designedFont, buttons.front()->logicalDpiY())
                           ? designedFont
                           : fittedFont(captions, designedFont);
    for (QAbstractButton* button : buttons)
        if (button->font() != font) button->setFont(font);
}

void fitKeyRow(const QList<QAbstractButton*>& row, const QFont& designedFont, int edge) {
    QList<int> rooms;
    for (const QAbstractButton* key : row) rooms.append(key->width() - 2 * edge);
    fitCaptions(row, rooms, designedFont);
}

void setFittedCaption(QAbstractButton* button, const QString& caption, const QFont& designedFont, int edge) {
    button->setText(caption);
    fitKeyRow({button}, designedFont, edge);
}

}  // namespace velmor
