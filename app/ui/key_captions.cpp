#include "app/ui/key_captions.h"

#include <QAbstractButton>
#include <QFont>
#include <QFontMetricsF>
#include <QRadioButton>
#include <QString>

namespace velmor {
namespace {

// The push button's frame and focus margin take this much of each side.
constexpr int kButtonEdge = 3;
constexpr qreal kSmallestPointSize = 6.5;
constexpr qreal kStep = 0.25;

}  // namespace

qreal fittedPointSize(const QString& caption, const QFont& designedFont, int width) {
    QFont font = designedFont;
    qreal size = designedFont.pointSizeF();
    while (size > kSmallestPointSize && QFontMetricsF(font).horizontalAdvance(caption) > width) {
        size -= kStep;
        font.setPointSizeF(size);
    }
    return size;
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
