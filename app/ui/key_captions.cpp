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
bool surelyFit(const QStringList& captions, const QFont& font, int width, int dpi) {
    const qreal emPixels = font.pointSizeF() * dpi / 72.0;
    qsizetype longest = 0;
    for (const QString& c : captions) longest = std::max(longest, c.size());
    return longest * emPixels * kWidestGlyphEm <= width;
}

qreal widest(const QStringList& captions, const QFont& font) {
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString& c : captions) widest = std::max(widest, metrics.horizontalAdvance(c));
    return widest;
}

}  // namespace

// The captions are measured in the designed font that the other keys load
// anyway, then once at the stretch that should fit: widths grow nearly in
// proportion to stretch and size, so few font engines are loaded before the
// first frame.
QFont fittedFont(const QStringList& captions, const QFont& designedFont, int width) {
    const qreal designedWidth = widest(captions, designedFont);
    if (designedWidth <= width) return designedFont;
    QFont font = designedFont;
    const int needed = static_cast<int>(std::floor(100.0 * width / designedWidth / kStretchStep)) * kStretchStep;
    int stretch = std::clamp(needed, kNarrowestStretch, 100 - kStretchStep);
    font.setStretch(stretch);
    qreal narrowedWidth = widest(captions, font);
    while (narrowedWidth > width && stretch > kNarrowestStretch) {
        font.setStretch(stretch -= kStretchStep);
        narrowedWidth = widest(captions, font);
    }
    if (narrowedWidth <= width) return font;
    const qreal proportional = designedFont.pointSizeF() * width / narrowedWidth * (1 - kHintingMargin);
    qreal size = std::max(kSmallestPointSize, std::floor(proportional / kSizeStep) * kSizeStep);
    font.setPointSizeF(size);
    // Hinting of the narrowed face is not quite proportional: check, and step down if need be.
    while (size > kSmallestPointSize && widest(captions, font) > width) font.setPointSizeF(size -= kSizeStep);
    return font;
}

void fitKeyRow(const QList<QAbstractButton*>& row, const QFont& designedFont, int edge) {
    if (row.isEmpty()) return;
    QStringList captions;
    int width = row.front()->width();
    for (const QAbstractButton* key : row) {
        captions.append(key->text());
        width = std::min(width, key->width());
    }
    const int room = width - 2 * edge;
    const QFont font = surelyFit(captions, designedFont, room, row.front()->logicalDpiY())
                           ? designedFont
                           : fittedFont(captions, designedFont, room);
    for (QAbstractButton* key : row)
        if (key->font() != font) key->setFont(font);
}

void setFittedCaption(QAbstractButton* button, const QString& caption, const QFont& designedFont, int edge) {
    button->setText(caption);
    fitKeyRow({button}, designedFont, edge);
}

}  // namespace velmor
