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
    QFont font = designedFont;
    font.setPointSizeF(fittedPointSize(caption, designedFont, button->width() - 2 * kButtonEdge));
    if (button->font() != font) button->setFont(font);
}

}  // namespace velmor
