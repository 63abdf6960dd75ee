#include "app/ui/key_captions.h"

#include <QAbstractButton>
#include <QFont>
#include <QFontMetricsF>
#include <QRadioButton>
#include <QString>
#include <algorithm>
#include <cmath>

namespace velmor {
namespace {

// The push button's frame and focus margin take this much of each side.
constexpr int kButtonEdge = 3;
constexpr qreal kSmallestPointSize = 6.5;
// Half-point steps: the long captions land on a few sizes, which share font engines.
constexpr qreal kStep = 0.5;
// Hinting makes small sizes a little wider than proportional; this keeps them inside.
constexpr qreal kHintingMargin = 0.04;

// No glyph of the window's fonts is wider than this many ems.
constexpr qreal kWidestGlyphEm = 1.25;

// Most captions are a digit or two: they fit whatever their glyphs, so they need
// no measurement, and no font engine is loaded for them before the first frame.
bool surelyFits(const QString& caption, const QFont& font, int width, int dpi) {
    const qreal emPixels = font.pointSizeF() * dpi / 72.0;
    return caption.size() * emPixels * kWidestGlyphEm <= width;
}

}  // namespace

// The caption is measured once, in the designed font that the other keys load
// anyway: its width grows in proportion to the point size, so the fitting size
// follows without loading a font engine per candidate size before the first frame.
qreal fittedPointSize(const QString& caption, const QFont& designedFont, int width) {
    const qreal designed = designedFont.pointSizeF();
    const qreal advance = QFontMetricsF(designedFont).horizontalAdvance(caption);
    if (advance <= width) return designed;
    const qreal proportional = designed * width / advance * (1 - kHintingMargin);
    return std::max(kSmallestPointSize, std::floor(proportional / kStep) * kStep);
}

void setFittedCaption(QAbstractButton* button, const QString& caption, const QFont& designedFont) {
    button->setText(caption);
    // Option buttons carry their indicator beside the text; only push keys are fitted.
    if (qobject_cast<QRadioButton*>(button)) return;
    const int width = button->width() - 2 * kButtonEdge;
    QFont font = designedFont;
    if (!surelyFits(caption, designedFont, width, button->logicalDpiY()))
        font.setPointSizeF(fittedPointSize(caption, designedFont, width));
    if (button->font() != font) button->setFont(font);
}

}  // namespace velmor
